#include "about/helpmenu.h"

#include "about/frmabout.h"
#include "platform/failure.h"
#include "platform/helpviewer.h"
#include "platform/identity.h"
#include "platform/services.h"

namespace about {

void HelpMenu::mnHelpContents_Click()
{
    if (m_services.helpFile.isEmpty()) {
        m_services.notifier.msgBox(QStringLiteral("Unable to display Help Contents. There is no "
                                                  "Help associated with this project."),
                                   platform::MsgIcon::Information, m_frmMain.windowTitle());
        return;
    }
    // The viewer's success flag is not looked at: it reports a missing or unreadable
    // file in its own window. Only a viewer that cannot be asked at all is reported.
    try {
        const qint16 unusedData = 0;
        platform::showHelp(&m_frmMain, m_services.helpFile.toLocal8Bit().constData(),
                           platform::helpContents, &unusedData);
    } catch (const platform::Failure &failure) {
        m_services.notifier.msgBox(failure.description(), platform::MsgIcon::None,
                                   identity::appTitle());
    }
}

void HelpMenu::mnuHelpAbout_Click()
{
    // Made afresh for every opening and modal to the whole program, with no owner.
    FrmAbout frmAbout(m_frmMain, m_services);
    frmAbout.exec();
}

} // namespace about
