#include "translate/nibbletable.h"
#include "translate/numbertext.h"
#include <QTest>
using namespace translate;
using Unit = QString (*)(QStringView); // the result as text: a number, a row, or "none"
const auto number = [](std::optional<quint32> n) { return n ? decimalText(*n) : "none"; };
const auto row = [](const NibbleRow *r) {
    return r ? QStringLiteral("%1 %2 %3").arg(r->pattern).arg(r->hexDigit).arg(r->value) : "none";
};
const Unit hex = [](QStringView n) { return hexText(n.toUInt()); };
const Unit hexValue = [](QStringView digits) { return number(valueOfHexDigits(digits)); };
const Unit reads = [](QStringView text) { return number(readDecimal(text)); };
const Unit group = [](QStringView bits) { return number(binaryGroupValue(bits)); };
const Unit byDigit = [](QStringView digit) { return row(rowForHexDigit(digit.at(0))); };
const Unit byPattern = [](QStringView pattern) { return row(rowForPattern(pattern)); };
class TestTranslate : public QObject
{
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hex") << "4275878552" << hex << "FEDCBA98";
        QTest::newRow("hex value") << "FEDCBA98" << hexValue << "4275878552";
        QTest::newRow("binary") << "0xFe1" << &binaryFromHex << "000011110001";
        QTest::newRow("hex digits") << "0xfa-G gＦé9" << &hexDigitsOf << "0FA9";
        QTest::newRow("read blanks around") << " \u00a01090\t" << reads << "1090";
        QTest::newRow("read plus") << "+5" << reads << "5";
        QTest::newRow("read minus one") << "-1" << reads << "4294967295";
        QTest::newRow("read max") << "2147483647" << reads << "2147483647";
        QTest::newRow("read min") << "-2147483648" << reads << "2147483648";
        QTest::newRow("read above max") << "2147483648" << reads << "none";
        QTest::newRow("read below min") << "-2147483649" << reads << "none";
        QTest::newRow("read blank inside") << "1 234" << reads << "none";
        QTest::newRow("read Arabic-Indic") << "١٢" << reads << "none";
        QTest::newRow("read empty") << "" << reads << "none";
        QTest::newRow("group short") << "111" << group << "7";
        QTest::newRow("group empty") << "" << group << "0";
        for (int v = 0; v < 16; ++v) {
            const QString digit = QString("0123456789ABCDEF").mid(v, 1);
            const QString pattern = QString::number(v, 2).rightJustified(4, u'0');
            const QString expected = pattern + u' ' + digit + u' ' + QString::number(v);
            QTest::addRow("row %d by digit", v) << digit << byDigit << expected;
            QTest::addRow("row %d by pattern", v) << pattern << byPattern << expected;
        }
        QTest::newRow("no row a") << "a" << byDigit << "none";
        QTest::newRow("no row 000") << "000" << byPattern << "none";
        QTest::newRow("no row 00000") << "00000" << byPattern << "none";
        QTest::newRow("no row 0002") << "0002" << byPattern << "none";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(Unit, unit);
        QFETCH(QString, expected);
        QCOMPARE(unit(text), expected);
    }
};
QTEST_GUILESS_MAIN(TestTranslate)
#include "tst_translate.moc"
