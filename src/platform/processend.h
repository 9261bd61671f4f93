#pragma once

#include <functional>

// The end of the process. The program ends only here, at once and without a
// further event reaching any window: no second close event, no timer, no posted
// event. qApp->quit() would not do: it runs the window's close event again inside
// the call and still delivers what is pending.
namespace platform {

void endProcess(int status);

// Tests put a recorder in place of the end, which then returns to its caller; an
// empty function restores the real end.
void setProcessEnder(std::function<void(int status)> ender);

} // namespace platform
