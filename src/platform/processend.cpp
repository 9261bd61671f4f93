#include "platform/processend.h"

#include <QCoreApplication>

namespace platform {

namespace {
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
    QCoreApplication::exit(status);
}

} // namespace platform
