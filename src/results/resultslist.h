#pragma once

#include "platform/commonsave.h"
#include "platform/entrycontrols.h"

#include <QStringList>

#include <vector>

class QAction;
class QLineEdit;
class QListWidget;
class QWidget;

namespace platform {
struct Services;
}

// The results list and the commands that fill, clear and export it. The window calls
// each handler from its menu item.
namespace results {

// The controls the commands read and write, as the window's form holds them.
struct ResultsControls
{
    QListWidget *lstResult;
    // The list-dependent items, enabled by Add to Result and disabled by Clear Result.
    QAction *mnuFilePrint;
    QAction *mnuEditCopy;
    QAction *mnuEditSelect;
    // What Add to Result reads: the input base, its entry field and the result labels.
    QAction *mnuConverterDecimal;
    QAction *mnuConverterHex;
    QAction *mnuConverterBinary;
    platform::EntryControls fields;
    // The hidden field that Copy passes its text through.
    QLineEdit *txtTemp;
};

class ResultsList
{
public:
    // window: the save dialog's parent.
    ResultsList(const ResultsControls &controls, platform::Services &services, QWidget &window);

    void mnuFileAdd_Click();
    void mnuFileClear_Click();
    void mnuFileSaveas_Click();
    void mnuFilePrint_Click();
    void mnuEditCopy_Click();
    void mnuEditNotepad_Click();

private:
    void CopyMe();
    void TextFile();

    const ResultsControls ui;
    platform::Services &m_services;
    QWidget &m_window;
    // The save dialog's settings and last file name, kept for the whole run.
    platform::CommonSave CommonSave;
};

// What the export commands and Select All need of the list. Each reads or sets the
// whole list in one pass: row by row, a full list of 32,767 entries takes a minute to
// select (every row adds a selection range of its own, none merged) and seconds to
// read the selection of.
QStringList listEntries(const QListWidget &list);
// The selection flag of every entry, in list order.
std::vector<bool> selectionFlags(const QListWidget &list);
void selectAllEntries(QListWidget &list);

} // namespace results
