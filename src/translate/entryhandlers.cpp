// Key filters and translations of the three entry fields of the main window.
// None of them writes the text of an entry field, so no translation sets off
// another one.

#include "app/frmmain.h"
#include "app/identity.h"

#include "platform/messagebox.h"
#include "translate/numbertext.h"
#include "ui_frmmain.h"

using namespace translate;

namespace {

bool isDecimalDigitCode(int code)
{
    return code >= '0' && code <= '9';
}

} // namespace

void FrmMain::txtDecimal_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 8 || isDecimalDigitCode(KeyAscii))
        return;
    KeyAscii = 0;
    platform::beep();
}

void FrmMain::txtDecimal_Change()
{
    // Unreadable text, above all the empty field, leaves both labels showing the
    // last text that could be read.
    const std::optional<quint32> decvalue = readDecimal(ui->txtDecimal->text());
    if (!decvalue)
        return;
    const QString hexvalue = hexText(*decvalue);
    ui->lblHex->setText(hexvalue);
    ui->lblBinary->setText(binaryFromHex(hexvalue));
}

void FrmMain::txtHex_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 8 || isDecimalDigitCode(KeyAscii) || (KeyAscii >= 'A' && KeyAscii <= 'F'))
        return;
    KeyAscii = 0;
    platform::msgBox(QStringLiteral("Use only CAPITAL letters (A-F) for hex values!"),
                     platform::MsgIcon::Critical, identity::makerSiteName());
    platform::beep();
}

void FrmMain::txtHex_Change()
{
    // Typing lets only capital digits in; pasted text is read forgivingly, so that
    // both labels always show the same digits.
    const QString hexvalue = hexDigitsOf(ui->txtHex->text());
    ui->lblBinary->setText(binaryFromHex(hexvalue));
    // A field without digits leaves the decimal label as it was, like the empty field.
    if (!hexvalue.isEmpty())
        ui->lblDecimal->setText(decimalText(valueOfHexDigits(hexvalue)));
}

void FrmMain::txtBinary_KeyPress(int, int &KeyAscii)
{
    if (KeyAscii == 8 || KeyAscii == '0' || KeyAscii == '1')
        return;
    KeyAscii = 0;
    platform::beep();
}

void FrmMain::txtBinary_Change(int)
{
    // All four tests, always in this order, whichever box changed: the last box
    // that holds four characters decides where the focus ends.
    for (int i = 0; i < 4; ++i) {
        if (txtBinary[i]->text().size() == 4)
            txtBinary[i + 1]->setFocus();
    }
}

void FrmMain::cmdCalculate_Click()
{
    quint32 sum = 0;
    for (int k = 0; k < int(txtBinary.size()); ++k) {
        const std::optional<quint32> group = binaryGroupValue(txtBinary[k]->text());
        if (!group) {
            // Only pasting can put anything but binary digits into a box; such a
            // group is refused rather than guessed at.
            platform::beep();
            txtBinary[k]->setFocus();
            return;
        }
        sum += *group << (4 * k);
    }
    ui->lblDecimal->setText(decimalText(sum));
    const quint32 decvalue = ui->lblDecimal->text().toUInt();
    ui->lblHex->setText(hexText(decvalue));
    txtBinary[0]->setFocus();
}
