// Fuzz targets, one for each input the outside world controls; FUZZ_INPUT names the
// one this executable takes. A result other than the reference ends the process as a
// crash would, so that libFuzzer keeps the input.

#include "support/window.h"

#include "about/frmabout.h"
#include "platform/failure.h"
#include "platform/memoryregistry.h"

#include <QtWidgets>

namespace {

// The text of an entry field, pasted as its user pastes it: the first byte picks the
// mode, the rest is read as UTF-8, in binary split at line breaks into one piece a
// box. The labels must show the reference translation.
[[maybe_unused]] int entryInput(const uint8_t *data, size_t size)
{
    static Window window;
    if (size == 0)
        return 0;
    const QString mode = QStringList{"^D", "^H", "^B"}[data[0] % 3];
    window.keys((mode == u"^D" ? "^H " : "^D ") + mode); // empties every field and label
    const QString before = window.show("labels");
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, size - 1);
    const QStringList pieces = mode == u"^B" ? text.split(u'\n') : QStringList{text};
    for (int i = 0; i < qMin(pieces.size(), 5); ++i) {
        auto *field =
            window.frm.findChild<QLineEdit *>(mode == u"^D"   ? "txtDecimal"
                                              : mode == u"^H" ? "txtHex"
                                                              : "txtBinary_" + QString::number(i));
        QGuiApplication::clipboard()->setText(pieces[i]);
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    }
    window.keys("{calc}");
    if (window.show("labels") != window.reference(before))
        qFatal("labels %s, not %s, for %s", qPrintable(window.show("labels")),
               qPrintable(window.reference(before)), qPrintable(window.show("entries")));
    return 0;
}

// A registry value of any type (the first byte) and data (the rest), read as System
// Info reads it, into 1,024 bytes: found as text or as a number, or not, and no key
// left open. A value or key that is not there is not found, and leaves no text.
[[maybe_unused]] int registryInput(const uint8_t *data, size_t size)
{
    using namespace platform;
    if (size == 0)
        return 0;
    const QByteArray value(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    registry::MemoryRegistry memory;
    memory.setValue(registry::localMachine, "SOFTWARE\\Fuzz", "Tool", data[0], value);
    const auto read = [&memory](const QString &key, const QString &name) {
        QString found = "before";
        try {
            if (!about::GetKeyValue(memory, registry::localMachine, key, name, found))
                found.prepend(u'!');
        } catch (const Failure &) {
            found = "throws";
        }
        return found + u'|';
    };
    const QString found = read("SOFTWARE\\Fuzz", "Tool") + read("SOFTWARE\\Fuzz", "Other") +
                          read("SOFTWARE\\None", "Tool");
    // Without one terminating zero: a string's text, or a number's bytes, most
    // significant first.
    const QByteArray bytes = value.endsWith('\0') ? value.chopped(1) : value;
    QString number = "&h";
    for (auto byte = bytes.crbegin(); byte != bytes.crend(); ++byte)
        number += QString::asprintf("%02X", uchar(*byte));
    const QString expected = value.isEmpty()       ? "throws"
                             : value.size() > 1024 ? "!"
                             : data[0] == 1        ? QString::fromLocal8Bit(bytes)
                             : data[0] == 4        ? number
                                                   : "before";
    if (found != expected + "|!|!|" || memory.openKeyCount() != 0)
        qFatal("found \"%s\", not \"%s|!|!|\"; %d keys open", qPrintable(found),
               qPrintable(expected), memory.openKeyCount());
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    static int argc = 1; // libFuzzer's options are not Qt's
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FUZZ_INPUT(data, size);
}

#ifdef FUZZ_REPLAY
// Built without libFuzzer: runs each file of the corpus folders given once, as libFuzzer
// does with -runs=0, so that every build replays the corpus; libFuzzer's options are
// passed over. A folder that is missing or empty is a failure, not a pass.
int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList folders;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-')
            folders << QString::fromLocal8Bit(argv[i]);
    if (folders.isEmpty())
        qFatal("no corpus folder given");
    for (const QString &folder : std::as_const(folders)) {
        const QFileInfoList inputs = QDir(folder).entryInfoList(QDir::Files);
        if (inputs.isEmpty())
            qFatal("no inputs in %s (missing or empty)", qPrintable(folder));
        for (const QFileInfo &input : inputs) {
            QFile file(input.filePath());
            const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()),
                                   size_t(data.size()));
        }
    }
}
#endif
