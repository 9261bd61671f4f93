#include "support/testsupport.h"

#include "platform/processend.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>

namespace {

// Records the end of the process in its place, with how many boxes had been shown.
class EndRecorder
{
public:
    explicit EndRecorder(const MessageRecorder &boxes)
    {
        platform::setProcessEnder([this, &boxes](int status) {
            ends.append({status, int(boxes.boxes().size())});
        });
    }
    ~EndRecorder() { failOnProcessEnd(); }

    struct End
    {
        int status;
        int boxesBefore;
        bool operator==(const End &) const = default;
    };
    QList<End> ends;
};

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clearInputEmptiesTheInputBase_data();
    void clearInputEmptiesTheInputBase();
    void selectAllSelectsEveryEntry();
    void farewellOnceThenTheEnd_data();
    void farewellOnceThenTheEnd();
    void closingDuringTheFarewellBidsNoSecondOne();
    void realProgramEndsAtOnce_data();
    void realProgramEndsAtOnce();
    void voxtrelEndsOnFileExit();

private:
    template <typename T> T *find(const char *name) { return control<T>(m_window.get(), name); }

    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
};

void TestEditCommands::init()
{
    m_recorder = std::make_unique<MessageRecorder>();
    m_window = showMainWindow();
}

void TestEditCommands::cleanup()
{
    m_window.reset();
    m_recorder.reset();
}

void TestEditCommands::clearInputEmptiesTheInputBase_data()
{
    QTest::addColumn<Qt::Key>("base");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<QString>("focusAfter");
    QTest::newRow("decimal 123") << Qt::Key_D << "123" << false << "txtDecimal";
    QTest::newRow("hex FF") << Qt::Key_H << "FF" << false << "txtHex";
    QTest::newRow("binary, all boxes, calculated")
        << Qt::Key_B << "00011010111100001001" << true << "txtBinary_0";
}

void TestEditCommands::clearInputEmptiesTheInputBase()
{
    QFETCH(Qt::Key, base);
    QFETCH(QString, typed);
    QFETCH(bool, calculate);
    QFETCH(QString, focusAfter);
    auto *list = find<QListWidget>("lstResult");
    pressKey(Qt::Key_F2);
    list->item(1)->setSelected(true);
    pressKey(base, Qt::ControlModifier);
    typeKeys(typed);
    if (calculate)
        QTest::mouseClick(find<QPushButton>("cmdCalculate"), Qt::LeftButton);
    QVERIFY(!find<QLabel>("lblDecimal")->text().isEmpty() ||
            !find<QLabel>("lblBinary")->text().isEmpty());

    pressKey(Qt::Key_I, Qt::ControlModifier);

    for (const char *field : {"txtDecimal", "txtHex", "txtBinary_0", "txtBinary_1", "txtBinary_2",
                              "txtBinary_3", "txtBinary_4"})
        QVERIFY2(find<QLineEdit>(field)->text().isEmpty(), field);
    for (const char *label : {"lblDecimal", "lblHex", "lblBinary"})
        QVERIFY2(find<QLabel>(label)->text().isEmpty(), label);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    QCOMPARE(find<QPushButton>("cmdCalculate")->isVisible(), base == Qt::Key_B);
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(1)});
    const char *checked = base == Qt::Key_D   ? "mnuConverterDecimal"
                          : base == Qt::Key_H ? "mnuConverterHex"
                                              : "mnuConverterBinary";
    QVERIFY(find<QAction>(checked)->isChecked());
}

void TestEditCommands::selectAllSelectsEveryEntry()
{
    auto *list = find<QListWidget>("lstResult");
    pressKey(Qt::Key_F2);
    pressKey(Qt::Key_F2);
    list->item(6)->setSelected(true);
    QWidget *focus = QApplication::focusWidget();
    pressKey(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list->selectedItems().size(), 10);
    QCOMPARE(QApplication::focusWidget(), focus);
}

void TestEditCommands::farewellOnceThenTheEnd_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("File > Exit") << false;
    QTest::newRow("closing the window") << true;
}

void TestEditCommands::farewellOnceThenTheEnd()
{
    QFETCH(bool, closeWindow);
    EndRecorder end(*m_recorder);
    if (closeWindow) {
        m_window->close();
    } else {
        pressKey(Qt::Key_F, Qt::AltModifier);
        QMenu *file = find<QMenu>("mnuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_X);
    }
    QCOMPARE(m_recorder->boxes().size(), 1);
    const MessageRecorder::Event box = m_recorder->boxes().first();
    QCOMPARE(box.text, QStringLiteral("Thankyou for using this Freeware Utility"));
    QCOMPARE(box.icon, platform::MsgIcon::Information);
    QCOMPARE(box.title, QStringLiteral("voxtrel.org"));
    QCOMPARE(end.ends, (QList<EndRecorder::End>{{0, 1}}));
}

// The farewell box of File > Exit runs an event loop of its own, in which the
// window may be asked to close (by the session ending, say).
void TestEditCommands::closingDuringTheFarewellBidsNoSecondOne()
{
    EndRecorder end(*m_recorder);
    m_recorder->onBox = [this](const MessageRecorder::Event &) { m_window->close(); };
    find<QAction>("mnuFileExit")->trigger();
    QCOMPARE(m_recorder->boxes().size(), 1);
    QCOMPARE(end.ends, (QList<EndRecorder::End>{{0, 1}}));
}

void TestEditCommands::realProgramEndsAtOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("reported");
    const QString farewell =
        QStringLiteral("box voxtrel.org: Thankyou for using this Freeware Utility");
    QTest::newRow("File > Exit") << "exit" << QStringList{farewell};
    QTest::newRow("closing the window") << "close" << QStringList{"close event", farewell};
}

void TestEditCommands::realProgramEndsAtOnce()
{
    QFETCH(QString, how);
    QFETCH(QStringList, reported);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VOXTREL_ENDPROGRAM), {how});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             reported);
    QCOMPARE(program.exitCode(), 0);
}

namespace {

// Runs xdotool, which drives other programs' windows through the X server as the
// keyboard does; returns what it printed.
QString xdotool(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0)
        qWarning("xdotool %s failed", qPrintable(arguments.join(u' ')));
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

} // namespace

// The program itself, as its user ends it: File > Exit from the keyboard, the
// farewell box answered with Enter.
void TestEditCommands::voxtrelEndsOnFileExit()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("drives the program's window through an X server");
    QProcess voxtrel;
    voxtrel.start(QStringLiteral(VOXTREL_PROGRAM));
    QVERIFY(voxtrel.waitForStarted());
    const QString pid = QString::number(voxtrel.processId());
    const QString window = xdotool(
        {"search", "--all", "--sync", "--onlyvisible", "--pid", pid, "--name", "^Quindle$"});
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", "--delay", "50", "alt+f", "x"});
    const QString box = xdotool(
        {"search", "--all", "--sync", "--onlyvisible", "--pid", pid, "--name", "^voxtrel\\.org$"});
    xdotool({"windowfocus", "--sync", box});
    xdotool({"key", "Return"});
    QVERIFY(voxtrel.waitForFinished(10000));
    QCOMPARE(voxtrel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(voxtrel.exitCode(), 0);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
