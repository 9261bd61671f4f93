#include "support/testsupport.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

// The three entry fields typed into and pasted into as a user does.
class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_savedClipboard = QGuiApplication::clipboard()->text();
        m_recorder = std::make_unique<MessageRecorder>();
        m_window = showMainWindow();
    }

    void cleanup()
    {
        m_window.reset();
        m_recorder.reset();
        QGuiApplication::clipboard()->setText(m_savedClipboard);
    }

    void translation_data()
    {
        QTest::addColumn<int>("modeKey");
        QTest::addColumn<QString>("typed"); // "\b" is Backspace
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("labels"); // decimal, hexadecimal, binary
        const auto row = [](const QString &name, Qt::Key mode, const QString &typed,
                            const QString &pasted, const QString &text, const QStringList &labels) {
            QTest::newRow(qPrintable(name)) << int(mode) << typed << pasted << text << labels;
        };
        const auto decimal = [&](const QString &typed, const char *hex, const QString &binary) {
            row("decimal " + typed, Qt::Key_D, typed, "", typed, {"", hex, binary});
        };
        const auto hex = [&](const QString &typed, const QString &binary, const char *decimal) {
            row("hex " + typed, Qt::Key_H, typed, "", typed, {decimal, "", binary});
        };
        // Pasted into the field emptied of a "7": unreadable text leaves the labels as
        // the "7" left them.
        const auto pasted = [&](const char *name, Qt::Key mode, const QString &pasted,
                                const QString &text, const QStringList &labels) {
            row(name, mode, "7\b", pasted, text, labels);
        };
        decimal("0", "0", "0000");
        decimal("007", "7", "0111");
        decimal("10", "A", "1010");
        decimal("16", "10", "00010000");
        decimal("255", "FF", "11111111");
        decimal("256", "100", "000100000000");
        decimal("1048575", "FFFFF", "11111111111111111111");
        decimal("123456789", "75BCD15", "0111010110111100110100010101");
        decimal("999999999", "3B9AC9FF", "00111011100110101100100111111111");
        hex("0", "0000", "0");
        hex("00", "00000000", "0");
        hex("A", "1010", "10");
        hex("FF", "11111111", "255");
        hex("10", "00010000", "16");
        hex("1239", "0001001000111001", "4665");
        hex("FFFFFFFF", QString(32, u'1'), "4294967295");
        hex("80000000", "1" + QString(31, u'0'), "2147483648");
        // Emptied, the decimal field leaves its labels alone; the hexadecimal field
        // empties only its binary result.
        row("decimal 5, backspace", Qt::Key_D, "5\b", "", "", {"", "5", "0101"});
        row("hex A, backspace", Qt::Key_H, "A\b", "", "", {"10", "", ""});
        const QString nine = "0111010110111100110100010101";
        row("decimal tenth digit", Qt::Key_D, "1234567890", "", "123456789", {"", "75BCD15", nine});
        pasted("decimal minus one", Qt::Key_D, "-1", "-1", {"", "FFFFFFFF", QString(32, u'1')});
        pasted("decimal blanks and sign", Qt::Key_D, " +42 ", " +42 ", {"", "2A", "00101010"});
        pasted("decimal point", Qt::Key_D, "1.5", "1.5", {"", "7", "0111"});
        pasted("decimal cut at nine", Qt::Key_D, "12345678901", "123456789", {"", "75BCD15", nine});
        const QString unicode = QString::fromUtf8("\u0661\u0662\U0001F600");
        pasted("decimal unicode", Qt::Key_D, unicode, unicode, {"", "7", "0111"});
        pasted("hex stray letter", Qt::Key_H, "1x3", "1x3", {"19", "", "00010011"});
        pasted("hex lower case", Qt::Key_H, "1a", "1a", {"26", "", "00011010"});
        pasted("hex prefix", Qt::Key_H, "0xff", "0xff", {"255", "", "000011111111"});
        pasted("hex no digits", Qt::Key_H, "xyz", "xyz", {"7", "", ""});
        const QString wide = QString::fromUtf8("\uFF21\t\u00e9");
        pasted("hex unicode and controls", Qt::Key_H, wide, wide, {"7", "", ""});
        pasted("hex cut at eight", Qt::Key_H, "123456789ABC", "12345678",
               {"305419896", "", "00010010001101000101011001111000"});
    }

    void translation()
    {
        QFETCH(int, modeKey);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QFETCH(QStringList, labels);
        pressKey(Qt::Key(modeKey), Qt::ControlModifier);
        typeKeys(typed);
        if (!pasted.isEmpty())
            paste(pasted);
        QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(), text);
        QCOMPARE(this->labels(), labels);
        QVERIFY(m_recorder->events.isEmpty());
    }

    // Every position is read afresh on every change; keys that type nothing pass
    // the key filter by.
    void hexEditInTheMiddle()
    {
        pressKey(Qt::Key_H, Qt::ControlModifier);
        typeKeys("1239");
        pressKey(Qt::Key_Home);
        pressKey(Qt::Key_Right);
        pressKey(Qt::Key_Right, Qt::ShiftModifier);
        typeKeys("5");
        QCOMPARE(control<QLineEdit>(m_window.get(), "txtHex")->text(), QStringLiteral("1539"));
        QCOMPARE(labels(), (QStringList{"5433", "", "0001010100111001"}));
        QVERIFY(m_recorder->events.isEmpty());
    }

    void refusedKeys_data()
    {
        QTest::addColumn<int>("modeKey");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QKeySequence>("key"); // pressed when nothing is typed
        QTest::addColumn<bool>("box");
        const auto row = [](const char *name, Qt::Key mode, const char *typed,
                            QKeySequence key = {}) {
            QTest::newRow(name) << int(mode) << typed << key << (mode == Qt::Key_H);
        };
        row("decimal letter", Qt::Key_D, "a");
        row("decimal blank", Qt::Key_D, " ");
        row("decimal minus", Qt::Key_D, "-");
        row("decimal point", Qt::Key_D, ".");
        row("decimal enter", Qt::Key_D, "", Qt::Key_Return);
        row("decimal ctrl+v pastes nothing", Qt::Key_D, "", Qt::CTRL | Qt::Key_V);
        row("hex lower-case a", Qt::Key_H, "a");
        row("hex colon between 9 and A", Qt::Key_H, ":");
        row("hex G", Qt::Key_H, "G");
        row("hex blank", Qt::Key_H, " ");
        row("hex enter", Qt::Key_H, "", Qt::Key_Return);
        row("hex escape", Qt::Key_H, "", Qt::Key_Escape);
        row("binary 2", Qt::Key_B, "2");
        row("binary letter", Qt::Key_B, "a");
        row("binary blank", Qt::Key_B, " ");
        row("binary enter", Qt::Key_B, "", Qt::Key_Return);
    }

    void refusedKeys()
    {
        QFETCH(int, modeKey);
        QFETCH(QString, typed);
        QFETCH(QKeySequence, key);
        QFETCH(bool, box);
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        pressKey(Qt::Key(modeKey), Qt::ControlModifier);
        typeKeys("1");
        const QStringList texts = entryTexts(m_window.get());
        const QStringList labels = this->labels();
        QStringList textsWhileBoxOpen;
        m_recorder->onBox = [&](const MessageRecorder::Event &) {
            textsWhileBoxOpen = entryTexts(m_window.get());
        };

        if (typed.isEmpty())
            pressKey(key[0].key(), key[0].keyboardModifiers());
        else
            typeKeys(typed);

        // The box, when there is one, comes before the beep and after the key was discarded.
        QList<MessageRecorder::Event> expected{recordedBeep};
        if (box) {
            expected.prepend({false, "Use only CAPITAL letters (A-F) for hex values!",
                              platform::MsgIcon::Critical, "voxtrel.org"});
            QCOMPARE(textsWhileBoxOpen, texts);
        }
        QCOMPARE(m_recorder->events, expected);
        QCOMPARE(entryTexts(m_window.get()), texts);
        QCOMPARE(this->labels(), labels);
        // Backspace is never refused.
        pressKey(Qt::Key_Backspace);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text().isEmpty());
        QCOMPARE(m_recorder->events, expected);
    }

    void binaryCalculation_data()
    {
        QTest::addColumn<QString>("groups"); // box 4 first, "-" for an empty box
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hex");
        const auto row = [](const char *groups, const char *decimal, const char *hex) {
            QTest::newRow(groups) << groups << decimal << hex;
        };
        row("- - - - -", "0", "0");
        row("- - - - 1111", "15", "F");
        row("- - - 0001 -", "16", "10");
        row("- - - 0010 -", "32", "20");
        row("- - - 1001 -", "144", "90");
        row("- - 0111 - -", "1792", "700");
        row("0001 0000 0000 0000 0000", "65536", "10000");
        row("0101 1010 0011 1100 0110", "369606", "5A3C6");
        row("1111 1111 1111 1111 1111", "1048575", "FFFFF");
        // A short group is read as binary with leading zeros.
        row("- - - 11 -", "48", "30");
    }

    void binaryCalculation()
    {
        QFETCH(QString, groups);
        QFETCH(QString, decimal);
        QFETCH(QString, hex);
        pressKey(Qt::Key_B, Qt::ControlModifier);
        // Each group typed into its box, reached with Tab as a user would.
        QStringList boxTexts = groups.split(u' ').replaceInStrings(QStringLiteral("-"), QString());
        std::reverse(boxTexts.begin(), boxTexts.end());
        for (int k = 0; k < 5; ++k) {
            if (boxTexts[k].isEmpty())
                continue;
            while (QApplication::focusWidget() != box(k))
                pressKey(Qt::Key_Tab);
            typeKeys(boxTexts[k]);
        }
        // Pressed twice: the same results, the boxes untouched, the focus back in box 0.
        for (int press = 0; press < 2; ++press) {
            calculate();
            QCOMPARE(labels(), (QStringList{decimal, hex, ""}));
            QCOMPARE(entryTexts(m_window.get()).mid(2), boxTexts);
            QCOMPARE(QApplication::focusWidget(), box(0));
        }
    }

    void binaryFocusMovesLeftAsBoxesFill()
    {
        pressKey(Qt::Key_B, Qt::ControlModifier);
        typeKeys("1010");
        QCOMPARE(QApplication::focusWidget(), box(1));
        typeKeys("0000111100001100");
        QCOMPARE(QApplication::focusWidget(), box(4));
        typeKeys("1");
        QCOMPARE(box(4)->text(), QStringLiteral("1100"));
        QCOMPARE(m_recorder->beeps(), 0);
        // Nothing is translated before Calculate.
        QCOMPARE(labels(), QStringList(3));
    }

    // With boxes 0 and 1 full, the test on box 1 still holds after a Backspace in box 0.
    void binaryBackspaceWithTwoFullBoxes()
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

    void binaryPastedGroupIsRefused()
    {
        pressKey(Qt::Key_B, Qt::ControlModifier);
        typeKeys("0111");
        calculate();
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Tab);
        paste(QStringLiteral("1a"));
        QCOMPARE(box(2)->text(), QStringLiteral("1a"));
        calculate();
        QCOMPARE(labels(), (QStringList{"7", "7", ""}));
        QCOMPARE(m_recorder->events, QList<MessageRecorder::Event>{recordedBeep});
        QCOMPARE(QApplication::focusWidget(), box(2));
    }

private:
    QStringList labels() { return resultLabels(m_window.get()); }
    QLineEdit *box(int k)
    {
        return control<QLineEdit>(m_window.get(),
                                  qPrintable(QStringLiteral("txtBinary_%1").arg(k)));
    }
    // Shift+Insert pastes with the field's own paste, not through its key filter.
    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), text);
        pressKey(Qt::Key_Insert, Qt::ShiftModifier);
    }
    void calculate()
    {
        QTest::mouseClick(control<QPushButton>(m_window.get(), "cmdCalculate"), Qt::LeftButton);
    }

    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
    QString m_savedClipboard;
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
