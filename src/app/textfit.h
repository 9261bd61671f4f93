#pragma once

#include <QStringList>

class QRectF;
class QWidget;

// Fonts for the main window's small, fixed controls. Each control gets the largest
// size, at most 9 points, at which the longest text it can hold shows whole: count of
// the widest of its characters across the room Qt gives its text, the line as high
// as that room; a button's caption, its ink included, inside the bevel.
namespace app {

// Narrow faces, the first that is installed taken: Liberation's (the package depends
// on it; Debian 13 ships it apart from the other Liberation faces), the URW base
// fonts', and DejaVu's condensed one. Where none is, the sizes are fitted to whatever
// fontconfig puts in their place.
inline const QStringList textFamilies = {QStringLiteral("Liberation Sans Narrow"),
                                         QStringLiteral("Nimbus Sans Narrow"),
                                         QStringLiteral("DejaVu Sans Condensed")};

void fitText(QWidget *control, const QString &chars, int count, const QStringList &families);

// The room a control's text has: a line edit's contents less its text margins and
// the two pixels it keeps on each side, a button's contents inside its bevel, a
// label's contents rectangle.
QRectF textRoom(const QWidget *control);

} // namespace app
