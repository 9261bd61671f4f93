#include "about/frmabout.h"
#include "platform/memoryregistry.h"
#include "support/testsupport.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace reg = platform::registry;

// A folder of stand-in system-information tools on PATH: each one, when started,
// writes the path it was started by into a marker file. PATH holds nothing else
// while it lives, so the system's own tools stay out of sight.
class StandInTools
{
public:
    explicit StandInTools(const QStringList &names) : m_oldPath(qgetenv("PATH"))
    {
        for (const QString &name : names) {
            QFile script(path(name));
            if (!script.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(script.fileName()));
            script.write("#!/bin/sh\necho \"$0\" > '" + QFile::encodeName(path("started")) + "'\n");
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(m_dir.path()));
    }
    ~StandInTools() { qputenv("PATH", m_oldPath); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // The path the started tool was started by; empty while none has started.
    QString started() const
    {
        QFile file(path("started"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed()
                                              : QString();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        platform::memoryregistry::clear();
        m_window = showMainWindow();
    }
    void cleanup() { m_window.reset(); }

    void opensAfreshWithItsTexts();
    void form();
    void keys_data();
    void keys();
    void systemInfo_data();
    void systemInfo();

private:
    void aboutDialog(const std::function<void(QDialog *)> &steps);

    std::unique_ptr<FrmMain> m_window;
};

// Opens the About dialog by Help > About and runs steps inside its modal loop; a dialog
// the steps leave open is closed, and a watchdog closes any modal window that stays
// open too long, so that no test can hang.
void TestAbout::aboutDialog(const std::function<void(QDialog *)> &steps)
{
    bool active = false;
    QObject timers; // ends this call's timers with it, so that none fires after it returns
    QTimer::singleShot(0, &timers, [&] {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        active = dialog && QTest::qWaitForWindowActive(dialog);
        if (active)
            steps(dialog);
        if (dialog)
            dialog->done(QDialog::Rejected);
    });
    QTimer::singleShot(20000, &timers, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            qWarning("closing %s left open", qPrintable(modal->objectName()));
            modal->close();
        }
    });
    control<QAction>(m_window.get(), "mnuHelpAbout")->trigger();
    QVERIFY2(active, "Help > About opened no active modal dialog");
}

// Two openings in a row: each is a new dialog without an owner, modal to the whole
// program, gone once closed, with the caption prefixed once.
void TestAbout::opensAfreshWithItsTexts()
{
    for (int opening = 0; opening < 2; ++opening) {
        QPointer<QDialog> seen;
        aboutDialog([&](QDialog *dialog) {
            seen = dialog;
            QCOMPARE(dialog->objectName(), QStringLiteral("frmAbout"));
            QVERIFY(!dialog->parent());
            QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("About Quindle from voxtrel.org"));
            QCOMPARE(dialog->windowIcon().pixmap(32).toImage(),
                     m_window->windowIcon().pixmap(32).toImage());
            QCOMPARE(control<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Quindle"));
            QCOMPARE(control<QLabel>(dialog, "lblVersion")->text(),
                     QStringLiteral("Version 1.0.0"));
            const QString description = control<QLabel>(dialog, "lblDescription")->text();
            const QString first = QStringLiteral(
                "This freeware program converts Decimal, Hexidecimal and Binary numbers "
                "into all relevant fields. ");
            QVERIFY(description.startsWith(first));
            QVERIFY(description.endsWith(u'.'));
            QCOMPARE(description.mid(first.size()).count(u'.'), 1);
            QVERIFY(control<QLabel>(dialog, "lblDisclaimer")->text().contains(u"freely"));
            QCOMPARE(control<QPushButton>(dialog, "cmdOK")->text(), QStringLiteral("OK"));
            QCOMPARE(control<QPushButton>(dialog, "cmdSysInfo")->text(),
                     QStringLiteral("&System Info..."));
        });
        QVERIFY(seen.isNull());
    }
}

// The fixed frame, each control's place (in twips, 15 to a pixel) with its text fitting
// it in the program's font, the picture and the etched separator.
void TestAbout::form()
{
    const std::pair<const char *, QRect> places[] = {
        {"picIcon", {120, 240, 690, 525}},          {"lblTitle", {1050, 240, 3885, 480}},
        {"lblVersion", {1050, 780, 3885, 225}},     {"lblDescription", {210, 1125, 5085, 1170}},
        {"lblDisclaimer", {120, 2640, 3870, 1035}}, {"cmdOK", {4245, 2625, 1260, 345}},
        {"cmdSysInfo", {4260, 3075, 1245, 345}}};
    aboutDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->size(), QSize(5730 / 15, 3765 / 15));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (const auto &[name, twips] : places) {
            const auto *widget = control<QWidget>(dialog, name);
            QVERIFY2(widget && widget->parentWidget() == dialog, name);
            QCOMPARE(widget->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15,
                                               twips.height() / 15));
            if (const auto *label = qobject_cast<const QLabel *>(widget)) {
                const QSize needed =
                    label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                      : label->sizeHint();
                QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                         name);
            }
        }

        const auto *picture = control<QLabel>(dialog, "picIcon");
        const QImage image = picture->pixmap().toImage();
        QCOMPARE(image.size(), QSize(42, 31));
        QVERIFY(!image.hasAlphaChannel());
        // The picture box is its picture and a sunken border of two pixels.
        QCOMPARE(picture->contentsRect().size(), image.size());

        // Gray from (90, 2445) to (5654, 2445); white, two pixels wide, from (105, 2460).
        const QImage shot = dialog->grab().toImage();
        for (int x : {6, 100, 376})
            QCOMPARE(shot.pixelColor(x, 163), QColor(0x80, 0x80, 0x80));
        for (int x : {7, 100, 376})
            for (int y : {164, 165})
                QCOMPARE(shot.pixelColor(x, y), QColor(Qt::white));
        QVERIFY(shot.pixelColor(5, 163) != QColor(0x80, 0x80, 0x80));
        QVERIFY(shot.pixelColor(100, 166) != QColor(Qt::white));
    });
}

void TestAbout::keys_data()
{
    QTest::addColumn<bool>("onSysInfo");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape on OK") << false << int(Qt::Key_Escape) << true;
    QTest::newRow("Escape on System Info") << true << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter on OK") << false << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on OK") << false << int(Qt::Key_Enter) << true;
    QTest::newRow("Enter on System Info") << true << int(Qt::Key_Return) << false;
}

void TestAbout::keys()
{
    QFETCH(bool, onSysInfo);
    QFETCH(int, key);
    QFETCH(bool, closes);
    MessageRecorder recorder;
    aboutDialog([&](QDialog *dialog) {
        auto *ok = control<QPushButton>(dialog, "cmdOK");
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
        QSignalSpy okPressed(ok, &QPushButton::clicked);
        if (onSysInfo) {
            pressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, "cmdSysInfo"));
        }
        pressKey(Qt::Key(key));
        QCOMPARE(okPressed.size(), closes ? 1 : 0);
        QCOMPARE(dialog->isVisible(), !closes);
        // Only System Info speaks, and with the registry empty it says it is unavailable.
        QCOMPARE(recorder.boxes().size(), closes ? 0 : 1);
    });
}

void TestAbout::systemInfo_data()
{
    // The registry is filled from PATH as the program does at start, with stand-ins named
    // onPath besides "tool" and "tools\MSINFO32.EXE"; then come the crafted "PATH" and
    // "MSINFO" values: "-" for none, "<tool>" for the stand-in "tool", "<dir>" for the
    // folder "tools". started: the stand-in that starts; none for the message.
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<QString>("pathValue");
    QTest::addColumn<QString>("folderValue");
    QTest::addColumn<QString>("started");
    const auto row = [](const char *name, const QStringList &onPath, const char *pathValue,
                        const char *folderValue, const char *started) {
        QTest::newRow(name) << onPath << QString::fromLatin1(pathValue)
                            << QString::fromLatin1(folderValue) << QString::fromLatin1(started);
    };
    row("kinfocenter on PATH", {"kinfocenter"}, "-", "-", "kinfocenter");
    row("hardinfo before kinfocenter", {"kinfocenter", "hardinfo"}, "-", "-", "hardinfo");
    row("no tool on PATH", {}, "-", "-", "");
    row("PATH first, folder unused", {}, "<tool>", "<dir>", "tool");
    row("tool in the MSINFO folder", {}, "-", "<dir>", "tools\\MSINFO32.EXE");
    row("MSINFO folder without the tool", {}, "-", "/nowhere", "");
    row("PATH names no program", {}, "/nowhere/tool", "<dir>", "");
    row("PATH without data, folder not tried", {}, "", "<dir>", "");
}

void TestAbout::systemInfo()
{
    QFETCH(QStringList, onPath);
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(QString, started);
    // The folder value is joined with a backslash, Windows' separator; here that names a
    // file whose own name holds the backslash.
    StandInTools path(onPath + QStringList{"tool", "tools\\MSINFO32.EXE"});
    reg::loadSystemEntries();
    const auto set = [&](const char *key, const char *name, QString value) {
        value.replace(QStringLiteral("<tool>"), path.path(QStringLiteral("tool")));
        value.replace(QStringLiteral("<dir>"), path.path(QStringLiteral("tools")));
        if (value != u"-")
            platform::memoryregistry::setValue(reg::localMachine, key, name, reg::typeString,
                                               value.isEmpty() ? QByteArray()
                                                               : value.toLocal8Bit() + '\0');
    };
    set(reg::systemInfoKey, reg::systemInfoValue, pathValue);
    set(reg::systemInfoFolderKey, reg::systemInfoFolderValue, folderValue);
    MessageRecorder recorder;
    aboutDialog([&](QDialog *dialog) {
        control<QPushButton>(dialog, "cmdSysInfo")->click();
        if (started.isEmpty()) {
            QCOMPARE(recorder.events.size(), 1);
            const MessageRecorder::Event box = recorder.events.first();
            QCOMPARE(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(box.icon, platform::MsgIcon::None);
            QCOMPARE(box.title, QStringLiteral("Voxtrel"));
            // Long enough for a tool started by mistake to leave its mark.
            QTest::qWait(300);
            QCOMPARE(path.started(), QString());
        } else {
            QTRY_COMPARE(path.started(), path.path(started));
            QVERIFY(recorder.events.isEmpty());
        }
        QVERIFY(dialog->isVisible());
        QCOMPARE(platform::memoryregistry::openKeyCount(), 0);
    });
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
