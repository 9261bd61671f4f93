// Start-up probe: starts a program on the X server named by DISPLAY and reports
// how long it takes from exec to the first paint of its first top-level window,
// and how much memory it holds once it has settled. Then it ends the program.
//
//   voxtrel_probe [-v] [--settle MS] [--timeout MS] -- PROGRAM [ARGS...]
//
// Prints one line: "<first paint in ms> <resident KiB> <processor time in ms>".
// With -v every window event is logged to stderr with its time, to check what
// was taken as the paint. Exits with 3 when the machine was too busy to see the
// paint happen (the run is lost and worth repeating), 1 on other failures.
//
// "First paint" is the first DAMAGE report on a mapped top-level window of the
// program after which the window shows more than one flat colour: the moment the
// program's own drawing lands in its window. MapNotify and Expose come earlier,
// while the window is still empty, and would flatter a program that does its work
// between mapping and painting. A window with a background is filled by the server
// as it is mapped; that fill is one flat colour and so is not taken for the paint
// (Qt creates its windows without a background and paints them whole at once).
// Meant for a private X server without a window manager, whose frames would
// count as windows too, and with a root window of one colour (Xvfb -br), which
// is what a window without a background shows until it is painted.

#include <X11/extensions/Xdamage.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows may vanish between the report that announces them and our requests
// about them; such errors are expected and harmless.
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

std::optional<long> residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return std::nullopt;
}

// The pid a window announces through _NET_WM_PID, if it does.
std::optional<long> windowPid(Display *dpy, Window window)
{
    static const Atom netWmPid = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(dpy, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32 && count == 1)
        pid = *reinterpret_cast<long *>(data);
    if (data)
        XFree(data);
    return pid;
}

// Whether the area of window holds a single colour, as after the server's fill.
bool isFlat(Display *dpy, Window window, const XRectangle &area)
{
    XImage *image =
        XGetImage(dpy, window, area.x, area.y, area.width, area.height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long colour = XGetPixel(image, 0, 0);
    bool flat = true;
    for (int y = 0; flat && y < image->height; ++y) {
        for (int x = 0; flat && x < image->width; ++x)
            flat = XGetPixel(image, x, y) == colour;
    }
    XDestroyImage(image);
    return flat;
}

bool hasExited(pid_t pid, rusage *usage = nullptr)
{
    int status = 0;
    return wait4(pid, &status, WNOHANG, usage) == pid;
}

double cpuMs(const rusage &usage)
{
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Ends the program and returns the processor time it used in all, which unlike
// the time to the first paint does not depend on what else the machine runs.
double endProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto start = Clock::now();
    rusage usage{};
    while (!hasExited(pid, &usage)) {
        if (msSince(start) > 2000) {
            kill(pid, SIGKILL);
            wait4(pid, nullptr, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return cpuMs(usage);
}

// Resident memory once the program has stopped growing: read after a quiet
// period, then again every 100 ms until two readings agree (at most 2 s more).
long settledResidentKiB(pid_t pid, int settleMs)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    long last = residentKiB(pid).value_or(0);
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const long now = residentKiB(pid).value_or(0);
        if (now == last)
            break;
        last = now;
    }
    return last;
}

struct TrackedWindow
{
    Damage damage = None;
    unsigned long watchedFrom = 0; // serial of the request that made the Damage
    bool mapped = false;
};

// Whether the whole of window holds a single colour.
bool isBlank(Display *dpy, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(dpy, window, &attributes))
        return true;
    const XRectangle whole{0, 0, static_cast<unsigned short>(attributes.width),
                           static_cast<unsigned short>(attributes.height)};
    return isFlat(dpy, window, whole);
}

int usage()
{
    std::fprintf(stderr, "usage: voxtrel_probe [-v] [--settle MS] [--timeout MS] -- PROGRAM "
                         "[ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    bool verbose = false;
    int settleMs = 500;
    int timeoutMs = 10000;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (arg == "-v")
            verbose = true;
        else if (arg == "--settle" && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (arg == "--timeout" && first + 1 < argc)
            timeoutMs = std::atoi(argv[++first]);
        else
            return usage();
    }
    if (first >= argc)
        return usage();

    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "voxtrel_probe: cannot open the X display (is DISPLAY set?)\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "voxtrel_probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(dpy);
    // Every top-level window is a child of the root: its creation and mapping are
    // reported here before the program can draw into it.
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    pid_t pid = 0;
    const auto start = Clock::now();
    // posix_spawn returns once the exec has happened (or failed).
    if (const int err = posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ)) {
        std::fprintf(stderr, "voxtrel_probe: cannot start %s: %s\n", argv[first],
                     std::strerror(err));
        return 1;
    }

    std::unordered_map<Window, TrackedWindow> windows;
    std::optional<double> paintMs;
    while (!paintMs) {
        if (hasExited(pid)) {
            std::fprintf(stderr, "voxtrel_probe: %s ended before it painted a window\n",
                         argv[first]);
            return 1;
        }
        if (msSince(start) > timeoutMs) {
            std::fprintf(stderr, "voxtrel_probe: no window painted within %d ms\n", timeoutMs);
            endProgram(pid);
            return 1;
        }
        if (!XPending(dpy)) {
            pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&fd, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(dpy, &event);
        const double at = msSince(start);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            const Window w = event.xcreatewindow.window;
            windows[w].watchedFrom = NextRequest(dpy);
            windows[w].damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
            if (verbose)
                std::fprintf(stderr, "%8.2f ms  create 0x%lx %dx%d\n", at, w,
                             event.xcreatewindow.width, event.xcreatewindow.height);
        } else if (event.type == MapNotify && windows.count(event.xmap.window)) {
            TrackedWindow &tracked = windows[event.xmap.window];
            tracked.mapped = true;
            if (verbose)
                std::fprintf(stderr, "%8.2f ms  map    0x%lx\n", at, event.xmap.window);
            // A busy machine may let the program map and paint its window before
            // the server has seen our Damage: the map then carries an older serial.
            // If the window already shows its paint, the time of it is lost.
            if (event.xmap.serial < tracked.watchedFrom &&
                windowPid(dpy, event.xmap.window).value_or(pid) == pid &&
                !isBlank(dpy, event.xmap.window)) {
                std::fprintf(stderr, "voxtrel_probe: the program painted before its window was "
                                     "watched; run again\n");
                endProgram(pid);
                return 3;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            const auto found = windows.find(damage.drawable);
            if (found == windows.end())
                continue;
            // Rearm the report, so that a skipped fill does not hide the next paint.
            XDamageSubtract(dpy, damage.damage, None, None);
            const std::optional<long> owner = windowPid(dpy, damage.drawable);
            const bool ours = !owner || *owner == pid;
            const bool counts =
                found->second.mapped && ours && !isFlat(dpy, damage.drawable, damage.area);
            if (verbose)
                std::fprintf(stderr, "%8.2f ms  damage 0x%lx %dx%d%s\n", at, damage.drawable,
                             damage.area.width, damage.area.height,
                             counts ? "  <- first paint"
                             : ours ? "  (not painted yet)"
                                    : "  (another program's window)");
            if (counts)
                paintMs = at;
        }
    }

    const long rss = settledResidentKiB(pid, settleMs);
    const double cpu = endProgram(pid);
    XCloseDisplay(dpy);
    std::printf("%.2f %ld %.2f\n", *paintMs, rss, cpu);
    return 0;
}
