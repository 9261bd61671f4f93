// Linked into the floor's print variant only: one reference to print support,
// kept by the compiler although nothing calls it, so that the program loads the
// print library (and the print system's client library behind it) at start-up
// exactly as a program that uses it does. Nothing is constructed or called.

#include <QPrinterInfo>

[[gnu::used]] static const auto printSupportSymbol = &QPrinterInfo::defaultPrinterName;
