#pragma once

#include "platform/commonsave.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/registry.h"

#include <QString>

#include <functional>
#include <memory>

// What the program asks of the system and a test puts a double of its own in place of:
// message boxes and the beep (a modal box would block a test), the end of the program
// (it would end the test), the choice of a file to save to, the registry, the help file
// and the printer. main fills it with the real ones; the window and the subsystems are
// handed it and keep a reference for their life.
namespace platform {

struct Services
{
    Notifier &notifier;
    // Called once the window is sealed (processend.h); the real one is endProcess.
    std::function<void(int status)> endProgram;
    // Empty: the save dialog chooses.
    CommonSave::Chooser chooseSaveFile;
    registry::Registry &registry;
    // The absolute path of the help file QUINDLE.HLP; empty for a program without help.
    QString helpFile;
    // A print job on the printer the program prints to; the real one is openDefaultPrinter.
    std::function<std::unique_ptr<LinePrinter>(const QString &documentName)> openPrinter;
};

} // namespace platform
