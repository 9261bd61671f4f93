// Times the results list's operations on the real main window, offscreen, on
// lists of 1,000, 8,000 and 32,767 entries: filling the list with Add to Result,
// Select All, Copy, Save As (to a temporary file, the dialog bypassed), Print
// Result (to a PDF file, as the print system would receive it) and Clear Result.
// Each operation is timed once, with the repaint that follows it. Add to Result
// appends blocks of five, so the largest list is the fullest one it can reach,
// 32,765 entries; one more Add there is refused, and timed too.

#include "app/frmmain.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <vector>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

// Only a full list may bring a box; any other means the bench no longer measures
// what it says.
class CountBoxes : public platform::Notifier
{
public:
    void msgBox(const QString &text, platform::MsgIcon, const QString &) override
    {
        if (!text.contains(QStringLiteral("full"))) {
            std::fprintf(stderr, "bench_list: unexpected message box: %s\n", qPrintable(text));
            std::exit(1);
        }
        ++fullBoxes;
    }
    void beep() override {}
    int fullBoxes = 0;
};

template <typename T> T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "bench_list: the window has no control %s\n", name);
        std::exit(1);
    }
    return found;
}

// Runs act and the repaint that follows it; milliseconds.
double timed(const std::function<void()> &act)
{
    QCoreApplication::processEvents();
    const auto start = Clock::now();
    act();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "bench_list: %s\n", what);
        std::exit(1);
    }
}

void report(int size, const char *operation, double ms, const QString &note = {})
{
    std::printf("%7d  %-30s %10.1f ms  %s\n", size, operation, ms, qPrintable(note));
    std::fflush(stdout);
}

// The files Save As and Print Result write to, in place of the dialog and the printer.
struct Outputs
{
    QString saved;
    QString printout;
};

void benchSize(int size, const QTemporaryDir &dir, CountBoxes &boxes, Outputs &outputs,
               platform::Services &services)
{
    FrmMain window(services);
    window.show();
    window.activateWindow();
    check(QTest::qWaitForWindowExposed(&window), "the main window was not shown");
    auto *list = control<QListWidget>(window, "lstResult");
    control<QLineEdit>(window, "txtDecimal")->setText(QStringLiteral("123456789"));

    const int adds = (std::min(size, 32765) + 4) / 5;
    std::vector<double> addMs;
    addMs.reserve(adds);
    for (int i = 0; i < adds; ++i)
        addMs.push_back(timed([&] { control<QAction>(window, "mnuFileAdd")->trigger(); }));
    const double fill = std::accumulate(addMs.begin(), addMs.end(), 0.0);
    check(list->count() == adds * 5, "Add to Result did not fill the list");
    std::vector<double> last(addMs.end() - std::min<int>(adds, 100), addMs.end());
    std::sort(last.begin(), last.end());
    report(size, "fill by Add to Result", fill,
           QStringLiteral("%1 Adds, %2 entries; median of the last 100: %3 ms")
               .arg(adds)
               .arg(list->count())
               .arg(last[last.size() / 2], 0, 'f', 3));
    if (size > 32765) {
        const double refused = timed([&] { control<QAction>(window, "mnuFileAdd")->trigger(); });
        check(boxes.fullBoxes == 1 && list->count() == 32765, "a full list took more entries");
        report(size, "Add to Result on a full list", refused, QStringLiteral("refused"));
    }

    report(size, "Select All",
           timed([&] { control<QAction>(window, "mnuEditSelect")->trigger(); }));
    check(list->selectedItems().size() == list->count(), "Select All missed entries");

    const double copy = timed([&] { control<QAction>(window, "mnuEditCopy")->trigger(); });
    const qsizetype copied = QGuiApplication::clipboard()->text().size();
    check(copied > list->count() * 12, "Copy left the clipboard short");
    report(size, "Copy", copy, QStringLiteral("%1 characters").arg(copied));

    outputs.saved = dir.filePath(QStringLiteral("results-%1.TXT").arg(size));
    const double save = timed([&] { control<QAction>(window, "mnuFileSaveas")->trigger(); });
    const qint64 savedSize = QFileInfo(outputs.saved).size();
    check(savedSize > list->count() * 14, "Save As wrote a short file");
    report(size, "Save As", save, QStringLiteral("%1 bytes").arg(savedSize));

    outputs.printout = dir.filePath(QStringLiteral("printout-%1.pdf").arg(size));
    const double print = timed([&] { control<QAction>(window, "mnuFilePrint")->trigger(); });
    check(QFileInfo::exists(outputs.printout), "Print Result printed nothing");
    report(size, "Print Result (to PDF)", print,
           QStringLiteral("%1 bytes").arg(QFileInfo(outputs.printout).size()));

    report(size, "Clear Result",
           timed([&] { control<QAction>(window, "mnuFileClear")->trigger(); }));
    check(list->count() == 0, "Clear Result left entries");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CountBoxes boxes;
    Outputs outputs;
    const auto registry = platform::registry::systemRegistry();
    platform::Services services{
        boxes,
        [](int) {},
        [&](const platform::CommonSave &) { return outputs.saved; },
        *registry,
        {},
        [&](const QString &name) { return platform::openPdfPrinter(outputs.printout, name); }};
    QTemporaryDir dir;
    check(dir.isValid(), "no temporary folder");

    std::printf("%7s  %-30s %13s  %s\n", "entries", "operation", "time", "");
    for (int size : {1000, 8000, 32767})
        benchSize(size, dir, boxes, outputs, services);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
