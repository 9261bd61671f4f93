// Placeholder until the Edit commands and the end of the program are built.
#include "app/frmmain.h"

#include <QCloseEvent>

void FrmMain::mnuEditClear_Click() {}
void FrmMain::mnuEditSelect_Click() {}
void FrmMain::mnuFileExit_Click() {}
void FrmMain::Endit() {}
void FrmMain::Form_Unload(qint16 &) {}
void FrmMain::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
}
