#pragma once

class QObject;

// The end of the program, in two steps. First the seal: from then on no event reaches
// any object of the application (no second close event, no key, click, timer or posted
// event) for as long as its owner, the window that ends, lives. Then the end: the event
// loop returns status to main, which returns it, so that Qt's own shutdown runs. That
// hands what the user copied to the desktop's clipboard manager on X11 and flushes it to
// the system clipboard on Windows, where it outlives the process. qApp->quit() alone
// would not do: it runs the window's close event again and delivers what is pending.
namespace platform {

void sealEvents(QObject &owner);
void endProcess(int status);

} // namespace platform
