#include "platform/processend.h"

#include <QCoreApplication>

namespace platform {

namespace {
std::function<void(int)> g_ender;

class EventSeal : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *) override { return true; }
};
} // namespace

void sealEvents(QObject &owner)
{
    qApp->installEventFilter(new EventSeal(&owner));
}

void endProcess(int status)
{
    if (g_ender) {
        g_ender(status);
        return;
    }
    QCoreApplication::exit(status);
}

void setProcessEnder(std::function<void(int status)> ender)
{
    g_ender = std::move(ender);
}

} // namespace platform
