#include "platform/helpviewer.h"

#include "platform/failure.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace platform {

namespace {

QTextBrowser *helpWindowOf(QWidget *owner)
{
    if (auto *browser = owner->findChild<QTextBrowser *>(QStringLiteral("htmHelp")))
        return browser;
    auto *window = new QWidget(owner, Qt::Window);
    window->setObjectName(QStringLiteral("frmHelp"));
    window->resize(720, 540);
    auto *browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("htmHelp"));
    browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    return browser;
}

// Reads the file afresh on every call, so that the window shows the file as it is now.
bool showContents(QTextBrowser *browser, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser->setHtml(QStringLiteral("<h3>The help file cannot be shown</h3>"
                                        "<p>%1</p><p>%2.</p>")
                             .arg(QDir::toNativeSeparators(path).toHtmlEscaped(),
                                  file.errorString().toHtmlEscaped()));
        browser->window()->setWindowTitle(QStringLiteral("Help"));
        return false;
    }
    const QByteArray html = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(html);
    browser->setHtml(decoder(html));
    browser->window()->setWindowTitle(
        browser->documentTitle().isEmpty() ? QStringLiteral("Help") : browser->documentTitle());
    return true;
}

} // namespace

bool showHelp(QWidget *owner, const char *helpFile, std::uint32_t command, const void *)
{
    if (!owner)
        throw Failure(QStringLiteral("The help viewer needs an owner window."));
    if (!helpFile)
        throw Failure(QStringLiteral("The help viewer needs the name of a help file."));
    if (command != helpContents)
        return false;
    QTextBrowser *browser = helpWindowOf(owner);
    const bool shown = showContents(browser, QString::fromLocal8Bit(helpFile));
    QWidget *window = browser->window();
    window->show();
    // Never larger than the screen's free area, frame included, as on a small or
    // high-density screen.
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(window->size().boundedTo(window->screen()->availableSize() - frame));
    window->raise();
    window->activateWindow();
    return shown;
}

} // namespace platform
