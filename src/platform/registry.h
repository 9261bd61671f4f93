#pragma once

#include <cstdint>
#include <memory>

// The system registry through the three calls the About dialog reads it with, shaped
// and behaving like the Windows registry functions of the 8-bit code page: result
// codes, access rights asked for when a key is opened, value types, and a buffer of
// the caller's size that a value must fit. On Windows this is the real registry;
// elsewhere it is an in-memory registry (platform/memoryregistry.h) that holds what
// the system offers.
namespace platform::registry {

// An open key, or one of the predefined roots. The roots are 32-bit negative values
// widened with their sign, as Windows defines them for 64-bit handles.
using Key = std::intptr_t;
inline constexpr Key localMachine = Key(std::int32_t(0x80000002));

using Result = long;
inline constexpr Result success = 0;
inline constexpr Result fileNotFound = 2;
inline constexpr Result accessDenied = 5;
inline constexpr Result invalidHandle = 6;
inline constexpr Result invalidParameter = 87;
inline constexpr Result moreData = 234;

// Access rights for openKey.
inline constexpr std::uint32_t keyQueryValue = 0x0001;
inline constexpr std::uint32_t keySetValue = 0x0002;
inline constexpr std::uint32_t keyCreateSubKey = 0x0004;
inline constexpr std::uint32_t keyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t keyNotify = 0x0010;
inline constexpr std::uint32_t keyCreateLink = 0x0020;
inline constexpr std::uint32_t readControl = 0x20000;

// Value types.
inline constexpr std::uint32_t typeString = 1;
inline constexpr std::uint32_t typeDword = 4;

// Where Windows records its system-information tool: the tool's full path, or else
// the folder that holds it.
inline constexpr char systemInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char systemInfoValue[] = "PATH";
inline constexpr char systemInfoFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char systemInfoFolderValue[] = "MSINFO";

class Registry
{
public:
    virtual ~Registry() = default;

    // Opens subKey under key (an open key or a root) with the desired access rights and
    // puts the new key into *result.
    virtual Result openKey(Key key, const char *subKey, std::uint32_t options,
                           std::uint32_t desiredAccess, Key *result) = 0;

    // Reads the value valueName of key: its type into *type, its data into data when the
    // *dataSize bytes there can hold it (else moreData), and its size into *dataSize.
    // reserved must be null; type and data may be.
    virtual Result queryValue(Key key, const char *valueName, std::uint32_t *reserved,
                              std::uint32_t *type, unsigned char *data,
                              std::uint32_t *dataSize) = 0;

    virtual Result closeKey(Key key) = 0;
};

// The registry as this system has it, for the program's run: Windows' own, or where
// there is none, a memory registry holding what this system offers.
std::unique_ptr<Registry> systemRegistry();

} // namespace platform::registry
