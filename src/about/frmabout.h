#pragma once

#include "platform/registry.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace platform {
struct Services;
}

// The About dialog: the program's title, version and notices, and a button that
// starts the system's information tool found through the registry.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    // frmMain is the window whose caption titles the dialog and whose icon it shows; it
    // does not own the dialog.
    FrmAbout(const QWidget &frmMain, platform::Services &services);
    ~FrmAbout() override;

    // Escape and the close box press OK, the dialog's cancel button.
    void reject() override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    std::unique_ptr<Ui::frmAbout> ui;
    const QWidget &m_frmMain;
    platform::Services &m_services;
};

namespace about {

// Reads the value SubKeyRef of the key KeyName under KeyRoot of registry as text into
// KeyVal. False, with KeyVal empty, when the key cannot be opened or the value not
// read; throws platform::Failure for a value without data.
bool GetKeyValue(platform::registry::Registry &registry, const platform::registry::Key &KeyRoot,
                 const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

} // namespace about
