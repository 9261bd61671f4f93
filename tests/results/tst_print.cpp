#include "pdftext.h"
#include "support/testsupport.h"

#include "platform/printer.h"
#include "results/exporttexts.h"
#include "results/resultblock.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>

namespace {

// The average character width, in points, of the printer's font at points size,
// measured at the 1,200 dots per inch that printouts are laid out in.
qreal averageCharWidth(int points)
{
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    QFont font;
    font.setPointSize(points);
    return QFontMetricsF(font, &device).averageCharWidth() * 72 / 1200;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(m_pdf); }
    void printoutLayout();
    void longListGoesOnOverPages();
    void noDefaultPrinterIsReported();

private:
    QTemporaryDir m_dir;
    const QString m_pdf = m_dir.filePath(QStringLiteral("printout.pdf"));
};

void TestPrint::printoutLayout()
{
    QStringList entries = results::resultBlock(QStringLiteral("Decimal"), QStringLiteral("255"),
                                               QStringLiteral("FF"), QStringLiteral("11111111"));
    entries += results::resultBlock(QStringLiteral("Hex"), QStringLiteral("31"),
                                    QStringLiteral("1F"), QStringLiteral("00011111"));
    results::printResults(*platform::openPdfPrinter(m_pdf, QStringLiteral("layout")), entries);
    const QList<PdfLine> lines = pdfLines(m_pdf);
    QStringList expected{QStringLiteral("https://voxtrel.org")};
    for (const QString &entry : std::as_const(entries))
        expected.append(entry.simplified());
    QCOMPARE(texts(lines), expected);

    const PdfLine &address = lines[0];
    const PdfLine &first = lines[1];
    const qreal pitch = lines[2].box.top() - first.box.top();
    // Text heights scale with the font size: 6 points against 10.
    QVERIFY(qAbs(address.box.height() / first.box.height() - 0.6) < 0.02);
    // An empty line of 10 points lies between the address and the entries.
    QVERIFY(first.box.top() - address.box.top() > 1.5 * pitch);
    // Each column is an average character of the line's own font wide: the address
    // starts in column 80 of its small font, the entries in column 10.
    QVERIFY(qAbs(address.box.left() - first.box.left() -
                 (79 * averageCharWidth(6) - 9 * averageCharWidth(10))) < 0.5);
    for (const PdfLine &entry : lines.mid(1))
        QCOMPARE(entry.box.left(), first.box.left());
}

void TestPrint::longListGoesOnOverPages()
{
    QStringList entries;
    for (int i = 0; i < 300; ++i)
        entries.append(QStringLiteral("entry %1").arg(i));
    results::printResults(*platform::openPdfPrinter(m_pdf, QStringLiteral("long")), entries);
    const QList<PdfLine> lines = pdfLines(m_pdf);
    QCOMPARE(texts(lines.mid(1)), entries);
    QVERIFY(lines.last().page >= 4);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        // Each page is filled before the next begins, and no line leaves its page.
        const bool newPage = lines[i].page != lines[i - 1].page;
        QVERIFY(newPage ? lines[i].box.top() < lines[i - 1].box.top()
                        : lines[i].box.top() > lines[i - 1].box.top());
    }
}

// The test runs with a print server address that leads nowhere.
void TestPrint::noDefaultPrinterIsReported()
{
    MessageRecorder recorder;
    const auto window = showMainWindow();
    pressKey(Qt::Key_F2);
    pressKey(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(recorder.boxes().size(), 1);
    const MessageRecorder::Event box = recorder.boxes().first();
    QCOMPARE(box.text, QStringLiteral("You have a problem!"));
    QCOMPARE(box.icon, platform::MsgIcon::Critical);
    QCOMPARE(box.title, QStringLiteral("voxtrel.org"));
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
