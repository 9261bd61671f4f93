// Compiled into each program rather than into voxtrel_core: the program run from the
// build tree and the installed one name different copies of the help file, and the
// tests choose their own settings.
#include "about/helpfile.h"
#include "platform/registry.h"

#include <QCoreApplication>

namespace {

void setUpHelpAndAbout()
{
    about::setHelpFile(QStringLiteral(VOXTREL_HELP_FILE));
    platform::registry::loadSystemEntries();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(setUpHelpAndAbout)
