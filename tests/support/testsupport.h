#pragma once

#include "app/frmmain.h"
#include "platform/messagebox.h"

#include <QList>
#include <QString>
#include <QTest>

#include <functional>
#include <memory>

// Records message boxes and beeps in the order they happen instead of showing
// them, for as long as it lives. A box answers at once, as if OK were pressed;
// onBox runs while the box would be open.
class MessageRecorder : public platform::Notifier
{
public:
    struct Event
    {
        bool isBeep = false;
        QString text;
        platform::MsgIcon icon = platform::MsgIcon::None;
        QString title;
        bool operator==(const Event &) const = default;
    };

    MessageRecorder();
    ~MessageRecorder() override;

    void msgBox(const QString &text, platform::MsgIcon icon, const QString &title) override;
    void beep() override;

    QList<Event> events;
    std::function<void(const Event &)> onBox;

    int beeps() const;
    QList<Event> boxes() const;
    void clear() { events.clear(); }
};

// A beep as the recorder holds it.
inline const MessageRecorder::Event recordedBeep{true, {}, platform::MsgIcon::None, {}};

// An event as a failed comparison shows it.
char *toString(const MessageRecorder::Event &event);

// The main window as a user meets it: shown, active, focus in its first field.
// Ending the process fails the test program from then on, until a test records
// the end in its place: a test program that ended midway with status 0 would
// otherwise pass for a whole run.
std::unique_ptr<FrmMain> showMainWindow();
void failOnProcessEnd();

// A named control of the window; fails the test when it is missing.
template <typename T> T *control(QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

// Sorted objectNames of the shown controls of the window's client area.
QStringList shownControls(QMainWindow *window);

// Texts of txtDecimal, txtHex and the binary boxes 0 to 4, in this order.
QStringList entryTexts(QObject *window);
// Captions of lblDecimal, lblHex and lblBinary, in this order.
QStringList resultLabels(QObject *window);

// Sends key to whatever has the focus, as the keyboard does.
void typeKeys(const QString &keys);
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
