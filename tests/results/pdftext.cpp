#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>

QList<PdfLine> pdfLines(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        qWarning("pdftotext cannot read %s: %s", qPrintable(path),
                 pdftotext.readAllStandardError().constData());
        return {};
    }
    static const QRegularExpression item(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                       R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfLine> lines;
    int page = 0;
    for (const QRegularExpressionMatch &match :
         item.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        if (match.captured(1).isEmpty()) {
            ++page;
            continue;
        }
        const QRectF box(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                         QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
        // Words of one line share their top edge.
        if (!lines.isEmpty() && lines.last().page == page &&
            qAbs(lines.last().box.top() - box.top()) < 0.5) {
            lines.last().text += u' ' + match.captured(5);
            lines.last().box |= box;
        } else {
            lines.append({match.captured(5), page, box});
        }
    }
    return lines;
}

QStringList texts(const QList<PdfLine> &lines)
{
    QStringList result;
    for (const PdfLine &line : lines)
        result.append(line.text);
    return result;
}
