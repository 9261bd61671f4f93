#pragma once

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

// The event semantics the entry-field handlers are written against, put on top of
// QLineEdit once for every field:
// - a key-press handler sees the character code of every key that types a
//   character, before the character reaches the field, and discards it by setting
//   the code to 0 (the field then sees no key and raises no change);
// - change handlers are plain textChanged connections: Qt emits it synchronously
//   whenever the text really changes, also inside a handler that sets it;
// - a shortcut of an enabled menu item wins over the focused control.

// Code of the character a key press types: printable characters as themselves,
// Backspace 8, Enter 13, Escape 27, Ctrl+letter 1 to 26; 0 for keys that type no
// character (arrows, Delete, Tab, function keys, Alt combinations, lone modifiers).
int characterCode(const QKeyEvent &event);

using KeyPressHandler = std::function<void(int &keyAscii)>;

// Calls handler for every key that types a character into field.
void onKeyPress(QLineEdit *field, KeyPressHandler handler);

// Makes every focusable control of window leave the keys of enabled menu items to
// the menu. A QLineEdit otherwise keeps Ctrl+A and Ctrl+C (and under X11 Ctrl+D)
// for itself; while an item is disabled its key reaches the control as usual.
void giveMenuShortcutsPrecedence(QWidget *window);
