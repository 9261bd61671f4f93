#include "about/frmabout.h"

#include "platform/failure.h"
#include "platform/identity.h"
#include "platform/services.h"
#include "platform/startprogram.h"
#include "platform/textfit.h"
#include "ui_frmabout.h"

#include <QFileInfo>

#include <algorithm>

using namespace platform::registry;

FrmAbout::FrmAbout(const QWidget &frmMain, platform::Services &services)
    : QDialog(nullptr), ui(std::make_unique<Ui::frmAbout>()), m_frmMain(frmMain),
      m_services(services)
{
    ui->setupUi(this);
    setWindowIcon(frmMain.windowIcon());
    // Fixed dialog frame: no resizing, no minimize or maximize button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // The buttons' sizes are fixed: their captions get the largest size that fits.
    for (QPushButton *button : {ui->cmdOK, ui->cmdSysInfo})
        platform::fitText(button, {}, 0, {QFontInfo(button->font()).family()});
    connect(ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);
    Form_Load();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::reject()
{
    ui->cmdOK->click();
}

void FrmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + windowTitle());
    ui->lblVersion->setText(QStringLiteral("Version ") + identity::version());
    ui->lblTitle->setText(m_frmMain.windowTitle());
}

void FrmAbout::cmdOK_Click()
{
    accept();
}

void FrmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void FrmAbout::StartSysInfo()
{
    // Every way the tool cannot be found or started ends in the one message below.
    try {
        QString SysInfoPath;
        Registry &registry = m_services.registry;
        bool found = about::GetKeyValue(registry, localMachine, QString::fromLatin1(systemInfoKey),
                                        QString::fromLatin1(systemInfoValue), SysInfoPath);
        if (!found &&
            about::GetKeyValue(registry, localMachine, QString::fromLatin1(systemInfoFolderKey),
                               QString::fromLatin1(systemInfoFolderValue), SysInfoPath)) {
            SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
            found = QFileInfo(SysInfoPath).isFile();
        }
        if (found) {
            platform::startProgram(SysInfoPath);
            return;
        }
    } catch (const platform::Failure &) {
        // Reported below, as the tool is then unavailable all the same.
    }
    m_services.notifier.msgBox(QStringLiteral("System Information Is Unavailable At This Time"),
                               platform::MsgIcon::None, identity::appTitle());
}

bool about::GetKeyValue(Registry &registry, const Key &KeyRoot, const QString &KeyName,
                        const QString &SubKeyRef, QString &KeyVal)
{
    // Query value, set value, create subkey, enumerate subkeys, notify, create link,
    // read control: write access is asked for, so a key the user may only read fails.
    constexpr std::uint32_t access = keyQueryValue | keySetValue | keyCreateSubKey |
                                     keyEnumerateSubKeys | keyNotify | keyCreateLink | readControl;
    Key hKey = 0;
    if (registry.openKey(KeyRoot, KeyName.toLocal8Bit().constData(), 0, access, &hKey) != success) {
        KeyVal.clear();
        return false;
    }

    QByteArray tmpVal(1024, '\0');
    std::uint32_t KeyValSize = 1024;
    std::uint32_t KeyValType = 0;
    if (registry.queryValue(hKey, SubKeyRef.toLocal8Bit().constData(), nullptr, &KeyValType,
                            reinterpret_cast<unsigned char *>(tmpVal.data()),
                            &KeyValSize) != success) {
        KeyVal.clear();
        registry.closeKey(hKey);
        return false;
    }

    if (KeyValSize == 0) {
        // Nothing to cut the terminating zero from: the lookup fails outright, and the
        // caller does not go on to other keys. The key is closed all the same.
        registry.closeKey(hKey);
        throw platform::Failure(
            QStringLiteral("The registry value %1 holds no data.").arg(SubKeyRef));
    }
    tmpVal.truncate(KeyValSize);
    if (tmpVal.endsWith('\0'))
        tmpVal.chop(1);

    switch (KeyValType) {
    case typeString:
        KeyVal = QString::fromLocal8Bit(tmpVal);
        break;
    case typeDword:
        // The value's bytes, most significant first, two digits each.
        std::reverse(tmpVal.begin(), tmpVal.end());
        KeyVal = QStringLiteral("&h") + QString::fromLatin1(tmpVal.toHex().toUpper());
        break;
    default:
        break;
    }
    registry.closeKey(hKey);
    return true;
}
