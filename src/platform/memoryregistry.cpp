#include "platform/memoryregistry.h"

#include <QStandardPaths>
#include <QString>

#include <cstring>

namespace platform::registry {

namespace {

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

} // namespace

std::unique_ptr<Registry> systemRegistry()
{
    auto registry = std::make_unique<MemoryRegistry>();
    registry->loadSystemEntries();
    return registry;
}

std::optional<MemoryRegistry::OpenKey> MemoryRegistry::resolve(Key key) const
{
    if (isRoot(key))
        return OpenKey{{key, {}}, allAccess};
    const auto found = m_open.find(key);
    if (found == m_open.end())
        return std::nullopt;
    return found->second;
}

Result MemoryRegistry::openKey(Key key, const char *subKey, std::uint32_t,
                               std::uint32_t desiredAccess, Key *result)
{
    const std::optional<OpenKey> parent = resolve(key);
    if (!parent)
        return invalidHandle;
    if (!result)
        return invalidParameter;
    const KeyName name{parent->name.first, below(parent->name.second, subKey)};
    std::uint32_t granted = allAccess;
    if (!name.second.isEmpty()) {
        const auto node = m_keys.find(name);
        if (node == m_keys.end())
            return fileNotFound;
        granted = node->second.grantedAccess;
    }
    if (desiredAccess & ~granted)
        return accessDenied;
    *result = m_nextHandle++;
    m_open[*result] = {name, desiredAccess};
    return success;
}

Result MemoryRegistry::queryValue(Key key, const char *valueName, std::uint32_t *reserved,
                                  std::uint32_t *type, unsigned char *data, std::uint32_t *dataSize)
{
    const std::optional<OpenKey> opened = resolve(key);
    if (!opened)
        return invalidHandle;
    if (reserved || (data && !dataSize))
        return invalidParameter;
    if (!(opened->access & keyQueryValue))
        return accessDenied;
    const auto node = m_keys.find(opened->name);
    if (node == m_keys.end())
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

Result MemoryRegistry::closeKey(Key key)
{
    if (isRoot(key))
        return success;
    return m_open.erase(key) ? success : invalidHandle;
}

void MemoryRegistry::loadSystemEntries()
{
    m_keys.clear();
    m_open.clear();
    for (const char *tool : {"hardinfo", "kinfocenter"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty()) {
            setValue(localMachine, systemInfoKey, systemInfoValue, typeString,
                     path.toLocal8Bit() + '\0');
            return;
        }
    }
}

void MemoryRegistry::createKey(Key root, const QByteArray &path, std::uint32_t grantedAccess)
{
    const QByteArray lower = path.toLower();
    for (qsizetype end = lower.indexOf('\\'); end != -1; end = lower.indexOf('\\', end + 1))
        m_keys.try_emplace({root, lower.left(end)});
    m_keys[{root, lower}].grantedAccess = grantedAccess;
}

void MemoryRegistry::setValue(Key root, const QByteArray &path, const QByteArray &name,
                              std::uint32_t type, const QByteArray &data)
{
    const KeyName key{root, path.toLower()};
    if (!m_keys.count(key))
        createKey(root, path);
    m_keys[key].values[name.toLower()] = {type, data};
}

} // namespace platform::registry
