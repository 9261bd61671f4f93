#include "platform/texteditor.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

namespace {

bool startDetached(const QString &program, QString &whyNot)
{
    QProcess process;
    process.setProgram(program);
    if (process.startDetached())
        return true;
    whyNot = process.errorString();
    return false;
}

} // namespace

#ifdef Q_OS_WIN

bool startTextEditor(QString &whyNot)
{
    return startDetached(QStringLiteral("c:\\windows\\notepad.exe"), whyNot);
}

#else

// There is no fixed path to an editor here: the first of the common desktop
// editors that the PATH holds stands in, earlier names preferred.
bool startTextEditor(QString &whyNot)
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
            return startDetached(path, whyNot);
    }
    whyNot = QStringLiteral("No text editor was found on the PATH (looked for %1).")
                 .arg(editors.join(QStringLiteral(", ")));
    return false;
}

#endif

} // namespace platform
