#include "support/testsupport.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The three entry fields typed into and pasted into as a user does.
class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void decimalTranslation_data();
    void decimalTranslation();
    void decimalRefusedKeys_data();
    void decimalRefusedKeys();
    void decimalBackspaceKeepsLastTranslation();
    void decimalLengthLimit();
    void decimalPasted_data();
    void decimalPasted();

    void hexTranslation_data();
    void hexTranslation();
    void hexEditInTheMiddle();
    void hexBackspaceKeepsDecimal();
    void hexRefusedKeys_data();
    void hexRefusedKeys();
    void hexPasted_data();
    void hexPasted();

    void binaryCalculation_data();
    void binaryCalculation();
    void binaryFocusMovesLeftAsBoxesFill();
    void binaryBackspaceWithTwoFullBoxes();
    void binaryRefusedKeys();
    void binaryShortGroupReadWithLeadingZeros();
    void binaryPastedGroupIsRefused();

private:
    QLineEdit *field(const char *name) { return control<QLineEdit>(m_window.get(), name); }
    QString label(const char *name) { return control<QLabel>(m_window.get(), name)->text(); }
    QLineEdit *box(int k) { return field(QByteArray("txtBinary_" + QByteArray::number(k))); }
    void paste(const QString &text);
    void enterGroups(const QStringList &groupsBox4First);
    void calculate();

    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
    QString m_savedClipboard;
};

void TestEntry::init()
{
    m_savedClipboard = QGuiApplication::clipboard()->text();
    m_recorder = std::make_unique<MessageRecorder>();
    m_window = showMainWindow();
}

void TestEntry::cleanup()
{
    m_window.reset();
    m_recorder.reset();
    QGuiApplication::clipboard()->setText(m_savedClipboard);
}

// Pasting with Shift+Insert passes the field's own paste, not its key filter.
void TestEntry::paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), text);
    pressKey(Qt::Key_Insert, Qt::ShiftModifier);
}

// Types each non-empty group into its box, moving there with Tab as a user would.
void TestEntry::enterGroups(const QStringList &groupsBox4First)
{
    for (int k = 0; k < 5; ++k) {
        const QString group = groupsBox4First[4 - k];
        if (group == u"-")
            continue;
        while (QApplication::focusWidget() != box(k))
            pressKey(Qt::Key_Tab);
        typeKeys(group);
    }
}

void TestEntry::calculate()
{
    QTest::mouseClick(control<QPushButton>(m_window.get(), "cmdCalculate"), Qt::LeftButton);
}

void TestEntry::decimalTranslation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("binary");
    QTest::newRow("0") << "0"
                       << "0"
                       << "0000";
    QTest::newRow("007") << "007"
                         << "7"
                         << "0111";
    QTest::newRow("10") << "10"
                        << "A"
                        << "1010";
    QTest::newRow("16") << "16"
                        << "10"
                        << "00010000";
    QTest::newRow("255") << "255"
                         << "FF"
                         << "11111111";
    QTest::newRow("256") << "256"
                         << "100"
                         << "000100000000";
    QTest::newRow("1048575") << "1048575"
                             << "FFFFF"
                             << "11111111111111111111";
    QTest::newRow("123456789") << "123456789"
                               << "75BCD15"
                               << "0111010110111100110100010101";
    QTest::newRow("999999999") << "999999999"
                               << "3B9AC9FF"
                               << "00111011100110101100100111111111";
}

void TestEntry::decimalTranslation()
{
    QFETCH(QString, typed);
    QFETCH(QString, hex);
    QFETCH(QString, binary);
    typeKeys(typed);
    QCOMPARE(field("txtDecimal")->text(), typed);
    QCOMPARE(label("lblHex"), hex);
    QCOMPARE(label("lblBinary"), binary);
    QVERIFY(m_recorder->events.isEmpty());
}

void TestEntry::decimalRefusedKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("letter") << int(Qt::Key_A) << 0;
    QTest::newRow("blank") << int(Qt::Key_Space) << 0;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0;
    QTest::newRow("point") << int(Qt::Key_Period) << 0;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0;
    QTest::newRow("ctrl+v pastes nothing") << int(Qt::Key_V) << int(Qt::ControlModifier);
}

void TestEntry::decimalRefusedKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    typeKeys("12");
    pressKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(field("txtDecimal")->text(), QStringLiteral("12"));
    QCOMPARE(label("lblHex"), QStringLiteral("C"));
    QCOMPARE(m_recorder->beeps(), 1);
    QVERIFY(m_recorder->boxes().isEmpty());
}

void TestEntry::decimalBackspaceKeepsLastTranslation()
{
    typeKeys("5");
    pressKey(Qt::Key_Backspace);
    QVERIFY(field("txtDecimal")->text().isEmpty());
    QCOMPARE(label("lblHex"), QStringLiteral("5"));
    QCOMPARE(label("lblBinary"), QStringLiteral("0101"));
    QCOMPARE(m_recorder->beeps(), 0);
}

void TestEntry::decimalLengthLimit()
{
    typeKeys("1234567890");
    QCOMPARE(field("txtDecimal")->text(), QStringLiteral("123456789"));
    QCOMPARE(label("lblHex"), QStringLiteral("75BCD15"));
}

void TestEntry::decimalPasted_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("binary");
    // Unreadable text leaves the labels with the translation of the "7" typed first.
    QTest::newRow("minus one") << "-1"
                               << "-1"
                               << "FFFFFFFF" << QString(32, u'1');
    QTest::newRow("blanks and sign") << " +42 "
                                     << " +42 "
                                     << "2A"
                                     << "00101010";
    QTest::newRow("letters") << "12ab"
                             << "12ab"
                             << "7"
                             << "0111";
    QTest::newRow("decimal point") << "1.5"
                                   << "1.5"
                                   << "7"
                                   << "0111";
    QTest::newRow("cut at nine characters") << "12345678901"
                                            << "123456789"
                                            << "75BCD15"
                                            << "0111010110111100110100010101";
    QTest::newRow("unicode") << QString::fromUtf8("\u0661\u0662\U0001F600") << ""
                             << "7"
                             << "0111";
}

void TestEntry::decimalPasted()
{
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QFETCH(QString, binary);
    typeKeys("7");
    pressKey(Qt::Key_Backspace);
    paste(pasted);
    if (!text.isEmpty())
        QCOMPARE(field("txtDecimal")->text(), text);
    QVERIFY(field("txtDecimal")->text().size() <= 9);
    QCOMPARE(label("lblHex"), hex);
    QCOMPARE(label("lblBinary"), binary);
}

void TestEntry::hexTranslation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("0") << "0"
                       << "0000"
                       << "0";
    QTest::newRow("00") << "00"
                        << "00000000"
                        << "0";
    QTest::newRow("A") << "A"
                       << "1010"
                       << "10";
    QTest::newRow("FF") << "FF"
                        << "11111111"
                        << "255";
    QTest::newRow("10") << "10"
                        << "00010000"
                        << "16";
    QTest::newRow("1239") << "1239"
                          << "0001001000111001"
                          << "4665";
    QTest::newRow("FFFFFFFF") << "FFFFFFFF" << QString(32, u'1') << "4294967295";
    QTest::newRow("80000000") << "80000000"
                              << "1" + QString(31, u'0') << "2147483648";
}

void TestEntry::hexTranslation()
{
    QFETCH(QString, typed);
    QFETCH(QString, binary);
    QFETCH(QString, decimal);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys(typed);
    QCOMPARE(field("txtHex")->text(), typed);
    QCOMPARE(label("lblBinary"), binary);
    QCOMPARE(label("lblDecimal"), decimal);
    QVERIFY(m_recorder->events.isEmpty());
}

void TestEntry::hexEditInTheMiddle()
{
    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys("1239");
    pressKey(Qt::Key_Home);
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Right, Qt::ShiftModifier);
    typeKeys("5");
    QCOMPARE(field("txtHex")->text(), QStringLiteral("1539"));
    QCOMPARE(label("lblBinary"), QStringLiteral("0001010100111001"));
    QCOMPARE(label("lblDecimal"), QStringLiteral("5433"));
}

void TestEntry::hexBackspaceKeepsDecimal()
{
    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys("A");
    pressKey(Qt::Key_Backspace);
    QVERIFY(label("lblBinary").isEmpty());
    QCOMPARE(label("lblDecimal"), QStringLiteral("10"));
}

void TestEntry::hexRefusedKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("lower-case a") << "a" << 0;
    QTest::newRow("colon between 9 and A") << ":" << 0;
    QTest::newRow("G") << "G" << 0;
    QTest::newRow("blank") << " " << 0;
    QTest::newRow("enter") << "" << int(Qt::Key_Return);
    QTest::newRow("escape") << "" << int(Qt::Key_Escape);
}

void TestEntry::hexRefusedKeys()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys("1F");
    QString textWhileBoxOpen;
    m_recorder->onBox = [&](const MessageRecorder::Event &) {
        textWhileBoxOpen = field("txtHex")->text();
    };
    if (key)
        pressKey(Qt::Key(key));
    else
        typeKeys(typed);
    QCOMPARE(m_recorder->events.size(), 2);
    const MessageRecorder::Event box = m_recorder->events[0];
    QVERIFY(!box.isBeep);
    QCOMPARE(box.text, QStringLiteral("Use only CAPITAL letters (A-F) for hex values!"));
    QCOMPARE(box.icon, platform::MsgIcon::Critical);
    QCOMPARE(box.title, QStringLiteral("voxtrel.org"));
    QVERIFY(m_recorder->events[1].isBeep);
    QCOMPARE(textWhileBoxOpen, QStringLiteral("1F"));
    QCOMPARE(field("txtHex")->text(), QStringLiteral("1F"));
    QCOMPARE(label("lblDecimal"), QStringLiteral("31"));
    pressKey(Qt::Key_Backspace);
    QCOMPARE(field("txtHex")->text(), QStringLiteral("1"));
    QCOMPARE(m_recorder->events.size(), 2);
}

void TestEntry::hexPasted_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("decimal");
    // A pasted text without any digit leaves the decimal of the "A" typed first.
    QTest::newRow("stray letter") << "1x3"
                                  << "00010011"
                                  << "19";
    QTest::newRow("lower case") << "1a"
                                << "00011010"
                                << "26";
    QTest::newRow("prefix") << "0xff"
                            << "000011111111"
                            << "255";
    QTest::newRow("no digits") << "xyz"
                               << ""
                               << "10";
    QTest::newRow("unicode and controls") << QString::fromUtf8("\uFF21\t\u00e9") << ""
                                          << "10";
    QTest::newRow("long paste cut to eight") << "123456789ABC"
                                             << "00010010001101000101011001111000"
                                             << "305419896";
}

void TestEntry::hexPasted()
{
    QFETCH(QString, pasted);
    QFETCH(QString, binary);
    QFETCH(QString, decimal);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys("A");
    pressKey(Qt::Key_Backspace);
    paste(pasted);
    QVERIFY(field("txtHex")->text().size() <= 8);
    QCOMPARE(label("lblBinary"), binary);
    QCOMPARE(label("lblDecimal"), decimal);
    QVERIFY(m_recorder->events.isEmpty());
}

void TestEntry::binaryCalculation_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::newRow("all empty") << QStringList{"-", "-", "-", "-", "-"} << "0"
                               << "0";
    QTest::newRow("box 0 full") << QStringList{"-", "-", "-", "-", "1111"} << "15"
                                << "F";
    QTest::newRow("box 1 one") << QStringList{"-", "-", "-", "0001", "-"} << "16"
                               << "10";
    QTest::newRow("box 1 two") << QStringList{"-", "-", "-", "0010", "-"} << "32"
                               << "20";
    QTest::newRow("box 1 nine") << QStringList{"-", "-", "-", "1001", "-"} << "144"
                                << "90";
    QTest::newRow("box 2 seven") << QStringList{"-", "-", "0111", "-", "-"} << "1792"
                                 << "700";
    QTest::newRow("box 4 one") << QStringList{"0001", "0000", "0000", "0000", "0000"} << "65536"
                               << "10000";
    QTest::newRow("mixed") << QStringList{"0101", "1010", "0011", "1100", "0110"} << "369606"
                           << "5A3C6";
    QTest::newRow("largest") << QStringList{"1111", "1111", "1111", "1111", "1111"} << "1048575"
                             << "FFFFF";
}

void TestEntry::binaryCalculation()
{
    QFETCH(QStringList, groups);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    pressKey(Qt::Key_B, Qt::ControlModifier);
    enterGroups(groups);
    calculate();
    QCOMPARE(label("lblDecimal"), decimal);
    QCOMPARE(label("lblHex"), hex);
    QCOMPARE(QApplication::focusWidget(), box(0));
    // Pressing again gives the same and leaves the boxes as they were.
    calculate();
    QCOMPARE(label("lblDecimal"), decimal);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(box(k)->text(), groups[4 - k] == u"-" ? QString() : groups[4 - k]);
}

void TestEntry::binaryFocusMovesLeftAsBoxesFill()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    typeKeys("1010");
    QCOMPARE(QApplication::focusWidget(), box(1));
    typeKeys("0000111100001100");
    QCOMPARE(QApplication::focusWidget(), box(4));
    typeKeys("1");
    QCOMPARE(box(4)->text(), QStringLiteral("1100"));
    QCOMPARE(m_recorder->beeps(), 0);
    QVERIFY(label("lblDecimal").isEmpty());
}

void TestEntry::binaryBackspaceWithTwoFullBoxes()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    typeKeys("00011010");
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), box(0));
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Backspace);
    QCOMPARE(box(0)->text(), QStringLiteral("000"));
    QCOMPARE(QApplication::focusWidget(), box(2));
}

void TestEntry::binaryRefusedKeys()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    typeKeys("1");
    typeKeys("2a ");
    pressKey(Qt::Key_Return);
    QCOMPARE(box(0)->text(), QStringLiteral("1"));
    QCOMPARE(m_recorder->beeps(), 4);
    QVERIFY(m_recorder->boxes().isEmpty());
}

void TestEntry::binaryShortGroupReadWithLeadingZeros()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    pressKey(Qt::Key_Tab);
    typeKeys("11");
    calculate();
    QCOMPARE(label("lblDecimal"), QStringLiteral("48"));
    QCOMPARE(label("lblHex"), QStringLiteral("30"));
}

void TestEntry::binaryPastedGroupIsRefused()
{
    pressKey(Qt::Key_B, Qt::ControlModifier);
    typeKeys("0111");
    calculate();
    QCOMPARE(label("lblDecimal"), QStringLiteral("7"));
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Tab);
    paste(QStringLiteral("1a"));
    QCOMPARE(box(2)->text(), QStringLiteral("1a"));
    calculate();
    QCOMPARE(label("lblDecimal"), QStringLiteral("7"));
    QCOMPARE(label("lblHex"), QStringLiteral("7"));
    QCOMPARE(m_recorder->beeps(), 1);
    QCOMPARE(QApplication::focusWidget(), box(2));
}

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
