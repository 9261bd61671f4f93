#include "results/exporttexts.h"

#include "platform/identity.h"
#include "platform/printer.h"

namespace results {

QByteArray savedFileBytes(const QStringList &entries)
{
    QStringList records;
    records.reserve(entries.size() + 2);
    records << QStringLiteral("Thank you for using Voxtrel") << entries
            << QStringLiteral("Please visit ") + identity::makerWebAddress();
    QString text;
    for (const QString &record : std::as_const(records))
        text += u'"' + record + u'"' + QStringLiteral("\r\n");
    return text.toLocal8Bit();
}

QString clipboardText(const QStringList &entries, const std::vector<bool> &selected)
{
    QString text;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (selected[size_t(i)])
            text += QStringLiteral("\r\n") + entries[i];
    }
    return text;
}

void printResults(platform::LinePrinter &printer, const QStringList &entries)
{
    printer.setFontSize(6);
    printer.printLine(80, identity::makerWebAddress());
    printer.setFontSize(10);
    printer.printLine(1, QString());
    for (const QString &entry : entries)
        printer.printLine(10, entry);
    printer.endDoc();
}

} // namespace results
