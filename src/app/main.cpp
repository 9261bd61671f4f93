#include "app/frmmain.h"
#include "platform/identity.h"
#include "platform/processend.h"
#include "platform/services.h"
#include "platform/windowsystem.h"

#include <QApplication>
#include <QDir>

#include <vector>

namespace {

// The help-file setting is compiled into the program: empty for a program without
// help, or a path taken from the program's own folder, as the install prefix is only
// known once the program is in place.
QString helpFile()
{
    const QString setting = QStringLiteral(VOXTREL_HELP_FILE);
    if (setting.isEmpty())
        return setting;
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(setting));
}

} // namespace

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

    platform::ScreenNotifier screen;
    const std::unique_ptr<platform::registry::Registry> registry =
        platform::registry::systemRegistry();
    platform::Services services{screen,    platform::endProcess, {},
                                *registry, helpFile(),           platform::openDefaultPrinter};
    FrmMain frmMain(services);
    frmMain.show();
    return app.exec();
}
