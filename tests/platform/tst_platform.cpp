#include "platform/windowsystem.h"

#include <QTest>

// The Qt platform the program asks for, from the session's environment.
class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void preferredPlatform_data()
    {
        QTest::addColumn<QStringList>("environment"); // NAME=value
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("X11 session") << QStringList{"DISPLAY=:0"} << QByteArray();
        QTest::newRow("Wayland, no X server")
            << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QByteArray();
        QTest::newRow("Wayland with an X server")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"} << QByteArray("xcb");
        QTest::newRow("Wayland session type with an X server")
            << QStringList{"XDG_SESSION_TYPE=wayland", "DISPLAY=:0"} << QByteArray("xcb");
        QTest::newRow("X11 session type")
            << QStringList{"XDG_SESSION_TYPE=x11", "DISPLAY=:0"} << QByteArray();
        QTest::newRow("empty names count as none")
            << QStringList{"WAYLAND_DISPLAY=", "DISPLAY=:0"} << QByteArray();
        QTest::newRow("the user's own platform")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"}
            << QByteArray();
    }
    void preferredPlatform()
    {
        QFETCH(QStringList, environment);
        QFETCH(QByteArray, platform);
        QProcessEnvironment session;
        for (const QString &variable : environment)
            session.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QCOMPARE(platform::preferredQtPlatform(session), platform);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
