#pragma once

#include "platform/registry.h"

#include <QByteArray>

// The registry where the system has none: a tree of keys under each root, held in
// memory for the program's run and answering the calls of platform/registry.h.
// Key and value names compare without regard to case, as on Windows.
namespace platform::memoryregistry {

inline constexpr std::uint32_t allAccess = 0xF003F;

// Removes every key and closes every open key.
void clear();

// Creates path under root, and the keys above it, granting the rights grantedAccess
// to whoever opens path; a key that exists gets the new rights.
void createKey(registry::Key root, const QByteArray &path, std::uint32_t grantedAccess = allAccess);

// Stores a value, creating its key when needed.
void setValue(registry::Key root, const QByteArray &path, const QByteArray &name,
              std::uint32_t type, const QByteArray &data);

// How many keys are open now.
int openKeyCount();

} // namespace platform::memoryregistry
