#include "platform/windowsystem.h"

namespace platform {

QByteArray preferredQtPlatform(int argc, char *argv[], const QProcessEnvironment &environment)
{
    const auto named = [&](const char *name) { return !environment.value(name).isEmpty(); };
    const bool wayland = named("WAYLAND_DISPLAY") ||
                         environment.value("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!wayland || !named("DISPLAY") || named("QT_QPA_PLATFORM"))
        return {};
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return {};
    }
    return "xcb";
}

} // namespace platform
