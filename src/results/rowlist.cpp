#include "results/rowlist.h"

#include <QAccessible>
#include <QCursor>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

namespace results {

QModelIndex RowList::indexOfRow(int row) const
{
    return model()->index(row, modelColumn(), rootIndex());
}

QSize RowList::itemSize() const
{
    if (!m_item.isValid()) {
        // The last row is probably the widest; it stands for every row.
        const QModelIndex sample = indexOfRow(model()->rowCount(rootIndex()) - 1);
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QAbstractItemDelegate *delegate = itemDelegateForIndex(sample);
        m_item = delegate ? delegate->sizeHint(option, sample) : QSize();
    }
    return m_item;
}

void RowList::forgetLayout()
{
    m_laidOut = 0;
    m_item = QSize();
}

QModelIndexList RowList::intersecting(const QRect &area, bool layOut) const
{
    if (layOut)
        const_cast<RowList *>(this)->executeDelayedItemsLayout();
    QRect a = area.normalized();
    if (isRightToLeft())
        a.moveLeft(viewport()->width() - a.x() - a.width());
    QModelIndexList rows;
    if (m_laidOut == 0)
        return rows;
    const int height = itemSize().height();
    if (a.right() < 0 || m_laidOut * height < a.top())
        return rows;
    // Row r takes the slot from r * height to the next row's top.
    const int first = height > 0 ? qBound(0, a.top() / height, m_laidOut - 1) : m_laidOut - 1;
    for (int row = first; row < m_laidOut && row * height <= a.bottom(); ++row)
        rows.append(indexOfRow(row));
    return rows;
}

QRect RowList::rowRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model()) // the list's one column
        return {};
    const_cast<RowList *>(this)->executeDelayedItemsLayout();
    if (index.row() >= m_laidOut)
        return {};
    const QSize size = itemSize();
    return QRect(0, index.row() * size.height(), qMax(size.width(), viewport()->width()),
                 size.height());
}

int RowList::visualRow(const QModelIndex &index) const
{
    const_cast<RowList *>(this)->executeDelayedItemsLayout();
    return index.isValid() && index.row() < m_laidOut ? index.row() : -1;
}

QRect RowList::visualRect(const QModelIndex &index) const
{
    return rowRect(index).translated(-horizontalOffset(), -verticalOffset());
}

void RowList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.parent() != rootIndex() || index.column() != modelColumn())
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    // Scrolled by rows: the value is the top row.
    int value = qBound(0, verticalScrollBar()->value(), m_laidOut);
    if (hint == EnsureVisible && rect.top() < area.top())
        hint = PositionAtTop;
    else if (hint == EnsureVisible && rect.bottom() > area.bottom())
        hint = PositionAtBottom;
    if (hint != EnsureVisible) {
        // The rows that fit with this one at the bottom: those the viewport holds whole,
        // at least this one, at most the rows up to it.
        const int row = index.row();
        const int fitting = qBound(1, area.height() / rect.height(), row + 1);
        value = hint == PositionAtTop      ? row
                : hint == PositionAtBottom ? row - fitting + 1
                                           : row - fitting / 2;
    }
    verticalScrollBar()->setValue(value);
}

QModelIndex RowList::rowAt(const QPoint &point) const
{
    const QModelIndexList rows =
        intersecting(QRect(point.x() + horizontalOffset(), point.y() + verticalOffset(), 1, 1));
    return rows.isEmpty() ? QModelIndex() : rows.last();
}

QModelIndex RowList::indexAt(const QPoint &point) const
{
    const QModelIndex row = rowAt(point);
    return visualRect(row).contains(point) ? row : QModelIndex();
}

void RowList::doItemsLayout()
{
    // Showing the scroll bar resizes the view; the state keeps that from asking for
    // another layout.
    const State oldState = state();
    setState(ExpandingState);
    // The viewport at its right size first, as QListView does.
    setViewportMargins(viewportMargins());
    forgetLayout();
    if (model()->columnCount(rootIndex()) > 0)
        m_laidOut = model()->rowCount(rootIndex());
    QAbstractItemView::doItemsLayout();
    setState(oldState);
}

void RowList::reset()
{
    forgetLayout();
    QListWidget::reset();
}

void RowList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    forgetLayout();
    QListWidget::rowsInserted(parent, start, end);
}

void RowList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QListWidget::rowsAboutToBeRemoved(parent, start, end);
    forgetLayout();
}

void RowList::trackHover(const QPoint &position)
{
    if (viewport()->rect().contains(position))
        m_hover = indexAt(position);
}

void RowList::verticalScrollbarValueChanged(int value)
{
    QListWidget::verticalScrollbarValueChanged(value);
    trackHover(viewport()->mapFromGlobal(QCursor::pos()));
}

bool RowList::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverMove:
    case QEvent::HoverEnter:
        m_hover = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QModelIndex();
        break;
    default:
        break;
    }
    return QListWidget::viewportEvent(event);
}

void RowList::mouseMoveEvent(QMouseEvent *event)
{
    if (isVisible() && state() != ExpandingState && state() != CollapsingState &&
        state() != DraggingState)
        m_hover = indexAt(event->position().toPoint());
    QListWidget::mouseMoveEvent(event);
}

void RowList::scrollContentsBy(int dx, int dy)
{
    // QListView's part stops a pending auto scroll; its empty layout moves nothing.
    QListWidget::scrollContentsBy(dx, dy);
    if (m_laidOut == 0)
        return;
    // The scroll bar counts rows.
    const int current = qBound(0, verticalScrollBar()->value(), m_laidOut);
    const int previous = qBound(0, current + dy, m_laidOut);
    const int pixels = dy == 0 ? 0 : (previous - current) * itemSize().height();
    // The horizontal bar is off, so nothing scrolls across.
    scrollDirtyRegion(0, pixels);
    viewport()->scroll(0, pixels);
}

int RowList::verticalOffset() const
{
    const int value = verticalScrollBar()->value();
    if (m_laidOut == 0)
        return value;
    return value > m_laidOut ? 0 : value * itemSize().height();
}

void RowList::paintEvent(QPaintEvent *event)
{
    if (!itemDelegate())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());

    const QModelIndexList toBeRendered =
        intersecting(event->rect().translated(horizontalOffset(), verticalOffset()), false);
    const QModelIndex current = currentIndex();
    const QItemSelectionModel *selections = selectionModel();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const int maxWidth = viewport()->width();

    for (const QModelIndex &index : toBeRendered) {
        option.rect = visualRect(index);
        option.rect.setWidth(qMin(maxWidth, option.rect.width()));
        option.state = state;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
            option.state.setFlag(QStyle::State_Enabled, itemEnabled);
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal
                                                            : QPalette::Disabled);
        }
        option.state.setFlag(QStyle::State_HasFocus, focus && current == index);
        option.state.setFlag(QStyle::State_MouseOver, index == m_hover);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

QModelIndex RowList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    // Up and down go by row numbers alone, and so does the first move into the list.
    if (!current.isValid() || cursorAction == MoveUp || cursorAction == MovePrevious ||
        cursorAction == MoveDown || cursorAction == MoveNext)
        return QListWidget::moveCursor(cursorAction, modifiers);

    if (rowRect(current).isEmpty())
        return indexOfRow(0);
    switch (cursorAction) {
    case MoveLeft:
    case MoveRight:
        // One column: nothing beside a row.
        return current;
    case MovePageUp:
    case MovePageDown: {
        // A page is the rows the viewport holds whole, less the one that stays in view.
        const int height = itemSize().height();
        const int page = viewport()->height();
        const bool up = cursorAction == MovePageUp;
        if (height >= page)
            return moveCursor(up ? MoveUp : MoveDown, modifiers);
        const int step = page / height - 1;
        return indexOfRow(up ? qMax(0, current.row() - step)
                             : qMin(m_laidOut - 1, current.row() + step));
    }
    case MoveHome:
        return indexOfRow(0);
    case MoveEnd:
        return indexOfRow(m_laidOut - 1);
    default:
        return current;
    }
}

void RowList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const auto isEnabled = [this](const QModelIndex &index) {
        return (model()->flags(index) & Qt::ItemIsEnabled) != 0;
    };
    // The rows meeting an area of the contents: one run, so one range.
    const auto rowsIn = [this](const QRect &area) {
        QItemSelection selection;
        const QModelIndexList rows = intersecting(area);
        if (!rows.isEmpty())
            selection.select(rows.first(), rows.last());
        return selection;
    };

    QItemSelection selection;
    if (rect.width() == 1 && rect.height() == 1) {
        const QModelIndex pressed = rowAt(rect.topLeft());
        if (pressed.isValid() && isEnabled(pressed))
            selection.select(pressed, pressed);
    } else if (state() == DragSelectingState) {
        selection = rowsIn(rect.translated(horizontalOffset(), verticalOffset()));
    } else {
        const QModelIndex first = rowAt(rect.topLeft());
        const QModelIndex last = rowAt(rect.bottomRight());
        if (first.isValid() && last.isValid() && isEnabled(first) && isEnabled(last)) {
            QRect top = rowRect(first);
            QRect bottom = rowRect(last);
            if (top.bottom() < bottom.top())
                top.setBottom(bottom.top() - 1);
            else
                bottom.setBottom(top.top() - 1);
            selection.merge(rowsIn(top), QItemSelectionModel::Select);
            selection.merge(rowsIn(bottom), QItemSelectionModel::Select);
        }
    }
    selectionModel()->select(selection, command);
}

void RowList::updateGeometries()
{
    const int height = m_laidOut > 0 ? itemSize().height() : 0;
    if (geometry().isEmpty() || height <= 0) {
        verticalScrollBar()->setRange(0, 0);
    } else {
        // By whole rows: a page is as many rows as the viewport holds whole.
        const int viewportHeight = viewport()->height();
        const int pageRows =
            m_laidOut * height <= viewportHeight ? m_laidOut + 1 : viewportHeight / height;
        verticalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setPageStep(pageRows);
        verticalScrollBar()->setRange(0, m_laidOut - pageRows);
    }
    QAbstractItemView::updateGeometries();
    // Place the scroll bars and the viewport now rather than when the range change is
    // delivered; with the horizontal bar off, the contents are as wide as the viewport.
    setViewportMargins(viewportMargins());
    horizontalScrollBar()->setRange(0, 0);
}

QSize RowList::viewportSizeHint() const
{
    const int rows = model()->rowCount();
    if (rows == 0)
        return QListWidget::viewportSizeHint();
    QSize size = itemSize();
    size.setHeight(rows * size.height());
    return size;
}

void RowList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(visualRow(current));
        QAccessible::updateAccessibility(&event);
    }
}

void RowList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (QAccessible::isActive()) {
        const QModelIndex added = selected.indexes().value(0);
        if (added.isValid()) {
            QAccessibleEvent event(this, QAccessible::SelectionAdd);
            event.setChild(visualRow(added));
            QAccessible::updateAccessibility(&event);
        }
        const QModelIndex removed = deselected.indexes().value(0);
        if (removed.isValid()) {
            QAccessibleEvent event(this, QAccessible::SelectionRemove);
            event.setChild(visualRow(removed));
            QAccessible::updateAccessibility(&event);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

} // namespace results
