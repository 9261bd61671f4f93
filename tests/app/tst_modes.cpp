#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The three input bases, switched from the keyboard as a user does.
class TestModes : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_recorder = std::make_unique<MessageRecorder>();
        m_window = showMainWindow();
    }
    void cleanup()
    {
        m_window.reset();
        m_recorder.reset();
    }

    void modeTable_data()
    {
        QTest::addColumn<int>("modeKey");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("shown"); // besides the frames and the list with its title
        QTest::addColumn<QString>("focus");
        const auto row = [](const char *name, Qt::Key mode, const char *checked, const char *shown,
                            const char *focus) {
            QTest::newRow(name) << int(mode) << checked << shown << focus;
        };
        row("decimal", Qt::Key_D, "mnuConverterDecimal", "lblBinary lblHex txtDecimal",
            "txtDecimal");
        row("hex", Qt::Key_H, "mnuConverterHex", "lblBinary lblDecimal txtHex", "txtHex");
        row("binary", Qt::Key_B, "mnuConverterBinary",
            "cmdCalculate lblDecimal lblHex txtBinary_0 txtBinary_1 txtBinary_2 txtBinary_3 "
            "txtBinary_4",
            "txtBinary_0");
    }

    void modeTable()
    {
        QFETCH(int, modeKey);
        QFETCH(QString, checked);
        QFETCH(QString, shown);
        QFETCH(QString, focus);
        QStringList expectedShown =
            shown.split(u' ') +
            QStringList{"FraBinary", "FraDecimal", "FraHex", "lblTitle", "lstResult"};
        expectedShown.sort();
        auto *list = control<QListWidget>(m_window.get(), "lstResult");
        pressKey(Qt::Key_F2);
        list->item(1)->setSelected(true);
        // From every mode into this one, with text typed and translated in the mode left.
        // Two full binary boxes: emptying box 0 moves the focus to box 2 from inside the
        // command, which still has to end with the focus where the table says.
        const QList<std::pair<Qt::Key, QString>> froms{
            {Qt::Key_D, "255"}, {Qt::Key_H, "1F"}, {Qt::Key_B, "00011010"}};
        for (const auto &[from, typed] : froms) {
            pressKey(from, Qt::ControlModifier);
            typeKeys(typed);
            if (from == Qt::Key_B)
                QTest::mouseClick(control<QPushButton>(m_window.get(), "cmdCalculate"),
                                  Qt::LeftButton);
            const QStringList before = entryTexts(m_window.get());

            pressKey(Qt::Key(modeKey), Qt::ControlModifier);

            for (const char *name :
                 {"mnuConverterDecimal", "mnuConverterHex", "mnuConverterBinary"})
                QCOMPARE(item(name)->isChecked(), checked == QLatin1String(name));
            QCOMPARE(shownControls(m_window.get()), expectedShown);
            for (const char *name : {"lblDecimal", "lblHex", "lblBinary"})
                QVERIFY2(!expectedShown.contains(QLatin1String(name)) ||
                             control<QLabel>(m_window.get(), name)->text().isEmpty(),
                         name);
            // The same mode again keeps what was typed; another empties every field.
            QCOMPARE(entryTexts(m_window.get()), from == modeKey ? before : QStringList(7));
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            // The list, its selection and its items are no part of a mode.
            QCOMPARE(list->count(), 5);
            QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(1)});
            for (const char *name : {"mnuFilePrint", "mnuEditCopy", "mnuEditSelect"})
                QVERIFY(item(name)->isEnabled());
        }
    }

    // The labels emptied by choosing the same mode again fill on the next change.
    void sameModeAgainTranslatesOnTheNextKey()
    {
        typeKeys("255");
        pressKey(Qt::Key_D, Qt::ControlModifier);
        typeKeys("5");
        QCOMPARE(resultLabels(m_window.get()), (QStringList{"", "9FB", "100111111011"}));
    }

    void shortcutsWinInEveryControl_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::newRow("focus in the field") << 0;
        QTest::newRow("focus in the list") << 1;
    }

    void shortcutsWinInEveryControl()
    {
        QFETCH(int, tabs);
        typeKeys("123");
        // A selection that a line edit would delete on Ctrl+D under X11.
        pressKey(Qt::Key_Home, Qt::ShiftModifier);
        for (int n = 0; n < tabs; ++n)
            pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(control<QLineEdit>(m_window.get(), "txtDecimal")->text(), QStringLiteral("123"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtDecimal"));
        QVERIFY(m_recorder->events.isEmpty());
    }

    void disabledItemsLeaveTheirKeysToTheField()
    {
        typeKeys("42");
        // Copy and Select All are disabled while the list is empty: their keys are
        // control characters for the decimal key filter, refused with a beep.
        pressKey(Qt::Key_A, Qt::ControlModifier);
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_recorder->beeps(), 2);
        const auto *field = control<QLineEdit>(m_window.get(), "txtDecimal");
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->text(), QStringLiteral("42"));
    }

private:
    QAction *item(const char *name) { return control<QAction>(m_window.get(), name); }

    std::unique_ptr<FrmMain> m_window;
    std::unique_ptr<MessageRecorder> m_recorder;
};

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
