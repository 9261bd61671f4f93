#pragma once

#include "platform/registry.h"

#include <QByteArray>

#include <map>
#include <optional>
#include <utility>

// The registry where the system has none: a tree of keys under each root, held in
// memory and answering the calls of platform/registry.h. Key and value names compare
// without regard to case, as on Windows.
namespace platform::registry {

inline constexpr std::uint32_t allAccess = 0xF003F;

class MemoryRegistry : public Registry
{
public:
    Result openKey(Key key, const char *subKey, std::uint32_t options, std::uint32_t desiredAccess,
                   Key *result) override;
    Result queryValue(Key key, const char *valueName, std::uint32_t *reserved, std::uint32_t *type,
                      unsigned char *data, std::uint32_t *dataSize) override;
    Result closeKey(Key key) override;

    // Empties it, then records what this system offers: System Info in the About
    // dialog starts the first system-information tool that PATH holds, named by its
    // full path as Windows names its own.
    void loadSystemEntries();

    // Creates path under root, and the keys above it, granting the rights grantedAccess
    // to whoever opens path; a key that exists gets the new rights.
    void createKey(Key root, const QByteArray &path, std::uint32_t grantedAccess = allAccess);
    // Stores a value, creating its key when needed.
    void setValue(Key root, const QByteArray &path, const QByteArray &name, std::uint32_t type,
                  const QByteArray &data);
    // How many keys are open now.
    int openKeyCount() const { return int(m_open.size()); }

private:
    struct Value
    {
        std::uint32_t type = 0;
        QByteArray data;
    };
    struct KeyNode
    {
        std::uint32_t grantedAccess = allAccess;
        std::map<QByteArray, Value> values; // by lower-case name
    };
    // A key is named by its root and its lower-case path below it; a root's own path is
    // empty.
    using KeyName = std::pair<Key, QByteArray>;
    struct OpenKey
    {
        KeyName name;
        std::uint32_t access = 0;
    };

    // The key that an open handle or a root stands for, with the rights it was opened
    // with.
    std::optional<OpenKey> resolve(Key key) const;

    std::map<KeyName, KeyNode> m_keys;
    std::map<Key, OpenKey> m_open;
    Key m_nextHandle = 1;
};

} // namespace platform::registry
