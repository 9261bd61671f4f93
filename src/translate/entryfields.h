#pragma once

#include "platform/entrycontrols.h"

namespace platform {
class Notifier;
}

// Key filters and translations of the three entry fields of the main window. None of
// them writes the text of an entry field, so no translation sets off another one. The
// window calls each handler from its control's event.
namespace translate {

class EntryFields
{
public:
    EntryFields(const platform::EntryControls &controls, platform::Notifier &notifier)
        : ui(controls), m_notifier(notifier)
    {}

    void txtDecimal_KeyPress(int &KeyAscii);
    void txtDecimal_Change();
    void txtHex_KeyPress(int &KeyAscii);
    void txtHex_Change();
    void txtBinary_KeyPress(int Index, int &KeyAscii);
    void txtBinary_Change(int Index);
    void cmdCalculate_Click();

private:
    const platform::EntryControls ui;
    platform::Notifier &m_notifier;
};

} // namespace translate
