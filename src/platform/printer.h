#pragma once

#include <QString>

#include <memory>

// Printing as the program's printouts need it: lines of text, each starting at a
// print column, in a font size given in points. No type of Qt's print support
// shows here, so that it can be loaded when the first printout is made.
namespace platform {

class LinePrinter
{
public:
    virtual ~LinePrinter() = default;

    // Font size in points of the lines printed from now on.
    virtual void setFontSize(int points) = 0;
    // Prints text on a line of its own, starting at print column `column` (the
    // first column is 1); a line that does not fit on the page starts a new one.
    virtual void printLine(int column, const QString &text) = 0;
    // Ends the document, which hands the job to the printer. A printer dropped
    // before this, after a failure, hands on what it printed so far: Qt's print
    // engines here are PDF writers and cannot cancel a job.
    virtual void endDoc() = 0;
};

// Each of these throws Failure on a printing error.

// A print job on the system's default printer, without a print dialog.
std::unique_ptr<LinePrinter> openDefaultPrinter(const QString &documentName);

// The same printout as a PDF file at path, as the print system would receive it.
std::unique_ptr<LinePrinter> openPdfPrinter(const QString &path, const QString &documentName);

} // namespace platform
