#include "support/testsupport.h"

#include "platform/processend.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

MessageRecorder::MessageRecorder()
{
    platform::setNotifier(this);
}

MessageRecorder::~MessageRecorder()
{
    // A recorder made while this one still lived stays in place.
    if (platform::Notifier *current = platform::setNotifier(nullptr); current != this)
        platform::setNotifier(current);
}

void MessageRecorder::msgBox(const QString &text, platform::MsgIcon icon, const QString &title)
{
    events.append({false, text, icon, title});
    if (onBox)
        onBox(events.last());
}

void MessageRecorder::beep()
{
    events.append(recordedBeep);
}

int MessageRecorder::beeps() const
{
    return int(
        std::count_if(events.begin(), events.end(), [](const Event &e) { return e.isBeep; }));
}

QList<MessageRecorder::Event> MessageRecorder::boxes() const
{
    QList<Event> result;
    std::copy_if(events.begin(), events.end(), std::back_inserter(result),
                 [](const Event &e) { return !e.isBeep; });
    return result;
}

char *toString(const MessageRecorder::Event &event)
{
    if (event.isBeep)
        return qstrdup("beep");
    return QTest::toString(QStringLiteral("box \"%1\", icon %2, title \"%3\"")
                               .arg(event.text)
                               .arg(int(event.icon))
                               .arg(event.title));
}

void failOnProcessEnd()
{
    platform::setProcessEnder([](int status) {
        qFatal("the program tried to end with status %d during a test", status);
    });
}

std::unique_ptr<FrmMain> showMainWindow()
{
    failOnProcessEnd();
    auto window = std::make_unique<FrmMain>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
    return window;
}

QStringList shownControls(QMainWindow *window)
{
    QStringList names;
    const auto widgets = window->centralWidget()->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        // Qt's own parts of a control (a list's viewport, say) are named qt_...
        if (widget->isVisible() && !widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(u"qt_"))
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

QStringList entryTexts(QObject *window)
{
    QStringList texts;
    for (const char *name : {"txtDecimal", "txtHex", "txtBinary_0", "txtBinary_1", "txtBinary_2",
                             "txtBinary_3", "txtBinary_4"})
        texts.append(control<QLineEdit>(window, name)->text());
    return texts;
}

QStringList resultLabels(QObject *window)
{
    QStringList captions;
    for (const char *name : {"lblDecimal", "lblHex", "lblBinary"})
        captions.append(control<QLabel>(window, name)->text());
    return captions;
}

static QWidget *focusTarget()
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        qWarning("no widget has the focus");
    return target;
}

void typeKeys(const QString &keys)
{
    for (QChar ch : keys)
        QTest::keyClicks(focusTarget(), QString(ch));
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focusTarget(), key, modifiers);
}
