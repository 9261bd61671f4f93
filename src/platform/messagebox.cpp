#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace platform {

namespace {
Notifier *g_notifier = nullptr;
}

Notifier *setNotifier(Notifier *notifier)
{
    return std::exchange(g_notifier, notifier);
}

void msgBox(const QString &text, MsgIcon icon, const QString &title)
{
    if (g_notifier) {
        g_notifier->msgBox(text, icon, title);
        return;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.exec();
}

void beep()
{
    if (g_notifier) {
        g_notifier->beep();
        return;
    }
    QApplication::beep();
}

} // namespace platform
