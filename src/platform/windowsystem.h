#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QSize>

class QWidget;

// The window system the program's window lives on.
namespace platform {

// The Qt platform to ask for: "xcb" in a Wayland session that has an X server too,
// as there the window opens centred in the desktop's own frame, which a Wayland
// client can neither place nor ask for; empty where Qt's own choice stands, also where
// the user named a platform in the environment (QT_QPA_PLATFORM).
QByteArray preferredQtPlatform(const QProcessEnvironment &environment);

// Gives window a size the user cannot change.
void fixWindowSize(QWidget *window, QSize size);

} // namespace platform
