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
// Major, minor and revision as the build states them: "1.0.0".
inline QString version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VOXTREL_VERSION_MAJOR)
        .arg(VOXTREL_VERSION_MINOR)
        .arg(VOXTREL_VERSION_PATCH);
}

} // namespace identity
