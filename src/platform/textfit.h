#pragma once

#include <QStringList>

class QAbstractItemView;
class QLabel;
class QRectF;
class QWidget;

// Fonts for the main window's small, fixed controls. Each control gets the largest
// size, at most 9 points, at which the longest text it can hold shows whole: count of
// the widest of its characters across the room Qt gives its text, the line as high
// as that room; a button's caption, its ink included, inside the bevel.
namespace platform {

// Narrow faces, the first that is installed taken. On Windows first those Windows
// brings: Bahnschrift's condensed widths (Windows 10 and 11) and Arial Narrow (with
// Office). Then Liberation's (the Debian package depends on it; Debian 13 ships it
// apart from the other Liberation faces), the URW base fonts', and DejaVu's condensed
// one. Where none is, the sizes are fitted to whatever face the system puts in their
// place.
inline const QStringList textFamilies = {
#ifdef Q_OS_WIN
    QStringLiteral("Bahnschrift SemiCondensed"),
    QStringLiteral("Bahnschrift Condensed"),
    QStringLiteral("Arial Narrow"),
#endif
    QStringLiteral("Liberation Sans Narrow"),
    QStringLiteral("Nimbus Sans Narrow"),
    QStringLiteral("DejaVu Sans Condensed")};

// besides: room the control keeps for more than the characters (gaps between groups).
void fitText(QWidget *control, const QString &chars, int count, const QStringList &families,
             qreal besides = 0);
// A list's font, fitted so that each of lines shows whole across its viewport, and
// fitted again when the list's frame changes.
void fitLines(QAbstractItemView *list, const QStringList &lines, const QStringList &families);

// Draws a label's binary digits in groups of four, counted from the right, groupGap
// pixels apart: the narrow face's "1" has a foot, and a row of them reads as one bar.
// The label's text stays the digits alone, as a screen reader reads them.
inline constexpr int groupGap = 3;
void groupDigits(QLabel *label);

// The room a control's text has: a line edit's contents less its text margins and
// the two pixels it keeps on each side, a button's contents inside its bevel, a list's
// viewport beside a vertical scroll bar less an item's margins, a label's contents.
QRectF textRoom(const QWidget *control);

} // namespace platform
