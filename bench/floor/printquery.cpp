// Linked into the floor's variant that sets up printing while it starts: asking
// for the default printer loads the print system's plugin and its client
// library and asks the print server, as a program would that looked for its
// printer before showing its window.

#include <QCoreApplication>
#include <QPrinterInfo>

static void findDefaultPrinter()
{
    QPrinterInfo::defaultPrinterName();
}
Q_COREAPP_STARTUP_FUNCTION(findDefaultPrinter)
