#pragma once

#include "app/frmmain.h"
#include "platform/messagebox.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

// The main window as a user meets it, shown and active, with a folder of its own
// ("~") for files. Boxes and beeps are recorded instead of shown, as events: "beep",
// or "<icon> <title>: <text>" for a box answered at once with OK; so is an end of the
// process, "end <status>".
class Window : public platform::Notifier
{
public:
    Window();
    ~Window() override;
    void msgBox(const QString &text, platform::MsgIcon icon, const QString &title) override;
    void beep() override { events.append(QStringLiteral("beep")); }

    // Runs "keys => expected >> keys => expected ...". Keys, blank-separated, "*N"
    // after one for N times: "^H" is Ctrl+H, "{Shift+Tab}" any key QKeySequence names,
    // other words are typed, to an open menu or else to the focused control. Also:
    // {paste:text} (Shift+Insert), {clip:text}, {owner:text} (xclip holds the
    // clipboard), {calc} (when shown), {select:N}, {fill:N} (entries "earlier"),
    // {save:F[:yes|:no|:removed][:N]} (Ctrl+S, F typed into the dialog, a file replaced
    // or not, then cancelled, or F's folder removed once accepted; at most N bytes
    // written; "replace? yes|no" is recorded), {save:} (cancelled), {file:F=text},
    // {dir:F}, {path:a,b=interpreter} (PATH of stand-ins writing down name and
    // argument count; "=-": not executable), {help:manual|F}, {focus:name},
    // {activate}, {close} (the active window), {closeOnBox}, {registry} (filled from
    // PATH), {reg:key|name|type|data} ("\0" a zero byte, "~" the stand-ins' folder;
    // type r: a key only to be read), {fonts:family} (fitted anew), and {about}: the
    // keys after it go to the About dialog it opens, and the step is checked before it
    // is closed.
    void run(const QString &steps);
    void keys(const QString &sequence);

    // Compares "aspect=value; ..." with show(aspect). Where no events are expected, the
    // process must not have ended.
    void check(const QString &expected) const;
    QString show(const QString &aspect) const;
    // The labels, as show("labels"), that the text of the shown entry field must bring
    // (in binary: once calculated), worked out without the program's translation code;
    // those before where the text cannot be read.
    QString reference(const QString &before) const;

    QStringList events;
    FrmMain frm;

private:
    void answerFileDialog(const QString &name, const QString &replace);

    QTemporaryDir m_dir;
    QByteArray m_path = qgetenv("PATH");
    QString m_proposed;
    bool m_closeOnBox = false;
};
