#pragma once

#include <QString>
#include <QStringList>

namespace results {

// The results list's entry count is a 16-bit signed number.
inline constexpr int maxEntries = 32767;

// The five entries that describe one number: a header naming the input base
// ("Decimal", "Hex" or "Binary"), the decimal, hex and binary lines, each its
// value text exactly as shown after a prefix of its own width, and a separator.
QStringList resultBlock(const QString &inputBase, const QString &decimal, const QString &hex,
                        const QString &binary);

// Whether a list of count entries can take `adding` more.
bool fitsInList(qsizetype count, qsizetype adding);

} // namespace results
