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
// writes the path it was started by into the marker file. PATH holds nothing else
// while it lives, so the system's own tools stay out of sight.
class StandInTools
{
public:
    explicit StandInTools(const QStringList &names) : m_oldPath(qgetenv("PATH"))
    {
        for (const QString &name : names)
            addScript(m_dir.filePath(name));
        qputenv("PATH", QFile::encodeName(m_dir.path()));
    }
    ~StandInTools() { qputenv("PATH", m_oldPath); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    void addScript(const QString &path) const
    {
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        script.write("#!/bin/sh\necho \"$0\" > '" + QFile::encodeName(marker()) + "'\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
    // The path the started tool was started by; empty while none has started.
    QString started() const
    {
        QFile file(marker());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed()
                                              : QString();
    }

private:
    QString marker() const { return m_dir.filePath(QStringLiteral("started")); }

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

// The About dialog as Help > About opens it. The dialog is modal, so each test's steps
// run inside its event loop (aboutDialog); a dialog the steps leave open is closed, and
// a dialog that stays open past a watchdog is closed too, so that no test can hang.
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

    void opensModalWithoutOwnerAndIsDestroyedOnClose();
    void texts();
    void controlPlaces_data();
    void controlPlaces();
    void etchedSeparator();
    void keys_data();
    void keys();
    void systemInfoStartsTheToolOnPath_data();
    void systemInfoStartsTheToolOnPath();
    void systemInfoFromCraftedRegistry_data();
    void systemInfoFromCraftedRegistry();

private:
    void aboutDialog(const std::function<void(QDialog *)> &steps);
    static QPushButton *button(QDialog *dialog, const char *name)
    {
        return control<QPushButton>(dialog, name);
    }

    std::unique_ptr<FrmMain> m_window;
};

void TestAbout::aboutDialog(const std::function<void(QDialog *)> &steps)
{
    bool opened = false;
    // Timers of this call only, so that none fires after it has returned.
    QTimer opener;
    opener.setSingleShot(true);
    connect(&opener, &QTimer::timeout, [&] {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        if (QTest::qWaitForWindowActive(dialog))
            steps(dialog);
        else
            qWarning("the About dialog did not become active");
        if (dialog)
            dialog->done(QDialog::Rejected);
    });
    opener.start(0);
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            qWarning("closing %s left open", qPrintable(modal->objectName()));
            modal->close();
        }
    });
    watchdog.start(20000);
    control<QAction>(m_window.get(), "mnuHelpAbout")->trigger();
    QVERIFY2(opened, "Help > About opened no modal dialog");
}

void TestAbout::opensModalWithoutOwnerAndIsDestroyedOnClose()
{
    QPointer<QDialog> seen;
    aboutDialog([&](QDialog *dialog) {
        seen = dialog;
        QCOMPARE(dialog->objectName(), QStringLiteral("frmAbout"));
        QVERIFY(!dialog->parent());
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isActiveWindow());
        button(dialog, "cmdOK")->click();
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(seen.isNull());
}

void TestAbout::texts()
{
    // Two openings in a row, to see the caption prefixed once each time.
    for (int opening = 0; opening < 2; ++opening) {
        aboutDialog([this](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("About Quindle from voxtrel.org"));
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
            QCOMPARE(button(dialog, "cmdOK")->text(), QStringLiteral("OK"));
            QCOMPARE(button(dialog, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
            QCOMPARE(dialog->windowIcon().pixmap(32).toImage(),
                     m_window->windowIcon().pixmap(32).toImage());
            // Every text fits its box in the program's font.
            for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
                const auto *label = control<QLabel>(dialog, name);
                const QSize needed =
                    label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                      : label->sizeHint();
                QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                         name);
            }
        });
    }
}

void TestAbout::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("picIcon") << "picIcon" << QRect(120, 240, 690, 525);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(1050, 240, 3885, 480);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(1050, 780, 3885, 225);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(210, 1125, 5085, 1170);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(120, 2640, 3870, 1035);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(4245, 2625, 1260, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(4260, 3075, 1245, 345);
}

void TestAbout::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    aboutDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->size(), QSize(5730 / 15, 3765 / 15));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const auto *widget = control<QWidget>(dialog, name.toLatin1());
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), dialog);
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    });
}

void TestAbout::etchedSeparator()
{
    aboutDialog([](QDialog *dialog) {
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
        QPushButton *ok = button(dialog, "cmdOK");
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
        QSignalSpy okPressed(ok, &QPushButton::clicked);
        if (onSysInfo) {
            pressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button(dialog, "cmdSysInfo"));
        }
        pressKey(Qt::Key(key));
        QCOMPARE(okPressed.size(), closes ? 1 : 0);
        QCOMPARE(dialog->isVisible(), !closes);
        // Only System Info speaks, and with the registry empty it says it is unavailable.
        QCOMPARE(recorder.boxes().size(), closes ? 0 : 1);
    });
}

void TestAbout::systemInfoStartsTheToolOnPath_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QString>("started");
    QTest::newRow("hardinfo") << QStringList{"hardinfo"} << "hardinfo";
    QTest::newRow("kinfocenter") << QStringList{"kinfocenter"} << "kinfocenter";
    QTest::newRow("both, hardinfo first") << QStringList{"kinfocenter", "hardinfo"} << "hardinfo";
    QTest::newRow("neither") << QStringList{"other"} << "";
}

void TestAbout::systemInfoStartsTheToolOnPath()
{
    QFETCH(QStringList, tools);
    QFETCH(QString, started);
    StandInTools path(tools);
    reg::loadSystemEntries();
    MessageRecorder recorder;
    aboutDialog([&](QDialog *dialog) {
        button(dialog, "cmdSysInfo")->click();
        if (started.isEmpty()) {
            QCOMPARE(recorder.events.size(), 1);
            const MessageRecorder::Event box = recorder.events.first();
            QCOMPARE(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(box.icon, platform::MsgIcon::None);
            QCOMPARE(box.title, QStringLiteral("Voxtrel"));
        } else {
            QTRY_COMPARE(path.started(), path.path(started));
            QVERIFY(recorder.events.isEmpty());
        }
        QVERIFY(dialog->isVisible());
    });
}

void TestAbout::systemInfoFromCraftedRegistry_data()
{
    // pathValue: the "PATH" value, "-" for none, "<tool>" for the stand-in's full path;
    // folderValue: the "MSINFO" value, "-" for none, "<dir>" for the stand-ins' folder.
    QTest::addColumn<QString>("pathValue");
    QTest::addColumn<QString>("folderValue");
    QTest::addColumn<bool>("starts");
    QTest::newRow("tool named by PATH") << "<tool>"
                                        << "-" << true;
    QTest::newRow("PATH first, folder unused") << "<tool>"
                                               << "/nowhere" << true;
    QTest::newRow("tool in the MSINFO folder") << "-"
                                               << "<dir>" << true;
    QTest::newRow("MSINFO folder without the tool") << "-"
                                                    << "/nowhere" << false;
    QTest::newRow("PATH names no program") << "/nowhere/tool"
                                           << "<dir>" << false;
    QTest::newRow("PATH without data, folder not tried") << ""
                                                         << "<dir>" << false;
    QTest::newRow("neither value") << "-"
                                   << "-" << false;
}

void TestAbout::systemInfoFromCraftedRegistry()
{
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(bool, starts);
    StandInTools path({QStringLiteral("tool")});
    // The folder value is joined with a backslash, Windows' separator; here that names a
    // file whose own name holds the backslash.
    const QString inFolder = path.path(QStringLiteral("tools\\MSINFO32.EXE"));
    path.addScript(inFolder);
    const auto value = [&](const QString &text) {
        QString filled = text;
        filled.replace(QStringLiteral("<tool>"), path.path(QStringLiteral("tool")));
        filled.replace(QStringLiteral("<dir>"), path.path(QStringLiteral("tools")));
        return filled.isEmpty() ? QByteArray() : filled.toLocal8Bit() + '\0';
    };
    if (pathValue != u"-")
        platform::memoryregistry::setValue(reg::localMachine, reg::systemInfoKey,
                                           reg::systemInfoValue, reg::typeString, value(pathValue));
    if (folderValue != u"-")
        platform::memoryregistry::setValue(reg::localMachine, reg::systemInfoFolderKey,
                                           reg::systemInfoFolderValue, reg::typeString,
                                           value(folderValue));
    MessageRecorder recorder;
    aboutDialog([&](QDialog *dialog) {
        button(dialog, "cmdSysInfo")->click();
        QCOMPARE(recorder.events.size(), starts ? 0 : 1);
        if (starts) {
            const QString expected =
                pathValue == u"<tool>" ? path.path(QStringLiteral("tool")) : inFolder;
            QTRY_COMPARE(path.started(), expected);
        } else {
            // Long enough for a tool started by mistake to leave its mark.
            QTest::qWait(300);
            QCOMPARE(path.started(), QString());
        }
        QVERIFY(dialog->isVisible());
        QCOMPARE(platform::memoryregistry::openKeyCount(), 0);
    });
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
