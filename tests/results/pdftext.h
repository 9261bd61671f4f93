#pragma once

#include <QRectF>
#include <QStringList>

// The lines of text in a PDF file as pdftotext reads them, in reading order: each
// with its page (from 1) and the box round its words, in points from the page's
// top left corner. pdftotext keeps no spaces, so the words of a line are joined by
// one space. An empty list, with a warning, when the file cannot be read.
struct PdfLine
{
    QString text;
    int page = 0;
    QRectF box;
};

QList<PdfLine> pdfLines(const QString &path);
QStringList texts(const QList<PdfLine> &lines);
