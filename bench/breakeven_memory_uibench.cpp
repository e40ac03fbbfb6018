// Resident memory of the program over repeated break-even calculations of 32,767 units: after
// start, after the first calculation (Calculate, the analysis and the graph sub-pages shown and
// painted), and after every tenth up to the fiftieth, each read at once and after a pause.
// Offscreen unless QT_QPA_PLATFORM says otherwise. Memory that grows with repetition is a leak or
// fragmentation to look for.
#include "break_even_driver.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <malloc.h>

namespace {

using namespace vexmoor;
using namespace vexmoor::bench;

// A field of /proc/self/status in megabytes (its figures are in kB).
double StatusMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').front().toDouble() / 1024;
    }
    return 0;
}

// A user's pause: the event loop runs with nothing to do for a while.
void Pause(int milliseconds)
{
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void Print(const char* when)
{
    // What the heap holds in use beside what it keeps from the system tells a leak (both grow)
    // from fragmentation (only the second grows).
    const struct mallinfo2 heap = mallinfo2();
    std::printf("%-42s resident %6.1f MB (peak %6.1f MB), heap in use %6.1f MB of %6.1f MB\n", when,
                StatusMegabytes("VmRSS"), StatusMegabytes("VmHWM"),
                static_cast<double>(heap.uordblks + heap.hblkhd) / (1 << 20),
                static_cast<double>(heap.arena + heap.hblkhd) / (1 << 20));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietServices services;
    platform::SetServices(&services);
    {
        const std::unique_ptr<QWidget> window = MakeWindow();
        Print("window shown");
        BreakEvenDriver driver(window.get());
        driver.Enter(QStringLiteral("32,767"));
        Print("entries typed");
        // The calculations follow each other at once; the memory is read at once, and again
        // after a pause of two seconds, as a user would read it.
        constexpr int kCalculations = 50;
        double first = 0;
        for (int run = 1; run <= kCalculations; ++run) {
            driver.Run();
            if (run != 1 && run % 10 != 0)
                continue;
            const QByteArray when =
                "after " + QByteArray::number(run) + (run == 1 ? " calculation" : " calculations");
            Print(when.constData());
            Pause(2000);
            Print((when + ", paused").constData());
            if (run == 1)
                first = StatusMegabytes("VmRSS");
        }
        std::printf("growth from the first to the %dth, paused: %+.1f MB\n", kCalculations,
                    StatusMegabytes("VmRSS") - first);
    }
    platform::SetServices(nullptr);
    return 0;
}
