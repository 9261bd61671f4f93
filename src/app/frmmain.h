#pragma once

// The main window, frmMain: its form (frmmain.ui) holds every control and menu item
// under its own name. The window keeps its own Parts here (layout, input-base modes,
// Edit commands, the end) and wires the rest: each menu item and entry-field event
// calls a handler of the subsystem it belongs to, made with the controls it works on.
// src/README.md maps the layers.

#include "about/helpmenu.h"
#include "results/resultslist.h"
#include "translate/entryfields.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QCloseEvent;
class QLineEdit;

namespace Ui {
class frmMain;
}

namespace platform {
struct Services;
}

class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(platform::Services &services, QWidget *parent = nullptr);
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

    void connectHandlers();
    void describeResults();
    platform::EntryControls entryControls() const;
    QList<QLineEdit *> entryFields() const;

    std::unique_ptr<Ui::frmMain> ui;
    // The five binary boxes as the control array the handlers index: box 0 is the
    // rightmost and holds the least significant group of four digits.
    std::array<QLineEdit *, 5> txtBinary{};
    platform::Services &m_services;
    translate::EntryFields m_entry;
    results::ResultsList m_results;
    about::HelpMenu m_help;
    // Set once the farewell is under way (Endit).
    bool m_ending = false;
};
