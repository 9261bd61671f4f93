#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>

namespace results {

// The results list: a QListWidget whose rows are found by arithmetic. QListView keeps
// the position of every row and, on each insertion, drops them all and measures the
// whole list again, so every Add to Result would cost more the longer the list is.
// Here the layout is the size of one row and the number of rows laid out, and where a
// row is (for painting, hit testing, keys, mouse selection and scrolling) is worked out
// as QListView works it out for the arrangement the form gives the list: list mode, top
// to bottom without wrapping, no spacing, grid or hidden rows, every row as large as the
// last (uniformItemSizes), scrolling by whole rows, the horizontal scroll bar off, rows
// neither editable nor in alternating colours.
// QListView's own layout stays empty, so QListWidget::scrollToItem, which calls
// QListView's scrollTo directly, does nothing here: scroll with scrollTo. The class adds
// no meta-object, so the list is a QListWidget to styles, accessibility and findChild alike.
class RowList : public QListWidget
{
public:
    using QListWidget::QListWidget;

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void doItemsLayout() override;
    void reset() override;

protected:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void verticalScrollbarValueChanged(int value) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    void updateGeometries() override;
    QSize viewportSizeHint() const override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    // The rows whose slots meet area (contents coordinates), top first, as QListView's
    // intersectingSet finds them; layOut first runs a pending layout.
    QModelIndexList intersecting(const QRect &area, bool layOut = true) const;
    QModelIndex indexOfRow(int row) const;
    // The row whose slot holds point (viewport coordinates), however wide the row.
    QModelIndex rowAt(const QPoint &point) const;
    // The rectangle of index in contents coordinates (rows are never mirrored), or an
    // invalid one when it has none.
    QRect rowRect(const QModelIndex &index) const;
    // The row as accessibility counts it, -1 when it is not laid out.
    int visualRow(const QModelIndex &index) const;
    QSize itemSize() const;
    void forgetLayout();
    void trackHover(const QPoint &position);

    // How many rows the last layout placed; 0 before it and after a change of rows.
    int m_laidOut = 0;
    // Every row's size, measured from the last row when first needed.
    mutable QSize m_item;
    // The row under the mouse, as the base class tracks it for its repaints.
    QPersistentModelIndex m_hover;
};

} // namespace results
