#pragma once

#include <QChar>
#include <QStringView>

#include <array>

// The sixteen four-bit patterns, in value order, with their value and hexadecimal
// digit. Every lookup compares whole texts exactly and case-sensitively; a miss
// returns nullptr and each caller decides what a miss means.
namespace translate {

struct NibbleRow
{
    QStringView pattern;
    int value;
    QChar hexDigit;
};

extern const std::array<NibbleRow, 16> nibbleTable;

const NibbleRow *rowForHexDigit(QChar digit);
const NibbleRow *rowForPattern(QStringView pattern);

} // namespace translate
