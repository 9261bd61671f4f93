#include "translate/nibbletable.h"
#include "translate/numbertext.h"

#include <QTest>

using namespace translate;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void nibbleTableRows();
    void nibbleLookupsAreExact_data();
    void nibbleLookupsAreExact();
    void hexAndBinaryOfNumbers_data();
    void hexAndBinaryOfNumbers();
    void readDecimal_data();
    void readDecimal();
    void hexDigitsOfPastedText_data();
    void hexDigitsOfPastedText();
    void binaryGroups_data();
    void binaryGroups();
};

void TestNumberText::nibbleTableRows()
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

void TestNumberText::nibbleLookupsAreExact_data()
{
    QTest::addColumn<QString>("hexDigit");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("found");
    QTest::newRow("capital digit") << "B"
                                   << "1011" << true;
    QTest::newRow("lower-case digit misses") << "b"
                                             << "101" << false;
    QTest::newRow("colon between 9 and A") << ":"
                                           << "10110" << false;
    QTest::newRow("pattern with blank") << "G"
                                        << "1 01" << false;
}

void TestNumberText::nibbleLookupsAreExact()
{
    QFETCH(QString, hexDigit);
    QFETCH(QString, pattern);
    QFETCH(bool, found);
    QCOMPARE(rowForHexDigit(hexDigit.front()) != nullptr, found);
    QCOMPARE(rowForPattern(pattern) != nullptr, found);
}

void TestNumberText::hexAndBinaryOfNumbers_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("binary");
    QTest::newRow("0") << 0u << "0"
                       << "0000";
    QTest::newRow("10") << 10u << "A"
                        << "1010";
    QTest::newRow("16") << 16u << "10"
                        << "00010000";
    QTest::newRow("256") << 256u << "100"
                         << "000100000000";
    QTest::newRow("1048575") << 1048575u << "FFFFF"
                             << "11111111111111111111";
    QTest::newRow("999999999") << 999999999u << "3B9AC9FF"
                               << "00111011100110101100100111111111";
    QTest::newRow("two's complement of -1") << 0xFFFFFFFFu << "FFFFFFFF" << QString(32, u'1');
}

void TestNumberText::hexAndBinaryOfNumbers()
{
    QFETCH(quint32, value);
    QFETCH(QString, hex);
    QFETCH(QString, binary);
    QCOMPARE(hexText(value), hex);
    QCOMPARE(binaryFromHex(hex), binary);
    QCOMPARE(valueOfHexDigits(hex), value);
    QCOMPARE(decimalText(value), QString::number(value));
}

void TestNumberText::readDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<quint32>("value");
    QTest::newRow("leading zeros") << "007" << true << 7u;
    QTest::newRow("largest typed") << "999999999" << true << 999999999u;
    QTest::newRow("blanks around") << "  42 " << true << 42u;
    QTest::newRow("plus sign") << "+5" << true << 5u;
    QTest::newRow("minus one") << "-1" << true << 0xFFFFFFFFu;
    QTest::newRow("lowest 32-bit") << "-2147483648" << true << 0x80000000u;
    QTest::newRow("highest 32-bit") << "2147483647" << true << 0x7FFFFFFFu;
    QTest::newRow("past 32-bit") << "2147483648" << false << 0u;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("sign alone") << "-" << false << 0u;
    QTest::newRow("decimal point") << "1.5" << false << 0u;
    QTest::newRow("exponent") << "1e3" << false << 0u;
    QTest::newRow("prefix") << "0x1F" << false << 0u;
    QTest::newRow("group separator") << "1,000" << false << 0u;
    QTest::newRow("blank inside") << "1 2" << false << 0u;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0663") << false << 0u;
}

void TestNumberText::readDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(quint32, value);
    const std::optional<quint32> read = translate::readDecimal(text);
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, value);
}

void TestNumberText::hexDigitsOfPastedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::newRow("capitals") << "1F"
                              << "1F";
    QTest::newRow("lower case") << "1a"
                                << "1A";
    QTest::newRow("stray letter") << "1x3"
                                  << "13";
    QTest::newRow("prefix") << "0xff"
                            << "0FF";
    QTest::newRow("nothing of hex") << " -:G"
                                    << "";
    QTest::newRow("fullwidth A") << QString::fromUtf8("\uFF21") << "";
}

void TestNumberText::hexDigitsOfPastedText()
{
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(hexDigitsOf(text), digits);
}

void TestNumberText::binaryGroups_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("value");
    QTest::newRow("empty") << "" << true << 0u;
    QTest::newRow("full") << "1001" << true << 9u;
    QTest::newRow("short group padded") << "11" << true << 3u;
    QTest::newRow("one digit") << "1" << true << 1u;
    QTest::newRow("not binary") << "12" << false << 0u;
    QTest::newRow("blank") << "1 1" << false << 0u;
    QTest::newRow("too long") << "10101" << false << 0u;
}

void TestNumberText::binaryGroups()
{
    QFETCH(QString, group);
    QFETCH(bool, valid);
    QFETCH(quint32, value);
    const std::optional<quint32> read = binaryGroupValue(group);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
