#include "platform/replacefile.h"

#include "platform/failure.h"

#include <QSaveFile>

namespace platform {

namespace {

// The system names a reason only for a write that writes nothing; a write cut
// short (a full disk, a file-size limit) is therefore carried on until it either
// completes or fails outright with a reason.
bool writeAll(QSaveFile &file, const QByteArray &contents)
{
    for (qint64 done = 0; done < contents.size();) {
        const qint64 written = file.write(contents.constData() + done, contents.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    // commit() renames the temporary file into place even when its buffered data
    // could not be written, leaving a truncated or empty file: the buffer is
    // emptied here, where a failure can still cancel the save.
    for (qint64 pending = file.bytesToWrite(); !file.flush();) {
        if (file.bytesToWrite() >= pending)
            return false;
        pending = file.bytesToWrite();
    }
    return true;
}

} // namespace

void replaceFile(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    // Leaving without a commit discards the temporary file; the target has not
    // been touched.
    if (!file.open(QIODevice::WriteOnly) || !writeAll(file, contents) || !file.commit())
        throw Failure(file.errorString());
}

} // namespace platform
