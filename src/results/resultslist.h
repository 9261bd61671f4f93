#pragma once

#include <QStringList>

#include <vector>

class QListWidget;

// What the export commands and Select All need of the results list. Each reads or
// sets the whole list in one pass: row by row, a full list of 32,767 entries
// takes a minute to select (every row adds a selection range of its own, none
// merged) and seconds to read the selection of.
namespace results {

QStringList listEntries(const QListWidget &list);
// The selection flag of every entry, in list order.
std::vector<bool> selectionFlags(const QListWidget &list);
void selectAllEntries(QListWidget &list);

} // namespace results
