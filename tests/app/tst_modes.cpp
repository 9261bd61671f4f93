#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

// The three input bases, switched from the keyboard as a user does.
class TestModes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup()
    {
        m_window.reset();
        m_recorder.reset();
    }

    void modeTable_data();
    void modeTable();
    void switchingEmptiesTheOtherBases();
    void sameModeAgainKeepsTheText();
    void leavingBinaryEmptiesTheBoxesInOrder();
    void binaryAgainKeepsTheBoxes();
    void shortcutsWinInEveryControl_data();
    void shortcutsWinInEveryControl();
    void disabledItemsLeaveTheirKeysToTheField();
    void switchingKeepsTheListItems();

private:
    QLineEdit *field(const char *name) { return control<QLineEdit>(m_window.get(), name); }
    QLabel *label(const char *name) { return control<QLabel>(m_window.get(), name); }
    QAction *item(const char *name) { return control<QAction>(m_window.get(), name); }
    QLineEdit *box(int k) { return field(QByteArray("txtBinary_" + QByteArray::number(k))); }

    std::unique_ptr<FrmMain> m_window;
    std::unique_ptr<MessageRecorder> m_recorder;
};

void TestModes::init()
{
    m_recorder = std::make_unique<MessageRecorder>();
    m_window = showMainWindow();
}

void TestModes::modeTable_data()
{
    QTest::addColumn<int>("modeKey");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("focus");
    const QStringList boxes{"txtBinary_0", "txtBinary_1", "txtBinary_2",
                            "txtBinary_3", "txtBinary_4", "cmdCalculate"};
    QTest::newRow("decimal") << int(Qt::Key_D) << "mnuConverterDecimal"
                             << QStringList{"txtDecimal", "lblHex", "lblBinary"} << "txtDecimal";
    QTest::newRow("hex") << int(Qt::Key_H) << "mnuConverterHex"
                         << QStringList{"lblDecimal", "txtHex", "lblBinary"} << "txtHex";
    QTest::newRow("binary") << int(Qt::Key_B) << "mnuConverterBinary"
                            << QStringList{"lblDecimal", "lblHex"} + boxes << "txtBinary_0";
}

void TestModes::modeTable()
{
    QFETCH(int, modeKey);
    QFETCH(QString, checked);
    QFETCH(QStringList, shown);
    QFETCH(QString, focus);
    // From every mode into this one, so that each leaves the same state behind.
    for (const Qt::Key from : {Qt::Key_D, Qt::Key_H, Qt::Key_B}) {
        pressKey(from, Qt::ControlModifier);
        pressKey(Qt::Key(modeKey), Qt::ControlModifier);
        for (const char *name : {"mnuConverterDecimal", "mnuConverterHex", "mnuConverterBinary"})
            QCOMPARE(item(name)->isChecked(), checked == QLatin1String(name));
        for (const char *name :
             {"txtDecimal", "lblDecimal", "txtHex", "lblHex", "lblBinary", "txtBinary_0",
              "txtBinary_1", "txtBinary_2", "txtBinary_3", "txtBinary_4", "cmdCalculate"}) {
            QVERIFY2(control<QWidget>(m_window.get(), name)->isVisible() ==
                         shown.contains(QLatin1String(name)),
                     name);
        }
        for (const char *name : {"lblDecimal", "lblHex", "lblBinary"})
            QVERIFY(label(name)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
}

void TestModes::switchingEmptiesTheOtherBases()
{
    typeKeys("255");
    QCOMPARE(label("lblHex")->text(), QStringLiteral("FF"));
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(field("txtHex")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), field("txtHex"));
    QVERIFY(label("lblDecimal")->text().isEmpty());
    QVERIFY(label("lblBinary")->text().isEmpty());
    typeKeys("1F");
    pressKey(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(field("txtDecimal")->text().isEmpty());
    QVERIFY(field("txtHex")->text().isEmpty());
    QVERIFY(label("lblHex")->text().isEmpty());
    QVERIFY(label("lblBinary")->text().isEmpty());
}

void TestModes::sameModeAgainKeepsTheText()
{
    typeKeys("255");
    pressKey(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(field("txtDecimal")->text(), QStringLiteral("255"));
    QVERIFY(label("lblHex")->text().isEmpty());
    QVERIFY(label("lblBinary")->text().isEmpty());
    typeKeys("5");
    QCOMPARE(label("lblHex")->text(), QStringLiteral("9FB"));
    QCOMPARE(label("lblBinary")->text(), QStringLiteral("100111111011"));

    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys("A");
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(field("txtHex")->text(), QStringLiteral("A"));
    QVERIFY(label("lblDecimal")->text().isEmpty());
    QVERIFY(label("lblBinary")->text().isEmpty());
}

void TestModes::leavingBinaryEmptiesTheBoxesInOrder()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    typeKeys("00011010");
    QCOMPARE(QApplication::focusWidget(), box(2));
    // Emptying box 0 while box 1 is still full moves the focus to box 2 from inside
    // the command; the command still ends with the focus in the decimal field.
    QSignalSpy box1Changes(box(1), &QLineEdit::textChanged);
    pressKey(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(box1Changes.count(), 1);
    for (int k = 0; k < 5; ++k) {
        QVERIFY(box(k)->text().isEmpty());
        QVERIFY(!box(k)->isVisible());
    }
    QVERIFY(!control<QWidget>(m_window.get(), "cmdCalculate")->isVisible());
    QCOMPARE(QApplication::focusWidget(), field("txtDecimal"));
}

void TestModes::binaryAgainKeepsTheBoxes()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    typeKeys("0001");
    QTest::mouseClick(control<QPushButton>(m_window.get(), "cmdCalculate"), Qt::LeftButton);
    QCOMPARE(label("lblDecimal")->text(), QStringLiteral("1"));
    pressKey(Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(box(0)->text(), QStringLiteral("0001"));
    QVERIFY(label("lblDecimal")->text().isEmpty());
    QVERIFY(label("lblHex")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box(0));
}

void TestModes::shortcutsWinInEveryControl_data()
{
    QTest::addColumn<int>("tabs");
    QTest::newRow("focus in the field") << 0;
    QTest::newRow("focus in the list") << 1;
}

void TestModes::shortcutsWinInEveryControl()
{
    QFETCH(int, tabs);
    typeKeys("123");
    // A selection that a line edit would delete on Ctrl+D under X11.
    pressKey(Qt::Key_Home, Qt::ShiftModifier);
    for (int n = 0; n < tabs; ++n)
        pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(field("txtDecimal")->text(), QStringLiteral("123"));
    QCOMPARE(QApplication::focusWidget(), field("txtDecimal"));
    for (int n = 0; n < tabs; ++n)
        pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(item("mnuConverterHex")->isChecked());
    pressKey(Qt::Key_B, Qt::ControlModifier);
    QVERIFY(item("mnuConverterBinary")->isChecked());
    QVERIFY(m_recorder->events.isEmpty());
}

void TestModes::disabledItemsLeaveTheirKeysToTheField()
{
    typeKeys("42");
    // Copy and Select All are disabled while the list is empty: their keys are
    // control characters for the decimal key filter, refused with a beep.
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_recorder->beeps(), 2);
    QVERIFY(!field("txtDecimal")->hasSelectedText());
    QCOMPARE(field("txtDecimal")->text(), QStringLiteral("42"));
}

void TestModes::switchingKeepsTheListItems()
{
    for (const Qt::Key mode : {Qt::Key_H, Qt::Key_B, Qt::Key_D}) {
        pressKey(mode, Qt::ControlModifier);
        for (const char *name : {"mnuFilePrint", "mnuEditCopy", "mnuEditSelect"})
            QVERIFY(!item(name)->isEnabled());
    }
}

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
