#pragma once

#include <QString>

class QRectF;
class QWidget;

// Fonts for the main window's small, fixed controls. Each control gets the largest
// size, at most 9 points, at which the longest text it can hold shows whole: count of
// the widest of its characters across the room Qt gives its text, the line as high
// as that room; a button's caption, its ink included, inside the bevel.
namespace app {

// A narrow face of a font package the program depends on. When fontconfig finds
// another in its place, the sizes are fitted to that one.
inline constexpr char textFamily[] = "Liberation Sans Narrow";

void fitText(QWidget *control, const QString &chars, int count, const QString &family);

// The room a control's text has: a line edit's contents less its text margins and
// the two pixels it keeps on each side, a button's contents inside its bevel, a
// label's contents rectangle.
QRectF textRoom(const QWidget *control);

} // namespace app
