#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes contents as the whole of the file at path, creating or replacing it.
// Either the new file is in place, complete, or nothing changed: the contents go
// to a temporary file beside the target, which replaces the target only once it
// is completely written and closed. Throws Failure with the system's reason when
// it fails.
void replaceFile(const QString &path, const QByteArray &contents);

} // namespace platform
