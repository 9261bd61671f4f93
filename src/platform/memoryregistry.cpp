#include "platform/memoryregistry.h"

#include <QStandardPaths>
#include <QString>

#include <cstring>
#include <map>
#include <optional>
#include <utility>

namespace platform::registry {

namespace {

struct Value
{
    std::uint32_t type = 0;
    QByteArray data;
};

struct KeyNode
{
    std::uint32_t grantedAccess = memoryregistry::allAccess;
    std::map<QByteArray, Value> values; // by lower-case name
};

// A key is named by its root and its lower-case path below it; a root's own path is empty.
using KeyName = std::pair<Key, QByteArray>;

struct OpenKey
{
    KeyName name;
    std::uint32_t access = 0;
};

struct Store
{
    std::map<KeyName, KeyNode> keys;
    std::map<Key, OpenKey> open;
    Key nextHandle = 1;
};

Store &store()
{
    static Store registry;
    return registry;
}

bool isRoot(Key key)
{
    return key >= Key(std::int32_t(0x80000000)) && key <= Key(std::int32_t(0x80000006));
}

QByteArray below(const QByteArray &path, const char *subKey)
{
    const QByteArray sub = QByteArray(subKey ? subKey : "").toLower();
    if (path.isEmpty() || sub.isEmpty())
        return path + sub;
    return path + '\\' + sub;
}

// The key that an open handle or a root stands for, with the rights it was opened with.
std::optional<OpenKey> resolve(Key key)
{
    if (isRoot(key))
        return OpenKey{{key, {}}, memoryregistry::allAccess};
    const auto found = store().open.find(key);
    if (found == store().open.end())
        return std::nullopt;
    return found->second;
}

} // namespace

Result openKey(Key key, const char *subKey, std::uint32_t, std::uint32_t desiredAccess, Key *result)
{
    const std::optional<OpenKey> parent = resolve(key);
    if (!parent)
        return invalidHandle;
    if (!result)
        return invalidParameter;
    const KeyName name{parent->name.first, below(parent->name.second, subKey)};
    std::uint32_t granted = memoryregistry::allAccess;
    if (!name.second.isEmpty()) {
        const auto node = store().keys.find(name);
        if (node == store().keys.end())
            return fileNotFound;
        granted = node->second.grantedAccess;
    }
    if (desiredAccess & ~granted)
        return accessDenied;
    *result = store().nextHandle++;
    store().open[*result] = {name, desiredAccess};
    return success;
}

Result queryValue(Key key, const char *valueName, std::uint32_t *reserved, std::uint32_t *type,
                  unsigned char *data, std::uint32_t *dataSize)
{
    const std::optional<OpenKey> opened = resolve(key);
    if (!opened)
        return invalidHandle;
    if (reserved || (data && !dataSize))
        return invalidParameter;
    if (!(opened->access & keyQueryValue))
        return accessDenied;
    const auto node = store().keys.find(opened->name);
    if (node == store().keys.end())
        return fileNotFound;
    const auto value = node->second.values.find(QByteArray(valueName ? valueName : "").toLower());
    if (value == node->second.values.end())
        return fileNotFound;
    if (type)
        *type = value->second.type;
    const auto size = std::uint32_t(value->second.data.size());
    if (data && *dataSize < size) {
        *dataSize = size;
        return moreData;
    }
    if (data)
        std::memcpy(data, value->second.data.constData(), size);
    if (dataSize)
        *dataSize = size;
    return success;
}

Result closeKey(Key key)
{
    if (isRoot(key))
        return success;
    return store().open.erase(key) ? success : invalidHandle;
}

void loadSystemEntries()
{
    memoryregistry::clear();
    // System Info in the About dialog starts the first system-information tool that
    // PATH holds, named by its full path as Windows names its own.
    for (const char *tool : {"hardinfo", "kinfocenter"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty()) {
            memoryregistry::setValue(localMachine, systemInfoKey, systemInfoValue, typeString,
                                     path.toLocal8Bit() + '\0');
            return;
        }
    }
}

} // namespace platform::registry

namespace platform::memoryregistry {

using namespace registry;

void clear()
{
    store() = {};
}

void createKey(Key root, const QByteArray &path, std::uint32_t grantedAccess)
{
    const QByteArray lower = path.toLower();
    for (qsizetype end = lower.indexOf('\\'); end != -1; end = lower.indexOf('\\', end + 1))
        store().keys.try_emplace({root, lower.left(end)});
    store().keys[{root, lower}].grantedAccess = grantedAccess;
}

void setValue(Key root, const QByteArray &path, const QByteArray &name, std::uint32_t type,
              const QByteArray &data)
{
    const KeyName key{root, path.toLower()};
    if (!store().keys.count(key))
        createKey(root, path);
    store().keys[key].values[name.toLower()] = {type, data};
}

int openKeyCount()
{
    return int(store().open.size());
}

} // namespace platform::memoryregistry
