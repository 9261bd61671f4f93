#include "about/helpfile.h"

namespace about {

namespace {
QString &setting()
{
    static QString path;
    return path;
}
} // namespace

QString helpFile()
{
    return setting();
}

void setHelpFile(const QString &path)
{
    setting() = path;
}

} // namespace about
