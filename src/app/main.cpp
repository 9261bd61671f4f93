#include "app/frmmain.h"
#include "app/identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(identity::appTitle());
    QApplication::setApplicationVersion(identity::version());
    // Docks and task bars find the launcher's icon and name through this.
    QApplication::setDesktopFileName(QStringLiteral("org.voxtrel.Voxtrel"));
    FrmMain frmMain;
    frmMain.show();
    return app.exec();
}
