#pragma once

#include <QString>

// Message boxes and the system beep. On screen a box is a modal QMessageBox with
// a single OK button; tests put a recorder in place of the screen, since a modal
// box would block them and the beep cannot be observed offscreen.
namespace platform {

enum class MsgIcon
{
    None,
    Information,
    Critical
};

// The caller names the title; the application's own title where a box has none of
// its own.
void msgBox(const QString &text, MsgIcon icon, const QString &title);
void beep();

class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void msgBox(const QString &text, MsgIcon icon, const QString &title) = 0;
    virtual void beep() = 0;
};

// Routes boxes and beeps to notifier instead of the screen; nullptr restores the
// screen. Returns the notifier it replaces.
Notifier *setNotifier(Notifier *notifier);

} // namespace platform
