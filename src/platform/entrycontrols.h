#pragma once

#include <array>

class QLabel;
class QLineEdit;

namespace platform {

// The main window's entry fields and result labels, as its form holds them: what the
// translations read and write, and what Add to Result reads. Box 0 of txtBinary is the
// rightmost and holds the least significant group of four digits.
struct EntryControls
{
    QLineEdit *txtDecimal;
    QLineEdit *txtHex;
    std::array<QLineEdit *, 5> txtBinary;
    QLabel *lblDecimal;
    QLabel *lblHex;
    QLabel *lblBinary;
};

} // namespace platform
