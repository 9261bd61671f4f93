// Compiled into each program rather than into voxtrel_core: the program run from the
// build tree and the installed one name different copies of the help file, and the
// tests choose their own settings.
#include "about/helpfile.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The installed program's setting is relative to its own folder, as the install
// prefix is only known once the program is in place.
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
