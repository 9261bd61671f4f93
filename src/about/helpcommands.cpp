#include "about/frmabout.h"
#include "about/helpfile.h"
#include "app/frmmain.h"
#include "app/identity.h"
#include "platform/failure.h"
#include "platform/helpviewer.h"
#include "platform/messagebox.h"

void FrmMain::mnHelpContents_Click()
{
    if (about::helpFile().isEmpty()) {
        platform::msgBox(QStringLiteral("Unable to display Help Contents. There is no Help "
                                        "associated with this project."),
                         platform::MsgIcon::Information, windowTitle());
        return;
    }
    // The viewer's success flag is not looked at: it reports a missing or unreadable
    // file in its own window. Only a viewer that cannot be asked at all is reported.
    try {
        const qint16 unusedData = 0;
        platform::showHelp(this, about::helpFile().toLocal8Bit().constData(),
                           platform::helpContents, &unusedData);
    } catch (const platform::Failure &failure) {
        platform::msgBox(failure.description(), platform::MsgIcon::None, identity::appTitle());
    }
}

void FrmMain::mnuHelpAbout_Click()
{
    // Made afresh for every opening and modal to the whole program, with no owner.
    FrmAbout frmAbout(*this);
    frmAbout.exec();
}
