#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void ScreenNotifier::msgBox(const QString &text, MsgIcon icon, const QString &title)
{
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

void ScreenNotifier::beep()
{
    QApplication::beep();
}

} // namespace platform
