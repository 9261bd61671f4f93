// Add to Result and Clear Result, and the results list as the other commands see it.

#include "results/resultslist.h"

#include "platform/identity.h"
#include "platform/services.h"
#include "results/resultblock.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace results {

ResultsList::ResultsList(const ResultsControls &controls, platform::Services &services,
                         QWidget &window)
    : ui(controls), m_services(services), m_window(window), CommonSave(services.chooseSaveFile)
{}

QStringList listEntries(const QListWidget &list)
{
    QStringList entries;
    entries.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        entries.append(list.item(i)->text());
    return entries;
}

std::vector<bool> selectionFlags(const QListWidget &list)
{
    std::vector<bool> selected(size_t(list.count()), false);
    const QItemSelection selection = list.selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected[size_t(row)] = true;
    }
    return selected;
}

void selectAllEntries(QListWidget &list)
{
    if (list.count() == 0)
        return;
    const QAbstractItemModel *model = list.model();
    list.selectionModel()->select(
        QItemSelection(model->index(0, 0), model->index(list.count() - 1, 0)),
        QItemSelectionModel::Select);
}

// The list (a RowList) places its rows by arithmetic, so an Add costs the same at any
// length of the list.
void ResultsList::mnuFileAdd_Click()
{
    QStringList block;
    if (ui.mnuConverterDecimal->isChecked()) {
        block += resultBlock(QStringLiteral("Decimal"), ui.fields.txtDecimal->text(),
                             ui.fields.lblHex->text(), ui.fields.lblBinary->text());
    }
    if (ui.mnuConverterHex->isChecked()) {
        block += resultBlock(QStringLiteral("Hex"), ui.fields.lblDecimal->text(),
                             ui.fields.txtHex->text(), ui.fields.lblBinary->text());
    }
    if (ui.mnuConverterBinary->isChecked()) {
        // Box 0 first: the groups run least significant first, the reverse of the screen.
        QStringList boxes;
        for (const QLineEdit *box : ui.fields.txtBinary)
            boxes.append(box->text());
        block += resultBlock(QStringLiteral("Binary"), ui.fields.lblDecimal->text(),
                             ui.fields.lblHex->text(), boxes.join(u' '));
    }
    if (fitsInList(ui.lstResult->count(), block.size())) {
        ui.lstResult->addItems(block);
    } else {
        m_services.notifier.msgBox(
            QStringLiteral("The results list is full. Please save the results and "
                           "clear the list before adding more."),
            platform::MsgIcon::Information, identity::appTitle());
    }
    ui.mnuFilePrint->setEnabled(true);
    ui.mnuEditCopy->setEnabled(true);
    ui.mnuEditSelect->setEnabled(true);
}

void ResultsList::mnuFileClear_Click()
{
    ui.lstResult->clear();
    ui.mnuFilePrint->setEnabled(false);
    ui.mnuEditCopy->setEnabled(false);
    ui.mnuEditSelect->setEnabled(false);
}

} // namespace results
