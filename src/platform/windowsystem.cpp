#include "platform/windowsystem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace platform {

QByteArray preferredQtPlatform(const QProcessEnvironment &environment)
{
    const auto named = [&](const char *name) { return !environment.value(name).isEmpty(); };
    const bool wayland = named("WAYLAND_DISPLAY") ||
                         environment.value("XDG_SESSION_TYPE") == QLatin1String("wayland");
    return wayland && named("DISPLAY") && !named("QT_QPA_PLATFORM") ? "xcb" : "";
}

namespace {

// A compositor or window manager may maximize, full-screen or resize a window whatever
// its size hints say (weston does, its own windows and X11 ones alike), and a strict
// Wayland one ends the connection of a window that keeps a size of its own while it is
// maximized or full screen. So the window takes what it is given, asks at once to be a
// normal window again, and then takes its own size back.
class SizeKeeper : public QObject
{
public:
    SizeKeeper(QWidget *window, QSize size) : QObject(window), m_window(window), m_size(size)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const Qt::WindowStates sized = Qt::WindowMaximized | Qt::WindowFullScreen;
        const Qt::WindowStates states = m_window->windowState();
        if (event->type() == QEvent::WindowStateChange && (states & sized)) {
            QMetaObject::invokeMethod(
                this, [this, sized] { m_window->setWindowState(m_window->windowState() & ~sized); },
                Qt::QueuedConnection);
        } else if (event->type() == QEvent::Resize && !(states & sized) &&
                   m_window->size() != m_size) {
            QMetaObject::invokeMethod(
                this, [this] { m_window->resize(m_size); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *m_window;
    QSize m_size;
};

} // namespace

void fixWindowSize(QWidget *window, QSize size)
{
    // On Wayland without a maximum size, which Qt would hold the window to against
    // what is configured.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        window->setMinimumSize(size);
        window->resize(size);
    } else {
        window->setFixedSize(size);
    }
    new SizeKeeper(window, size);
}

} // namespace platform
