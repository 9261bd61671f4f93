#include "translate/entryfields.h"

#include "platform/identity.h"
#include "platform/messagebox.h"
#include "translate/numbertext.h"

#include <QLabel>
#include <QLineEdit>

namespace translate {

namespace {

bool isDecimalDigitCode(int code)
{
    return code >= '0' && code <= '9';
}

} // namespace

void EntryFields::txtDecimal_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 8 || isDecimalDigitCode(KeyAscii))
        return;
    KeyAscii = 0;
    m_notifier.beep();
}

void EntryFields::txtDecimal_Change()
{
    // Unreadable text, above all the empty field, leaves both labels showing the
    // last text that could be read.
    const std::optional<quint32> decvalue = readDecimal(ui.txtDecimal->text());
    if (!decvalue)
        return;
    const QString hexvalue = hexText(*decvalue);
    ui.lblHex->setText(hexvalue);
    ui.lblBinary->setText(binaryFromHex(hexvalue));
}

void EntryFields::txtHex_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 8 || isDecimalDigitCode(KeyAscii) || (KeyAscii >= 'A' && KeyAscii <= 'F'))
        return;
    KeyAscii = 0;
    m_notifier.msgBox(QStringLiteral("Use only CAPITAL letters (A-F) for hex values!"),
                      platform::MsgIcon::Critical, identity::makerSiteName());
    m_notifier.beep();
}

void EntryFields::txtHex_Change()
{
    // Typing lets only capital digits in; pasted text is read forgivingly, so that
    // both labels always show the same digits.
    const QString hexvalue = hexDigitsOf(ui.txtHex->text());
    ui.lblBinary->setText(binaryFromHex(hexvalue));
    // A field without digits leaves the decimal label as it was, like the empty field.
    if (!hexvalue.isEmpty())
        ui.lblDecimal->setText(decimalText(valueOfHexDigits(hexvalue)));
}

void EntryFields::txtBinary_KeyPress(int, int &KeyAscii)
{
    if (KeyAscii == 8 || KeyAscii == '0' || KeyAscii == '1')
        return;
    KeyAscii = 0;
    m_notifier.beep();
}

void EntryFields::txtBinary_Change(int)
{
    // All four tests, always in this order, whichever box changed: the last box
    // that holds four characters decides where the focus ends.
    for (int i = 0; i < 4; ++i) {
        if (ui.txtBinary[i]->text().size() == 4)
            ui.txtBinary[i + 1]->setFocus();
    }
}

void EntryFields::cmdCalculate_Click()
{
    quint32 sum = 0;
    for (int k = 0; k < int(ui.txtBinary.size()); ++k) {
        const std::optional<quint32> group = binaryGroupValue(ui.txtBinary[k]->text());
        if (!group) {
            // Only pasting can put anything but binary digits into a box; such a
            // group is refused rather than guessed at.
            m_notifier.beep();
            ui.txtBinary[k]->setFocus();
            return;
        }
        sum += *group << (4 * k);
    }
    ui.lblDecimal->setText(decimalText(sum));
    const quint32 decvalue = ui.lblDecimal->text().toUInt();
    ui.lblHex->setText(hexText(decvalue));
    ui.txtBinary[0]->setFocus();
}

} // namespace translate
