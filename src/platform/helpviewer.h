#pragma once

#include <cstdint>

class QWidget;

// The program's own help viewer, asked in the shape of the system's help call:
// owner window, help file, command, and the command's data. A help file is HTML
// whatever its name says; its contents page is the document itself, from the top.
namespace platform {

// Show the contents page of the file; the data is ignored.
inline constexpr std::uint32_t helpContents = 3;

// Carries out command on helpFile (a zero-terminated path in the 8-bit code page)
// in a help window "frmHelp" that owner owns: made on first use, not modal, shown
// again and brought to the front by every further call. Returns the viewer's success
// flag, false for a command it does not know or a file it cannot read; the window
// then says itself what is wrong with the file. Throws Failure when the viewer cannot
// be asked at all: without an owner window or without a file name.
bool showHelp(QWidget *owner, const char *helpFile, std::uint32_t command, const void *data);

} // namespace platform
