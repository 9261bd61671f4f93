#include "platform/processend.h"

#include <cstdlib>

namespace platform {

namespace {
std::function<void(int)> g_ender;
}

void endProcess(int status)
{
    if (g_ender) {
        g_ender(status);
        return;
    }
    std::exit(status);
}

void setProcessEnder(std::function<void(int status)> ender)
{
    g_ender = std::move(ender);
}

} // namespace platform
