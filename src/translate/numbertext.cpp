#include "translate/numbertext.h"

#include "translate/nibbletable.h"

#include <limits>

namespace translate {

QString decimalText(quint32 value)
{
    return QString::number(value);
}

QString hexText(quint32 value)
{
    return QString::number(value, 16).toUpper();
}

QString binaryFromHex(QStringView hexDigits)
{
    QString binary;
    binary.reserve(hexDigits.size() * 4);
    for (QChar ch : hexDigits) {
        if (const NibbleRow *row = rowForHexDigit(ch))
            binary += row->pattern;
    }
    return binary;
}

std::optional<quint32> readDecimal(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    qint64 magnitude = 0;
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (ch.unicode() - u'0');
        if (magnitude > qint64(1) << 31)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return quint32(qint32(value));
}

QString hexDigitsOf(QStringView text)
{
    QString digits;
    for (QChar ch : text) {
        if (ch >= u'a' && ch <= u'f')
            ch = ch.toUpper();
        if (rowForHexDigit(ch))
            digits += ch;
    }
    return digits;
}

quint32 valueOfHexDigits(QStringView hexDigits)
{
    quint32 value = 0;
    for (QChar ch : hexDigits) {
        if (const NibbleRow *row = rowForHexDigit(ch))
            value = value * 16 + quint32(row->value);
    }
    return value;
}

std::optional<quint32> binaryGroupValue(QStringView group)
{
    if (group.isEmpty())
        return 0;
    if (group.size() > 4)
        return std::nullopt;
    QString padded(4 - group.size(), u'0');
    padded += group;
    if (const NibbleRow *row = rowForPattern(padded))
        return quint32(row->value);
    return std::nullopt;
}

} // namespace translate
