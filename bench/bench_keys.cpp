// Times single user actions on the real main window, offscreen: a keystroke into
// each entry field (key filter, change event, both labels), Calculate, and each
// mode switch. Every action is timed alone, many times over; the state it starts
// from is restored between two timings, outside the clock.
//
// "handled" is the time until the action's handlers have run; "painted" adds the
// repaint that follows, as the event loop would do next. Prints the medians and
// the 90th percentiles in microseconds.

#include "app/frmmain.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int WarmUps = 200;
constexpr int Runs = 2000;
constexpr double KeystrokeTargetUs = 50;

// Every action timed here is one the program accepts; a message box or a beep
// means the bench no longer measures what it says, and would block on a box.
class FailOnMessage : public platform::Notifier
{
public:
    void msgBox(const QString &text, platform::MsgIcon, const QString &) override
    {
        std::fprintf(stderr, "bench_keys: unexpected message box: %s\n", qPrintable(text));
        std::exit(1);
    }
    void beep() override
    {
        std::fprintf(stderr, "bench_keys: unexpected beep\n");
        std::exit(1);
    }
};

struct Action
{
    const char *name;
    std::function<void()> prepare; // brings the window to the state the action starts from
    std::function<void()> act;
    std::function<bool()> done; // whether the action had its effect
};

struct Timing
{
    double median;
    double p90;
};

Timing summarise(std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], us[us.size() * 9 / 10]};
}

Timing timeAction(const Action &action, bool withPaint)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> us;
    us.reserve(Runs);
    for (int run = 0; run < WarmUps + Runs; ++run) {
        action.prepare();
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        action.act();
        if (withPaint)
            QCoreApplication::processEvents();
        const auto end = Clock::now();
        if (!action.done()) {
            std::fprintf(stderr, "bench_keys: \"%s\" did not have its effect\n", action.name);
            std::exit(1);
        }
        if (run >= WarmUps)
            us.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    return summarise(std::move(us));
}

template <typename T> T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "bench_keys: the window has no control %s\n", name);
        std::exit(1);
    }
    return found;
}

// One keystroke as the keyboard sends it: to the focused control, press and release.
void typeKey(char ch)
{
    QTest::keyClicks(QApplication::focusWidget(), QString(QChar::fromLatin1(ch)));
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FailOnMessage noMessages;
    const auto registry = platform::registry::systemRegistry();
    platform::Services services{noMessages, [](int) {}, {},
                                *registry,  {},         platform::openDefaultPrinter};
    FrmMain window(services);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "bench_keys: the main window did not become active\n");
        return 1;
    }

    auto *decimalMode = control<QAction>(window, "mnuConverterDecimal");
    auto *hexMode = control<QAction>(window, "mnuConverterHex");
    auto *binaryMode = control<QAction>(window, "mnuConverterBinary");
    auto *txtDecimal = control<QLineEdit>(window, "txtDecimal");
    auto *txtHex = control<QLineEdit>(window, "txtHex");
    auto *lblDecimal = control<QLabel>(window, "lblDecimal");
    auto *lblHex = control<QLabel>(window, "lblHex");
    auto *lblBinary = control<QLabel>(window, "lblBinary");
    auto *cmdCalculate = control<QPushButton>(window, "cmdCalculate");
    QLineEdit *txtBinary[5];
    for (int k = 0; k < 5; ++k)
        txtBinary[k] =
            control<QLineEdit>(window, qPrintable(QStringLiteral("txtBinary_%1").arg(k)));

    // Each mode switch starts from the mode before it in the menu, with a number
    // entered, so that emptying the fields raises their change events as in use.
    const auto enterDecimal = [&] {
        decimalMode->trigger();
        txtDecimal->setText(QStringLiteral("12345678"));
    };
    const auto enterHex = [&] {
        hexMode->trigger();
        txtHex->setText(QStringLiteral("ABCDEF1"));
    };
    const auto enterBinary = [&] {
        binaryMode->trigger();
        const char *groups[5] = {"0101", "1010", "0000", "1111", "0110"};
        for (int k = 0; k < 5; ++k)
            txtBinary[k]->setText(QString::fromLatin1(groups[k]));
        txtBinary[0]->setFocus();
    };

    const std::vector<Action> keystrokes = {
        {"keystroke into txtDecimal", enterDecimal, [] { typeKey('9'); },
         [&] { return lblHex->text() == u"75BCD15" && lblBinary->text().size() == 28; }},
        {"keystroke into txtHex", enterHex, [] { typeKey('2'); },
         [&] { return lblDecimal->text() == u"2882400018" && lblBinary->text().size() == 32; }},
        {"keystroke into txtBinary(0)",
         [&] {
             binaryMode->trigger();
             txtBinary[0]->setText(QStringLiteral("10"));
         },
         [] { typeKey('1'); }, [&] { return txtBinary[0]->text() == u"101"; }},
    };
    const std::vector<Action> others = {
        {"Calculate", enterBinary, [&] { cmdCalculate->click(); },
         [&] { return lblDecimal->text() == u"454821" && lblHex->text() == u"6F0A5"; }},
        {"Converter > Decimal", enterBinary, [&] { decimalMode->trigger(); },
         [&] { return decimalMode->isChecked() && txtDecimal->hasFocus(); }},
        {"Converter > Hex", enterDecimal, [&] { hexMode->trigger(); },
         [&] { return hexMode->isChecked() && txtHex->hasFocus(); }},
        {"Converter > Binary", enterHex, [&] { binaryMode->trigger(); },
         [&] { return binaryMode->isChecked() && txtBinary[0]->hasFocus(); }},
    };

    std::printf("%-30s %20s %20s\n", "action (microseconds)", "handled median/p90",
                "painted median/p90");
    bool keystrokesOnTarget = true;
    const auto report = [&](const Action &action, bool isKeystroke) {
        const Timing handled = timeAction(action, false);
        const Timing painted = timeAction(action, true);
        std::printf("%-30s %11.1f / %6.1f %11.1f / %6.1f\n", action.name, handled.median,
                    handled.p90, painted.median, painted.p90);
        if (isKeystroke && handled.median >= KeystrokeTargetUs)
            keystrokesOnTarget = false;
    };
    for (const Action &action : keystrokes)
        report(action, true);
    for (const Action &action : others)
        report(action, false);
    std::printf("keystroke handling under %.0f us: %s\n", KeystrokeTargetUs,
                keystrokesOnTarget ? "yes" : "NO");
    return 0;
}
