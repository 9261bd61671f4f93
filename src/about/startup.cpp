// Compiled into the program rather than into voxtrel_core: the help-file setting is
// the program's, and the tests choose their own.
#include "about/helpfile.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// A relative setting is taken from the program's own folder, as the install prefix is
// only known once the program is in place.
QString resolvedHelpFile()
{
    const QString setting = QStringLiteral(VOXTREL_HELP_FILE);
    if (setting.isEmpty())
        return setting;
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(setting));
}

void setUpHelpAndAbout()
{
    about::setHelpFile(resolvedHelpFile());
    platform::registry::loadSystemEntries();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(setUpHelpAndAbout)
