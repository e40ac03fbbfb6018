// Resident memory of the program over repeated break-even calculations of 32,767 units: after
// start, after the first calculation (Calculate, the analysis and the graph sub-pages shown and
// painted), and after every tenth up to the fiftieth. Offscreen unless QT_QPA_PLATFORM says
// otherwise. Memory that grows with repetition is a leak or fragmentation to look for.
#include "break_even_driver.h"

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

void Print(const char* when)
{
    // What the heap holds in use beside what it keeps from the system tells a leak (both grow)
    // from fragmentation (only the second grows).
    const struct mallinfo2 heap = mallinfo2();
    std::printf("%-34s resident %6.1f MB (peak %6.1f MB), heap in use %6.1f MB of %6.1f MB\n", when,
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
        constexpr int kCalculations = 50;
        double first = 0;
        for (int run = 1; run <= kCalculations; ++run) {
            driver.Run();
            if (run == 1) {
                first = StatusMegabytes("VmRSS");
                Print("after 1 calculation");
            } else if (run % 10 == 0) {
                const QByteArray when = "after " + QByteArray::number(run) + " calculations";
                Print(when.constData());
            }
        }
        std::printf("growth from the first to the %dth: %+.1f MB\n", kCalculations,
                    StatusMegabytes("VmRSS") - first);
    }
    platform::SetServices(nullptr);
    return 0;
}
