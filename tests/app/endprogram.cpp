// The program as it runs, ended by its user: File > Exit, or closing the window
// (argument "exit" or "close"), the farewell box answered with Enter. It reports
// on standard output every close event of the window, the box, and any event,
// timer or return from the event loop that comes after the farewell: a real end
// leaves only the box (and, when closed, the one close event).

#include "app/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void report(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

const QEvent::Type lateEvent = QEvent::User;

class Watch : public QObject
{
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Close && object->objectName() == u"frmMain")
            report(QStringLiteral("close event"));
        if (event->type() == lateEvent)
            report(QStringLiteral("event after the farewell"));
        // Once the box is gone nothing may happen before the end.
        if (event->type() == QEvent::Hide && qobject_cast<QMessageBox *>(object)) {
            QCoreApplication::postEvent(qApp, new QEvent(lateEvent));
            QTimer::singleShot(0, qApp, [] { report(QStringLiteral("timer after the farewell")); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString how = QApplication::arguments().value(1);
    Watch watch;
    app.installEventFilter(&watch);
    FrmMain frmMain;
    frmMain.show();

    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answer.stop();
        report(QStringLiteral("box %1: %2").arg(box->windowTitle(), box->text()));
        QTest::keyClick(box, Qt::Key_Return);
    });
    answer.start(10);
    QTimer::singleShot(0, &frmMain, [&frmMain, how] {
        if (how == u"exit")
            frmMain.findChild<QAction *>(QStringLiteral("mnuFileExit"))->trigger();
        else
            frmMain.close();
    });
    const int status = QApplication::exec();
    report(QStringLiteral("event loop returned %1").arg(status));
    return status;
}
