#include "support/window.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

// The main window driven as its user drives it. Most cases are stories in the
// *.rows files beside the subsystems' sources (see scenario_data).
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    // Each line "name | keys => expected >> keys => expected ...": keys pressed from
    // the start of the program, then what the window shows (Window::keys and
    // Window::check); "$name = value" defines $name for the lines below it, and
    // \r, \n, \t and \xHH stand for those characters.
    void scenario_data()
    {
        QTest::addColumn<QString>("steps");
        static const QRegularExpression escape(R"(\\x([0-9a-f]{2}))");
        for (const QString &path : qEnvironmentVariable("VOXTREL_ROWS").split(u',')) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                qFatal("cannot read the rows file %s", qPrintable(path));
            QList<std::pair<QString, QString>> variables;
            while (!file.atEnd()) {
                QString line = QString::fromUtf8(file.readLine()).trimmed();
                for (const auto &[name, value] : std::as_const(variables))
                    line.replace(name, value);
                line.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
                for (const QRegularExpressionMatch &m : escape.globalMatch(QString(line)))
                    line.replace(m.captured(), QChar(m.captured(1).toUShort(nullptr, 16)));
                if (line.startsWith(u'$'))
                    variables.prepend({line.section(" = ", 0, 0), line.section(" = ", 1)});
                else if (!line.isEmpty() && !line.startsWith(u'#'))
                    QTest::newRow(qPrintable(line.section(" | ", 0, 0))) << line.section(" | ", 1);
            }
        }
    }

    void scenario()
    {
        QFETCH(QString, steps);
        Window window;
        window.run(steps);
    }

    // The program itself, ended as its user ends it: File > Exit from the keyboard
    // through the X server, the farewell box answered with Enter.
    void realProgramEndsOnFileExit()
    {
        QProcess voxtrel;
        voxtrel.start(VOXTREL_PROGRAM, {"-platform", "xcb"});
        QVERIFY(voxtrel.waitForStarted());
        // Each window waited for until it shows; the box proves the farewell was shown.
        const auto xdotool = [](const QStringList &arguments) {
            QProcess xdotool;
            xdotool.start("xdotool", arguments);
            return xdotool.waitForFinished(10000)
                       ? QString(xdotool.readAllStandardOutput()).trimmed()
                       : "";
        };
        const QStringList search =
            QStringLiteral("search --all --sync --onlyvisible --pid %1 --name")
                .arg(voxtrel.processId())
                .split(u' ');
        const QString window = xdotool(search + QStringList{"^Quindle$"});
        QVERIFY(!window.isEmpty());
        xdotool({"windowfocus", "--sync", window, "key", "--delay", "50", "alt+f", "x"});
        const QString box = xdotool(search + QStringList{"^voxtrel\\.org$"});
        QVERIFY(!box.isEmpty());
        xdotool({"windowfocus", "--sync", box, "key", "Return"});
        QVERIFY(voxtrel.waitForFinished(10000));
        QCOMPARE(voxtrel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(voxtrel.exitCode(), 0);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
