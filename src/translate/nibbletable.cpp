#include "translate/nibbletable.h"

#include <algorithm>

namespace translate {

const std::array<NibbleRow, 16> nibbleTable = {{
    {u"0000", 0, u'0'},
    {u"0001", 1, u'1'},
    {u"0010", 2, u'2'},
    {u"0011", 3, u'3'},
    {u"0100", 4, u'4'},
    {u"0101", 5, u'5'},
    {u"0110", 6, u'6'},
    {u"0111", 7, u'7'},
    {u"1000", 8, u'8'},
    {u"1001", 9, u'9'},
    {u"1010", 10, u'A'},
    {u"1011", 11, u'B'},
    {u"1100", 12, u'C'},
    {u"1101", 13, u'D'},
    {u"1110", 14, u'E'},
    {u"1111", 15, u'F'},
}};

const NibbleRow *rowForHexDigit(QChar digit)
{
    const auto row = std::find_if(nibbleTable.begin(), nibbleTable.end(),
                                  [digit](const NibbleRow &r) { return r.hexDigit == digit; });
    return row == nibbleTable.end() ? nullptr : &*row;
}

const NibbleRow *rowForPattern(QStringView pattern)
{
    const auto row = std::find_if(nibbleTable.begin(), nibbleTable.end(),
                                  [pattern](const NibbleRow &r) { return r.pattern == pattern; });
    return row == nibbleTable.end() ? nullptr : &*row;
}

} // namespace translate
