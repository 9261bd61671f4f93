#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Number texts of the three bases, free of widgets. Decimal texts are plain
// digits; hexadecimal texts made from a number are capitals without leading
// zeros; binary texts have four characters per hexadecimal digit, no separators.
namespace translate {

QString decimalText(quint32 value);
QString hexText(quint32 value);

// Four-character pattern of each hexadecimal digit of hexDigits, in order; a
// character that is no capital hexadecimal digit adds nothing.
QString binaryFromHex(QStringView hexDigits);

// The decimal field's text as a number: surrounding blanks trimmed, an optional
// sign, then digits, within the 32-bit signed range. A negative number comes out
// as its 32-bit two's complement. Anything else is unreadable: nullopt.
std::optional<quint32> readDecimal(QStringView text);

// The hexadecimal digits a text holds, read forgivingly for pasted text: "a"-"f"
// count as "A"-"F" and every other character is skipped.
QString hexDigitsOf(QStringView text);

// Value of capital hexadecimal digits (at most eight).
quint32 valueOfHexDigits(QStringView hexDigits);

// Value of one binary group of zero to four binary digits, a short group read with
// leading zeros; nullopt for a group that holds anything else.
std::optional<quint32> binaryGroupValue(QStringView group);

} // namespace translate
