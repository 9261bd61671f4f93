#include "support/testsupport.h"

#include <QAction>
#include <QListWidget>

namespace {
// Print Result, Copy and Select All, the items that need a list to work on.
const QStringList listItems{"mnuFilePrint", "mnuEditCopy", "mnuEditSelect"};
} // namespace

class TestResultsList : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = showMainWindow();
        m_list = control<QListWidget>(m_window.get(), "lstResult");
    }
    void cleanup() { m_window.reset(); }
    void addAppendsTheBlockOfTheInputBase_data();
    void addAppendsTheBlockOfTheInputBase();
    void listItemsFollowAddAndClear();
    void listHoldsAtMost32767Entries_data();
    void listHoldsAtMost32767Entries();

private:
    QStringList listItemsEnabled() const
    {
        QStringList enabled;
        for (const QString &name : listItems) {
            if (control<QAction>(m_window.get(), qPrintable(name))->isEnabled())
                enabled.append(name);
        }
        return enabled;
    }

    std::unique_ptr<FrmMain> m_window;
    QListWidget *m_list = nullptr;
};

void TestResultsList::addAppendsTheBlockOfTheInputBase_data()
{
    QTest::addColumn<Qt::Key>("base");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("block");
    const QString rule(80, u'-');
    // The decimal block is checked byte for byte in the saved-file tests.
    QTest::newRow("hex 1F") << Qt::Key_H << "1F"
                            << QStringList{"The result from Hex is:", "Decimal   31",
                                           "Hex          1F", "Binary      00011111", rule};
    // The groups run box 0 first, and the decimal and hex lines show the last
    // Calculate Binary result: none here, so only their prefixes remain.
    QTest::newRow("binary, two boxes, not calculated")
        << Qt::Key_B << "00011010"
        << QStringList{"The result from Binary is:", "Decimal   ", "Hex          ",
                       "Binary      0001 1010   ", rule};
}

void TestResultsList::addAppendsTheBlockOfTheInputBase()
{
    QFETCH(Qt::Key, base);
    QFETCH(QString, typed);
    QFETCH(QStringList, block);
    pressKey(base, Qt::ControlModifier);
    typeKeys(typed);
    pressKey(Qt::Key_F2);
    QStringList entries;
    for (int i = 0; i < m_list->count(); ++i)
        entries.append(m_list->item(i)->text());
    QCOMPARE(entries, block);
}

void TestResultsList::listItemsFollowAddAndClear()
{
    pressKey(Qt::Key_F2);
    QCOMPARE(listItemsEnabled(), listItems);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(listItemsEnabled(), listItems);
    QCOMPARE(m_list->count(), 5);

    pressKey(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(listItemsEnabled(), QStringList());
}

void TestResultsList::listHoldsAtMost32767Entries_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("added");
    QTest::newRow("block ends exactly at the limit") << 32762 << true;
    QTest::newRow("block would pass the limit") << 32763 << false;
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
    QCOMPARE(m_list->selectedItems(), QList<QListWidgetItem *>{m_list->item(3)});
    QCOMPARE(listItemsEnabled(), listItems);
    QCOMPARE(recorder.boxes().size(), added ? 0 : 1);
    if (added)
        return;
    const MessageRecorder::Event box = recorder.boxes().first();
    QCOMPARE(box.title, QStringLiteral("Voxtrel"));
    QCOMPARE(box.icon, platform::MsgIcon::Information);
    QVERIFY2(box.text.contains(QStringLiteral("full")) && box.text.contains(QStringLiteral("save")),
             qPrintable(box.text));
}

QTEST_MAIN(TestResultsList)
#include "tst_resultslist.moc"
