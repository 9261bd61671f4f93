#include "platform/registry.h"

#include <windows.h>

namespace platform::registry {

namespace {

HKEY handle(Key key)
{
    return reinterpret_cast<HKEY>(key);
}

// Windows' own registry, which already holds what the system offers.
class WindowsRegistry : public Registry
{
public:
    Result openKey(Key key, const char *subKey, std::uint32_t options, std::uint32_t desiredAccess,
                   Key *result) override
    {
        HKEY opened = nullptr;
        const LONG rc = RegOpenKeyExA(handle(key), subKey, options, desiredAccess, &opened);
        if (rc == ERROR_SUCCESS && result)
            *result = reinterpret_cast<Key>(opened);
        return rc;
    }

    Result queryValue(Key key, const char *valueName, std::uint32_t *reserved, std::uint32_t *type,
                      unsigned char *data, std::uint32_t *dataSize) override
    {
        DWORD valueType = 0;
        DWORD size = dataSize ? *dataSize : 0;
        const LONG rc =
            RegQueryValueExA(handle(key), valueName, reinterpret_cast<LPDWORD>(reserved),
                             type ? &valueType : nullptr, data, dataSize ? &size : nullptr);
        if (type)
            *type = valueType;
        if (dataSize)
            *dataSize = size;
        return rc;
    }

    Result closeKey(Key key) override { return RegCloseKey(handle(key)); }
};

} // namespace

std::unique_ptr<Registry> systemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace platform::registry
