#include "platform/textfit.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <functional>

namespace platform {

namespace {

// Sets the largest size, at most 9 points, of the first of families installed at which
// the text that size measures fits the control's text room; false when not even the
// smallest, 4.5 points, fits (and then that is set).
bool fit(QWidget *control, const QStringList &families,
         const std::function<QSizeF(const QFont &)> &size)
{
    const QRectF room = textRoom(control);
    QFont font = control->font();
    font.setFamilies(families);
    bool fits = false;
    for (qreal points = 9; points > 4 && !fits; points -= 0.5) {
        font.setPointSizeF(points);
        const QSizeF text = size(font);
        fits = text.width() <= room.width() && text.height() <= room.height();
    }
    control->setFont(font);
    return fits;
}

class DigitGroups : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *label = static_cast<QLabel *>(watched);
        QPainter painter(label);
        const QString text = label->text();
        QRectF room = label->contentsRect();
        for (qsizetype start = 0, length = text.size() % 4 ? text.size() % 4 : 4;
             start < text.size(); start += length, length = 4) {
            const QString group = text.mid(start, length);
            painter.drawText(room, Qt::AlignLeft | (label->alignment() & Qt::AlignVertical_Mask),
                             group);
            room.setLeft(room.left() + painter.fontMetrics().horizontalAdvance(group) + groupGap);
        }
        return true;
    }
};

// Calls again whenever the watched control's contents rectangle changes.
class Refit : public QObject
{
public:
    Refit(QWidget *control, std::function<void()> again)
        : QObject(control), m_again(std::move(again))
    {
        setObjectName(QStringLiteral("refit"));
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ContentsRectChange)
            m_again();
        return false;
    }

private:
    const std::function<void()> m_again;
};

} // namespace

QRectF textRoom(const QWidget *control)
{
    QStyle *style = control->style();
    if (const auto *field = qobject_cast<const QLineEdit *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, field);
        return QRectF(contents.marginsRemoved(field->textMargins())).adjusted(2, 0, -2, 0);
    }
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (const auto *list = qobject_cast<const QAbstractItemView *>(control)) {
        // The vertical scroll bar counted in, as the list soon has one.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        const int bar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        return QRectF(list->contentsRect()).adjusted(margin, 0, -margin - bar, 0);
    }
    return control->contentsRect();
}

void fitText(QWidget *control, const QString &chars, int count, const QStringList &families,
             qreal besides)
{
    auto *button = qobject_cast<QPushButton *>(control);
    const auto size = [&](const QFont &font) {
        const QFontMetricsF metrics(font, control);
        if (button)
            return metrics.tightBoundingRect(button->text()).size();
        qreal widest = 0;
        for (QChar ch : chars)
            widest = qMax(widest, metrics.horizontalAdvance(ch));
        return QSizeF(widest * count + besides, metrics.height());
    };
    if (!fit(control, families, size) && button) {
        // Windows' theme keeps margins inside a button's frame that leave a button as low
        // as Calculate Binary (13 px) 5 px for its caption: the caption then takes all
        // the room inside the frame, the frame still drawn by the style.
        QStyleOptionButton option;
        option.initFrom(button);
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        button->setStyleSheet(QStringLiteral("QPushButton { padding: %1px }").arg(frame));
        fit(control, families, size);
    }
}

void fitLines(QAbstractItemView *list, const QStringList &lines, const QStringList &families)
{
    const auto fitNow = [=] {
        fit(list, families, [&](const QFont &font) {
            const QFontMetricsF metrics(font, list);
            qreal widest = 0;
            for (const QString &line : lines)
                widest = qMax(widest, metrics.horizontalAdvance(line));
            return QSizeF(widest, metrics.height());
        });
    };
    fitNow();
    // A style may give the list another frame once it polishes the list (Windows' does, as
    // the window is first shown): the lines are fitted again to the room left.
    delete list->findChild<QObject *>(QStringLiteral("refit"), Qt::FindDirectChildrenOnly);
    new Refit(list, fitNow);
}

void groupDigits(QLabel *label)
{
    label->installEventFilter(new DigitGroups(label));
}

} // namespace platform
