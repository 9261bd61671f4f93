#include "platform/registry.h"

#include <windows.h>

namespace platform::registry {

namespace {
HKEY handle(Key key)
{
    return reinterpret_cast<HKEY>(key);
}
} // namespace

Result openKey(Key key, const char *subKey, std::uint32_t options, std::uint32_t desiredAccess,
               Key *result)
{
    HKEY opened = nullptr;
    const LONG rc = RegOpenKeyExA(handle(key), subKey, options, desiredAccess, &opened);
    if (rc == ERROR_SUCCESS && result)
        *result = reinterpret_cast<Key>(opened);
    return rc;
}

Result queryValue(Key key, const char *valueName, std::uint32_t *reserved, std::uint32_t *type,
                  unsigned char *data, std::uint32_t *dataSize)
{
    DWORD valueType = 0;
    DWORD size = dataSize ? *dataSize : 0;
    const LONG rc = RegQueryValueExA(handle(key), valueName, reinterpret_cast<LPDWORD>(reserved),
                                     type ? &valueType : nullptr, data, dataSize ? &size : nullptr);
    if (type)
        *type = valueType;
    if (dataSize)
        *dataSize = size;
    return rc;
}

Result closeKey(Key key)
{
    return RegCloseKey(handle(key));
}

// The real registry already holds what Windows offers.
void loadSystemEntries() {}

} // namespace platform::registry
