#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

class TestResultsList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addAppendsTheBlockOfTheInputBase_data();
    void addAppendsTheBlockOfTheInputBase();
    void addTwiceAppendsTwoBlocks();
    void listDependentItemsFollowAddAndClear();
    void listHoldsAtMost32767Entries_data();
    void listHoldsAtMost32767Entries();

private:
    QStringList entries() const;
    bool listDependentItemsEnabled() const;

    std::unique_ptr<FrmMain> m_window;
    QListWidget *m_list = nullptr;
};

void TestResultsList::init()
{
    m_window = showMainWindow();
    m_list = control<QListWidget>(m_window.get(), "lstResult");
}

void TestResultsList::cleanup()
{
    m_window.reset();
}

QStringList TestResultsList::entries() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts.append(m_list->item(i)->text());
    return texts;
}

bool TestResultsList::listDependentItemsEnabled() const
{
    const bool print = control<QAction>(m_window.get(), "mnuFilePrint")->isEnabled();
    const bool copy = control<QAction>(m_window.get(), "mnuEditCopy")->isEnabled();
    const bool select = control<QAction>(m_window.get(), "mnuEditSelect")->isEnabled();
    if (print != copy || copy != select)
        qWarning("the list-dependent items disagree");
    return print && copy && select;
}

void TestResultsList::addAppendsTheBlockOfTheInputBase_data()
{
    QTest::addColumn<Qt::Key>("base");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("block");
    const QString rule(80, u'-');
    QTest::newRow("decimal 255") << Qt::Key_D << "255"
                                 << QStringList{"The result from Decimal is:", "Decimal   255",
                                                "Hex          FF", "Binary      11111111", rule};
    QTest::newRow("hex 1F") << Qt::Key_H << "1F"
                            << QStringList{"The result from Hex is:", "Decimal   31",
                                           "Hex          1F", "Binary      00011111", rule};
    // The groups run box 0 first, and the decimal and hex lines show the last
    // Calculate Binary result: none here.
    QTest::newRow("binary, two boxes, not calculated")
        << Qt::Key_B << "00011010"
        << QStringList{"The result from Binary is:", "Decimal   ", "Hex          ",
                       "Binary      0001 1010   ", rule};
    QTest::newRow("empty decimal field") << Qt::Key_D << ""
                                         << QStringList{"The result from Decimal is:", "Decimal   ",
                                                        "Hex          ", "Binary      ", rule};
}

void TestResultsList::addAppendsTheBlockOfTheInputBase()
{
    QFETCH(Qt::Key, base);
    QFETCH(QString, typed);
    QFETCH(QStringList, block);
    pressKey(base, Qt::ControlModifier);
    typeKeys(typed);
    pressKey(Qt::Key_F2);
    QCOMPARE(entries(), block);
}

void TestResultsList::addTwiceAppendsTwoBlocks()
{
    typeKeys(QStringLiteral("7"));
    pressKey(Qt::Key_F2);
    pressKey(Qt::Key_F2);
    const QStringList all = entries();
    QCOMPARE(all.size(), 10);
    QCOMPARE(all.mid(5), all.first(5));
}

void TestResultsList::listDependentItemsFollowAddAndClear()
{
    QVERIFY(!listDependentItemsEnabled());
    pressKey(Qt::Key_F2);
    QVERIFY(listDependentItemsEnabled());
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(listDependentItemsEnabled());
    QCOMPARE(m_list->count(), 5);

    pressKey(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(m_list->count(), 0);
    QVERIFY(!listDependentItemsEnabled());
    pressKey(Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!listDependentItemsEnabled());
    pressKey(Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!listDependentItemsEnabled());
}

void TestResultsList::listHoldsAtMost32767Entries_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("added");
    QTest::newRow("block ends exactly at the limit") << 32762 << true;
    QTest::newRow("block would pass the limit") << 32763 << false;
    QTest::newRow("full list of whole blocks") << 32765 << false;
}

void TestResultsList::listHoldsAtMost32767Entries()
{
    QFETCH(int, before);
    QFETCH(bool, added);
    MessageRecorder recorder;
    m_list->addItems(QStringList(before, QStringLiteral("earlier")));
    m_list->item(3)->setSelected(true);

    pressKey(Qt::Key_F2);

    QCOMPARE(m_list->count(), added ? before + 5 : before);
    QCOMPARE(m_list->selectedItems().size(), 1);
    QVERIFY(m_list->item(3)->isSelected());
    QVERIFY(listDependentItemsEnabled());
    if (added) {
        QVERIFY(recorder.boxes().isEmpty());
        return;
    }
    QCOMPARE(recorder.boxes().size(), 1);
    const MessageRecorder::Event box = recorder.boxes().first();
    QCOMPARE(box.title, QStringLiteral("Voxtrel"));
    QCOMPARE(box.icon, platform::MsgIcon::Information);
    QVERIFY2(box.text.contains(QStringLiteral("full")) && box.text.contains(QStringLiteral("save")),
             qPrintable(box.text));
}

QTEST_MAIN(TestResultsList)
#include "tst_resultslist.moc"
