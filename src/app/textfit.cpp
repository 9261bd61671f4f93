#include "app/textfit.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace app {

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
    return control->contentsRect();
}

void fitText(QWidget *control, const QString &chars, int count, const QStringList &families)
{
    const QRectF room = textRoom(control);
    const auto *button = qobject_cast<const QPushButton *>(control);
    QFont font = control->font();
    font.setFamilies(families);
    for (qreal points = 9; points > 4; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font, control);
        qreal widest = 0;
        for (QChar ch : chars)
            widest = qMax(widest, metrics.horizontalAdvance(ch));
        const QSizeF text = button ? metrics.tightBoundingRect(button->text()).size()
                                   : QSizeF(widest * count, metrics.height());
        if (text.width() <= room.width() && text.height() <= room.height())
            break;
    }
    control->setFont(font);
}

} // namespace app
