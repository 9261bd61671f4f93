#include "platform/startprogram.h"

#include "platform/failure.h"

#include <QProcess>

namespace platform {

void startProgram(const QString &path)
{
    QProcess process;
    process.setProgram(path);
    if (!process.startDetached())
        throw Failure(process.errorString());
}

} // namespace platform
