// The Edit menu's own commands, Clear Input and Select All, and the end of the
// program.

#include "app/frmmain.h"

#include "platform/identity.h"
#include "platform/processend.h"
#include "platform/services.h"
#include "results/resultslist.h"
#include "ui_frmmain.h"

#include <QCloseEvent>

// Emptying a field raises its change event, which runs to its end before the next
// step; the labels are emptied after the fields, so they end empty whatever the
// change events wrote.
void FrmMain::mnuEditClear_Click()
{
    if (ui->mnuConverterBinary->isChecked()) {
        for (QLineEdit *box : txtBinary)
            box->clear();
        ui->lblDecimal->clear();
        ui->lblHex->clear();
        txtBinary[0]->setFocus();
    }
    if (ui->mnuConverterDecimal->isChecked()) {
        ui->txtDecimal->clear();
        ui->lblBinary->clear();
        ui->lblHex->clear();
    }
    if (ui->mnuConverterHex->isChecked()) {
        ui->txtHex->clear();
        ui->lblBinary->clear();
        ui->lblDecimal->clear();
    }
}

void FrmMain::mnuEditSelect_Click()
{
    results::selectAllEntries(*ui->lstResult);
}

void FrmMain::mnuFileExit_Click()
{
    Endit();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    qint16 Cancel = 0;
    Form_Unload(Cancel);
    event->setAccepted(Cancel == 0);
}

void FrmMain::Form_Unload(qint16 &)
{
    Endit();
}

void FrmMain::Endit()
{
    // The farewell box runs an event loop of its own: a close that reaches the
    // window meanwhile must not bid farewell a second time.
    if (m_ending)
        return;
    m_ending = true;
    m_services.notifier.msgBox(QStringLiteral("Thankyou for using this Freeware Utility"),
                               platform::MsgIcon::Information, identity::makerSiteName());
    platform::sealEvents(*this);
    m_services.endProgram(0);
}
