#pragma once

#include <QString>

// Who the program is: the texts that name it in boxes, files and printouts.
namespace identity {

// Title of every message box that is given no title of its own.
inline QString appTitle()
{
    return QStringLiteral("Voxtrel");
}
// The maker's short web-site name, title of the program's own notices.
inline QString makerSiteName()
{
    return QStringLiteral("voxtrel.org");
}
inline QString makerWebAddress()
{
    return QStringLiteral("https://voxtrel.org");
}

} // namespace identity
