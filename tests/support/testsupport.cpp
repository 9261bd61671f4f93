#include "support/testsupport.h"

#include "platform/processend.h"

#include <QApplication>
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
    events.append({true, {}, platform::MsgIcon::None, {}});
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
