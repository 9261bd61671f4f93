#pragma once

#include <QString>

// Message boxes and the system beep, as the program's handlers ask for them.
namespace platform {

enum class MsgIcon
{
    None,
    Information,
    Critical
};

class Notifier
{
public:
    virtual ~Notifier() = default;
    // The caller names the title; the application's own title where a box has none of
    // its own.
    virtual void msgBox(const QString &text, MsgIcon icon, const QString &title) = 0;
    virtual void beep() = 0;
};

// On screen: a modal QMessageBox with a single OK button, and the system's beep.
class ScreenNotifier : public Notifier
{
public:
    void msgBox(const QString &text, MsgIcon icon, const QString &title) override;
    void beep() override;
};

} // namespace platform
