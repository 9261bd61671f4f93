#pragma once

// The main window, frmMain. Its form (frmmain.ui) holds every control and menu
// item under its own name; its handlers are spread over the subsystems they
// belong to:
//   app/frmmain.cpp             window set-up, load step, input-base modes, results
//                               described for screen readers, separators untitled
//   app/textfit.cpp             fonts fitted to the small controls' and the list's
//                               longest texts, binary digits drawn in groups
//   app/editcommands.cpp        Clear Input, Select All, the end of the program
//   translate/entryhandlers.cpp key filters and translations of the entry fields
//   results/resultslist.cpp     Add to Result, Clear Result
//   results/export.cpp          Save As, Print Result, Copy, Notepad
//   about/helpcommands.cpp      Help contents and the About dialog
// Pure logic (number texts, result blocks, file and print layout) sits beside the
// handlers in the same folders; platform/ stands in for operating-system services.

#include "platform/commonsave.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QCloseEvent;
class QLineEdit;

namespace Ui {
class frmMain;
}

class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(QWidget *parent = nullptr);
    ~FrmMain() override;

    // Fits the fonts of the entry fields, result labels and Calculate Binary to the
    // longest text each shows, in the first of families installed or, where none
    // is, what stands in.
    void fitFonts(const QStringList &families);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload(qint16 &Cancel);

    void UnCheckConverters();
    void mnuConverterDecimal_Click();
    void mnuConverterHex_Click();
    void mnuConverterBinary_Click();

    void mnuEditClear_Click();
    void mnuEditSelect_Click();
    void mnuFileExit_Click();
    void Endit();

    void txtDecimal_KeyPress(int &KeyAscii);
    void txtDecimal_Change();
    void txtHex_KeyPress(int &KeyAscii);
    void txtHex_Change();
    void txtBinary_KeyPress(int Index, int &KeyAscii);
    void txtBinary_Change(int Index);
    void cmdCalculate_Click();

    void mnuFileAdd_Click();
    void mnuFileClear_Click();

    void mnuFileSaveas_Click();
    void mnuFilePrint_Click();
    void mnuEditCopy_Click();
    void mnuEditNotepad_Click();
    void CopyMe();
    void TextFile();

    void mnHelpContents_Click();
    void mnuHelpAbout_Click();

    void connectHandlers();
    void describeResults();
    QList<QLineEdit *> entryFields() const;

    std::unique_ptr<Ui::frmMain> ui;
    // The five binary boxes as the control array the handlers index: box 0 is the
    // rightmost and holds the least significant group of four digits.
    std::array<QLineEdit *, 5> txtBinary{};
    // The save dialog's settings and last file name, kept for the whole run.
    platform::CommonSave CommonSave;
    // Set once the farewell is under way (Endit).
    bool m_ending = false;
};
