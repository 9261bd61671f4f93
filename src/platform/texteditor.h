#pragma once

#include <QString>

namespace platform {

// Starts the system's text editor in its own window, with no file and no
// arguments, and does not wait for it. Returns false when it cannot be started,
// with whyNot telling the user why.
bool startTextEditor(QString &whyNot);

} // namespace platform
