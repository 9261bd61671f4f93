#pragma once

#include <QString>

// The help-file setting: the absolute path of the help file QUINDLE.HLP, or empty
// for a program without help. It is fixed when the program is built, the installed
// program's relative to the folder it runs from; each program puts its own into place
// as it starts (about/startup.cpp).
namespace about {

QString helpFile();
void setHelpFile(const QString &path);

} // namespace about
