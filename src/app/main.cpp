#include "app/frmmain.h"
#include "app/identity.h"
#include "platform/windowsystem.h"

#include <QApplication>

#include <vector>

int main(int argc, char *argv[])
{
    // The platform goes to Qt as an argument, so that programs started from here make
    // their own choice; first, so that a -platform of the user's, later, wins.
    QByteArray option[] = {"-platform",
                           platform::preferredQtPlatform(QProcessEnvironment::systemEnvironment())};
    std::vector<char *> arguments(argv, argv + argc);
    if (!option[1].isEmpty())
        arguments.insert(arguments.begin() + 1, {option[0].data(), option[1].data()});
    int count = int(arguments.size());
    QApplication app(count, arguments.data());
    QApplication::setApplicationName(identity::appTitle());
    QApplication::setApplicationVersion(identity::version());
    // Docks and task bars find the launcher's icon and name through this.
    QApplication::setDesktopFileName(QStringLiteral("org.voxtrel.Voxtrel"));
    FrmMain frmMain;
    frmMain.show();
    return app.exec();
}
