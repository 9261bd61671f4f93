#include "platform/printer.h"
#include "results/exporttexts.h"
#include "results/resultblock.h"

#include <QTest>

using namespace results;
using QTest::newRow;

namespace {
const QString rule = "----------------------------------------"
                     "----------------------------------------";
const QByteArray greeting = "\"Thank you for using Voxtrel\"\r\n";
const QByteArray closing = "\"Please visit https://voxtrel.org\"\r\n";
// The calls a printout makes, each followed by "|".
struct Printout : platform::LinePrinter
{
    QString calls;
    void setFontSize(int points) override { calls += QString("%1pt|").arg(points); }
    void printLine(int column, const QString &text) override
    {
        calls += QString("%1 %2|").arg(column).arg(text);
    }
    void endDoc() override { calls += "end"; }
};
} // namespace

class TestResults : public QObject
{
    Q_OBJECT
private slots:
    void block_data()
    {
        QTest::addColumn<QStringList>("texts"); // input base, decimal, hex, binary
        QTest::addColumn<QStringList>("block");
        newRow("hex") << QStringList{"Hex", "31", "1F", "00011111"}
                      << QStringList{"The result from Hex is:", "Decimal   31", "Hex          1F",
                                     "Binary      00011111", rule};
        newRow("binary, not calculated")
            << QStringList{"Binary", "", "", "0001 1010   "}
            << QStringList{"The result from Binary is:", "Decimal   ", "Hex          ",
                           "Binary      0001 1010   ", rule};
    }
    void block()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, block);
        QCOMPARE(resultBlock(texts[0], texts[1], texts[2], texts[3]), block);
    }

    // Whether a list of count entries takes five more.
    void fits_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("fits");
        newRow("empty") << 0 << true;
        newRow("full after") << 32762 << true;
        newRow("one too many") << 32763 << false;
        newRow("full") << 32767 << false;
    }
    void fits()
    {
        QFETCH(int, count);
        QFETCH(bool, fits);
        QCOMPARE(fitsInList(count, 5), fits);
    }

    // The list saved, copied with the entries marked "1" selected, and printed.
    void exports_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("printout");
        newRow("empty") << QStringList{} << "" << greeting + closing << ""
                        << "6pt|80 https://voxtrel.org|10pt|1 |end";
        newRow("none selected") << QStringList{"a", "b"} << "00"
                                << greeting + "\"a\"\r\n\"b\"\r\n" + closing << ""
                                << "6pt|80 https://voxtrel.org|10pt|1 |10 a|10 b|end";
        newRow("quotes, blank, é")
            << QStringList{"say \"é\"", "", "Hex          1F"} << "111"
            << greeting + "\"say \"\xc3\xa9\"\"\r\n\"\"\r\n\"Hex          1F\"\r\n" + closing
            << "\r\nsay \"é\"\r\n\r\nHex          1F"
            << "6pt|80 https://voxtrel.org|10pt|1 |10 say \"é\"|10 |10 Hex          1F|end";
        newRow("some selected, in order")
            << QStringList{"1", "2", "3"} << "101"
            << greeting + "\"1\"\r\n\"2\"\r\n\"3\"\r\n" + closing << "\r\n1\r\n3"
            << "6pt|80 https://voxtrel.org|10pt|1 |10 1|10 2|10 3|end";
    }
    void exports()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, selected);
        QFETCH(QByteArray, file);
        QFETCH(QString, clipboard);
        QFETCH(QString, printout);
        QCOMPARE(savedFileBytes(entries), file);
        std::vector<bool> chosen;
        for (QChar mark : selected)
            chosen.push_back(mark == u'1');
        QCOMPARE(clipboardText(entries, chosen), clipboard);
        Printout printer;
        printResults(printer, entries);
        QCOMPARE(printer.calls, printout);
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
