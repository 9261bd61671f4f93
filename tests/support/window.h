#pragma once

#include "app/frmmain.h"
#include "platform/messagebox.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

// Message boxes and beeps, recorded in order instead of shown: "beep", or a box as
// "<icon> <title>: <text>" (icon none, information or critical), answered at once as
// if OK were pressed; onBox runs while it would be open.
class Recorder : public platform::Notifier
{
public:
    Recorder() { platform::setNotifier(this); }
    ~Recorder() override { platform::setNotifier(nullptr); }
    void msgBox(const QString &text, platform::MsgIcon icon, const QString &title) override;
    void beep() override { events.append(QStringLiteral("beep")); }

    QStringList events;
    std::function<void()> onBox;
};

// The main window as a user meets it: shown and active, the focus in its first field,
// boxes and beeps recorded, with a folder of its own ("~") for the files a test makes.
// An end of the process is recorded as an event too, "end <status>".
class Window
{
public:
    Window();
    ~Window();

    // Runs "keys => expected >> keys => expected ...": each step's keys, then its
    // check. Keys after {about} go to the About dialog it opens, and the step is
    // checked while the dialog is open; it is closed then.
    //
    // Keys, separated by blanks, "*N" after one for N times: "^H" is Ctrl+H,
    // "{Shift+Tab}" any key QKeySequence names, any other word is typed character by
    // character, to an open menu or else to the focused control. Besides keys:
    //   {paste:text} through the field's own paste (Shift+Insert); {clip:text}
    //   {calc} clicks Calculate Binary; {select:N} selects entry N; {fill:N} adds N
    //     entries "earlier"
    //   {save:F[:yes|:no]} Ctrl+S, F typed into the save dialog and Enter, replacing
    //     a file or not (then cancelling; recorded as "replace? yes|no"); {save:}
    //     cancels; {fsize:N} limits the next save to N bytes; {file:F=text} writes F
    //   {path:a,b=interpreter} PATH holds only stand-ins, scripts that write down
    //     their name and argument count
    //   {help:manual|missing} the help-file setting; {focus:name}; {activate} the main
    //     window; {close} the active window; {closeOnBox} the next box closes it
    //   {registry} filled as the program fills it at start; {reg:key|name|type|data}
    //     with "\0" a zero byte and "~" the stand-ins' folder; {readonly:key}
    void run(const QString &steps);
    void keys(const QString &sequence);

    // Compares "aspect=value; aspect=value" with what the window shows (Window::show),
    // waiting a little for what shows once the event loop has run. "labels=ref" is
    // the reference translation of the entry fields. Where no events are expected,
    // the process must not have ended.
    void check(const QString &expected) const;
    QString show(const QString &aspect) const;

    Recorder recorder;
    FrmMain frm;

private:
    void answerFileDialog(const QString &name, const QString &replace);

    QTemporaryDir m_dir;
    QByteArray m_path = qgetenv("PATH");
    QString m_proposed;
    quint64 m_fileSizeLimit = 0;
};

// The result labels (decimal, hex, binary; "~" for the input base's own) that the
// text of an entry field must bring, worked out without the program's translation
// code; nullopt where the text holds no number the field can read. base is 'D' or
// 'H'; for 'B' text is the five boxes, box 4 first, each of four digits.
std::optional<QStringList> referenceLabels(char base, const QString &text);
