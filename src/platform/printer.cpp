#include "platform/printer.h"

#include "platform/failure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {

// Print columns: column 1 is the left edge of the printable area and every column
// is as wide as an average character of the current font, so text at column n
// starts n - 1 average character widths in. Lines follow one another at the line
// spacing of their own font, from the top of the printable area.
class QtLinePrinter : public LinePrinter
{
public:
    explicit QtLinePrinter(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

    void begin()
    {
        // Without a print system begin() fails here rather than at the first line.
        if (!m_painter.begin(m_printer.get()))
            throw Failure(QStringLiteral("The printer cannot start a print job."));
        setFontSize(m_font.pointSize());
    }

    void setFontSize(int points) override
    {
        m_font.setPointSize(points);
        m_painter.setFont(m_font);
        const QFontMetricsF metrics(m_font, m_printer.get());
        m_columnWidth = metrics.averageCharWidth();
        m_lineSpacing = metrics.lineSpacing();
        m_ascent = metrics.ascent();
    }

    void printLine(int column, const QString &text) override
    {
        if (m_y > 0 && m_y + m_lineSpacing > m_printer->height()) {
            if (!m_printer->newPage())
                throw Failure(QStringLiteral("The printer cannot start a new page."));
            m_y = 0;
        }
        m_painter.drawText(QPointF((column - 1) * m_columnWidth, m_y + m_ascent), text);
        m_y += m_lineSpacing;
    }

    void endDoc() override
    {
        if (!m_painter.end())
            throw Failure(QStringLiteral("The printer cannot end the print job."));
    }

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    qreal m_columnWidth = 0;
    qreal m_lineSpacing = 0;
    qreal m_ascent = 0;
    qreal m_y = 0;
};

std::unique_ptr<LinePrinter> open(std::unique_ptr<QPrinter> printer, const QString &documentName)
{
    printer->setDocName(documentName);
    auto linePrinter = std::make_unique<QtLinePrinter>(std::move(printer));
    linePrinter->begin();
    return linePrinter;
}

} // namespace

std::unique_ptr<LinePrinter> openDefaultPrinter(const QString &documentName)
{
    // Given no printer, QPrinter would quietly write a PDF file instead.
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        throw Failure(QStringLiteral("There is no default printer."));
    return open(std::make_unique<QPrinter>(printer, QPrinter::HighResolution), documentName);
}

std::unique_ptr<LinePrinter> openPdfPrinter(const QString &path, const QString &documentName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return open(std::move(printer), documentName);
}

} // namespace platform
