#include "pdftext.h"
#include "support/testsupport.h"

#include <QFile>
#include <QProcess>

// Print Result on the system's default printer, end to end. The test runs against
// a print system of its own (testprinter.sh): its default queue writes each job,
// as it arrives, to the file named by VOXTREL_TEST_PRINTOUT.
class TestPrintCups : public QObject
{
    Q_OBJECT

private slots:
    void printsTwoBlocksOnTheDefaultPrinter();
};

namespace {

// The queue's jobs that are not yet completed, as lpstat lists them.
QString pendingJobs()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0)
        return QStringLiteral("lpstat failed: ") +
               QString::fromLocal8Bit(lpstat.readAllStandardError());
    return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).trimmed();
}

} // namespace

void TestPrintCups::printsTwoBlocksOnTheDefaultPrinter()
{
    QVERIFY2(qEnvironmentVariableIsSet("CUPS_SERVER"), "run by CTest, with its print system");
    // A destination named here would take the place of the system's default.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    const QString printout = qEnvironmentVariable("VOXTREL_TEST_PRINTOUT");
    QFile::remove(printout);
    MessageRecorder recorder;
    const auto window = showMainWindow();
    typeKeys(QStringLiteral("255"));
    pressKey(Qt::Key_F2);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    typeKeys(QStringLiteral("1F"));
    pressKey(Qt::Key_F2);

    pressKey(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(recorder.boxes().isEmpty());

    // The queue writes the file while the job runs: it is whole once the job completed.
    QTRY_COMPARE_WITH_TIMEOUT(pendingJobs(), QString(), 30000);
    QFile file(printout);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    // Read back as text, which a queue that re-rendered the job into bitmap fonts
    // would have lost.
    const QString rule(80, u'-');
    QCOMPARE(texts(pdfLines(printout)),
             (QStringList{"https://voxtrel.org", "The result from Decimal is:", "Decimal 255",
                          "Hex FF", "Binary 11111111", rule, "The result from Hex is:",
                          "Decimal 31", "Hex 1F", "Binary 00011111", rule}));
}

QTEST_MAIN(TestPrintCups)
#include "tst_printcups.moc"
