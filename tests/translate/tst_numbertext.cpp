#include "translate/nibbletable.h"
#include "translate/numbertext.h"

#include <QTest>

using namespace translate;

// Unreadable text in the tables below.
constexpr qint64 unreadable = -1;

// What the entry fields cannot reach or show on their own: every row of the nibble
// table, exact lookups, and the edges of reading pasted text.
class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void nibbleTableRows()
    {
        const char *digits = "0123456789ABCDEF";
        for (int value = 0; value < 16; ++value) {
            const NibbleRow &row = nibbleTable[value];
            QCOMPARE(row.value, value);
            QCOMPARE(row.hexDigit, QChar(QLatin1Char(digits[value])));
            QCOMPARE(row.pattern.toString(),
                     QString::number(value, 2).rightJustified(4, QLatin1Char('0')));
        }
    }

    void nibbleLookupsAreExact_data()
    {
        QTest::addColumn<QString>("hexDigit");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("found");
        const auto row = [](const char *name, const char *digit, const char *pattern, bool found) {
            QTest::newRow(name) << digit << pattern << found;
        };
        row("capital digit, whole pattern", "B", "1011", true);
        row("lower-case digit, short pattern", "b", "101", false);
        row("colon between 9 and A, long pattern", ":", "10110", false);
        row("G, pattern with blank", "G", "1 01", false);
    }

    void nibbleLookupsAreExact()
    {
        QFETCH(QString, hexDigit);
        QFETCH(QString, pattern);
        QFETCH(bool, found);
        QCOMPARE(rowForHexDigit(hexDigit.front()) != nullptr, found);
        QCOMPARE(rowForPattern(pattern) != nullptr, found);
    }

    void readDecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        const auto row = [](const char *name, const QString &text, qint64 value) {
            QTest::newRow(name) << text << value;
        };
        row("lowest 32-bit", "-2147483648", 0x80000000);
        row("highest 32-bit", "2147483647", 0x7FFFFFFF);
        row("past 32-bit", "2147483648", unreadable);
        row("empty", "", unreadable);
        row("sign alone", "-", unreadable);
        row("exponent", "1e3", unreadable);
        row("prefix", "0x1F", unreadable);
        row("group separator", "1,000", unreadable);
        row("blank inside", "1 2", unreadable);
        row("arabic-indic digit", QString::fromUtf8("\u0663"), unreadable);
    }

    void readDecimal()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        const std::optional<quint32> read = translate::readDecimal(text);
        QCOMPARE(read ? qint64(*read) : unreadable, value);
    }

    // The characters on either side of each range of hexadecimal digits.
    void hexDigitsOfPastedText()
    {
        QCOMPARE(hexDigitsOf(u"/09:@AFG`afg"), QStringLiteral("09AFAF"));
    }

    void binaryGroups_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<qint64>("value");
        QTest::newRow("one digit") << "1" << qint64(1);
        QTest::newRow("not binary") << "12" << unreadable;
        QTest::newRow("blank") << "1 1" << unreadable;
        QTest::newRow("too long") << "10101" << unreadable;
    }

    void binaryGroups()
    {
        QFETCH(QString, group);
        QFETCH(qint64, value);
        const std::optional<quint32> read = binaryGroupValue(group);
        QCOMPARE(read ? qint64(*read) : unreadable, value);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
