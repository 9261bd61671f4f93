#include "platform/texteditor.h"

#include "platform/failure.h"
#include "platform/startprogram.h"

#include <QStandardPaths>
#include <QStringList>

namespace platform {

#ifdef Q_OS_WIN

void startTextEditor()
{
    startProgram(QStringLiteral("c:\\windows\\notepad.exe"));
}

#else

// There is no fixed path to an editor here: the first of the common desktop
// editors that the PATH holds stands in, earlier names preferred.
void startTextEditor()
{
    const QStringList editors{QStringLiteral("gnome-text-editor"),
                              QStringLiteral("gedit"),
                              QStringLiteral("kwrite"),
                              QStringLiteral("kate"),
                              QStringLiteral("mousepad"),
                              QStringLiteral("pluma"),
                              QStringLiteral("xed"),
                              QStringLiteral("featherpad"),
                              QStringLiteral("leafpad")};
    for (const QString &editor : editors) {
        const QString path = QStandardPaths::findExecutable(editor);
        if (!path.isEmpty())
            return startProgram(path);
    }
    throw Failure(QStringLiteral("No text editor was found on the PATH (looked for %1).")
                      .arg(editors.join(QStringLiteral(", "))));
}

#endif

} // namespace platform
