// Save As, Print Result, Copy and Notepad: the results list leaving the program.

#include "platform/failure.h"
#include "platform/identity.h"
#include "platform/replacefile.h"
#include "platform/services.h"
#include "platform/texteditor.h"
#include "results/exporttexts.h"
#include "results/resultslist.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>

#include <limits>

namespace results {

void ResultsList::mnuFileSaveas_Click()
{
    CommonSave.setCancelError(true);
    CommonSave.setFlags(platform::CommonSave::OverwritePrompt);
    CommonSave.setDefaultExt(QStringLiteral("TXT"));
    CommonSave.setFilter(QStringLiteral("Text files|*.TXT"));
    if (!CommonSave.showSave(&m_window))
        return;
    // A save that fails leaves the file it was to replace as it was, and says so.
    try {
        platform::replaceFile(CommonSave.fileName(), savedFileBytes(listEntries(*ui.lstResult)));
    } catch (const platform::Failure &failure) {
        m_services.notifier.msgBox(
            QStringLiteral("The results could not be saved to %1.\n%2")
                .arg(QDir::toNativeSeparators(CommonSave.fileName()), failure.description()),
            platform::MsgIcon::Critical, identity::makerSiteName());
    }
}

void ResultsList::mnuFilePrint_Click()
{
    try {
        const std::unique_ptr<platform::LinePrinter> printer =
            m_services.openPrinter(identity::appTitle());
        printResults(*printer, listEntries(*ui.lstResult));
    } catch (const platform::Failure &) {
        m_services.notifier.msgBox(QStringLiteral("You have a problem!"),
                                   platform::MsgIcon::Critical, identity::makerSiteName());
    }
}

void ResultsList::mnuEditCopy_Click()
{
    CopyMe();
}

void ResultsList::mnuEditNotepad_Click()
{
    TextFile();
}

void ResultsList::CopyMe()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    ui.txtTemp->clear();
    // The text is built in one piece and goes to the clipboard once: every trip
    // through the X11 clipboard is a round trip to the display server (and a
    // clipboard history keeps each), and text appended to a line edit piece by
    // piece is copied whole every time.
    const QString text = clipboardText(listEntries(*ui.lstResult), selectionFlags(*ui.lstResult));
    // A line edit otherwise cuts its text at 32,767 characters; a full list
    // selected is about a megabyte. txtTemp is never shown: without echo it does
    // not lay that megabyte out as display text, which took most of Copy's time.
    ui.txtTemp->setMaxLength(std::numeric_limits<int>::max());
    ui.txtTemp->setEchoMode(QLineEdit::NoEcho);
    ui.txtTemp->setText(text);
    clipboard->setText(text);
}

void ResultsList::TextFile()
{
    try {
        platform::startTextEditor();
    } catch (const platform::Failure &failure) {
        m_services.notifier.msgBox(QStringLiteral("NotePad is not loaded! ") +
                                       failure.description(),
                                   platform::MsgIcon::Information, identity::makerSiteName());
    }
}

} // namespace results
