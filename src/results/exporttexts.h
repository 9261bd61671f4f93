#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace platform {
class LinePrinter;
}

// The forms in which the results list leaves the program.
namespace results {

// The saved file: the greeting, every entry, the maker's address, each record in
// double quotes (not escaped) and followed by CR LF, in the system's 8-bit
// encoding.
QByteArray savedFileBytes(const QStringList &entries);

// The clipboard text: CR LF before each selected entry, in list order.
QString clipboardText(const QStringList &entries, const std::vector<bool> &selected);

// The printout: the maker's address small at column 80, an empty line, then every
// entry at column 10, and the end of the document. Throws the printer's Failure.
void printResults(platform::LinePrinter &printer, const QStringList &entries);

} // namespace results
