#include "app/frmmain.h"
#include "app/identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(identity::appTitle());
    QApplication::setApplicationVersion(identity::version());
    FrmMain frmMain;
    frmMain.show();
    return app.exec();
}
