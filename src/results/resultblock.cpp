#include "results/resultblock.h"

namespace results {

QStringList resultBlock(const QString &inputBase, const QString &decimal, const QString &hex,
                        const QString &binary)
{
    // The prefixes differ in width (10, 13 and 12 characters), so the values do not
    // start in one column; their trailing spaces are part of the entries.
    return {QStringLiteral("The result from %1 is:").arg(inputBase),
            QStringLiteral("Decimal   ") + decimal, QStringLiteral("Hex          ") + hex,
            QStringLiteral("Binary      ") + binary, QString(80, u'-')};
}

bool fitsInList(qsizetype count, qsizetype adding)
{
    return count + adding <= maxEntries;
}

} // namespace results
