#include "platform/windowsystem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace platform {

QByteArray preferredQtPlatform(int argc, char *argv[], const QProcessEnvironment &environment)
{
    const auto named = [&](const char *name) { return !environment.value(name).isEmpty(); };
    const bool wayland = named("WAYLAND_DISPLAY") ||
                         environment.value("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!wayland || !named("DISPLAY") || named("QT_QPA_PLATFORM"))
        return {};
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return {};
    }
    return "xcb";
}

namespace {

// A Wayland compositor sets the window's size and state, whatever its size hints say,
// and a strict one ends the connection of a window that keeps a size of its own while
// it is maximized or full screen. So the window takes what is configured, asks at once
// to be a normal window again, and then takes its own size back.
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
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        window->setFixedSize(size);
        return;
    }
    // No maximum size: Qt would hold the window to it against what is configured.
    window->setMinimumSize(size);
    window->resize(size);
    new SizeKeeper(window, size);
}

} // namespace platform
