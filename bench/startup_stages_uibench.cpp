// Where the start-up time goes: application, window construction, Form_Load, first show and
// paint, each as the median over several windows created in one process (the first one also
// printed on its own, since it pays for font and style loading). The window is made as the
// program makes it: the pages not shown at start come after the first paint.
#include "shell/ui/frm_vexmoor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    std::printf("QApplication: %.2f ms\n", clock.nsecsElapsed() / 1e6);

    constexpr int kRuns = 9;
    std::vector<double> build, load, show;
    for (int run = 0; run < kRuns; ++run) {
        clock.restart();
        auto* window =
            new vexmoor::frmVexmoor(nullptr, vexmoor::frmVexmoor::PageBuilding::OnFirstVisit);
        build.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        window->Form_Load();
        load.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        window->show();
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window->repaint();
        show.push_back(clock.nsecsElapsed() / 1e6);
        if (run == 0)
            std::printf("first window: build %.2f ms, Form_Load %.2f ms, show and paint %.2f ms\n",
                        build[0], load[0], show[0]);
        delete window;
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("median of %d: build %.2f ms, Form_Load %.2f ms, show and paint %.2f ms\n", kRuns,
                median(build), median(load), median(show));
    return 0;
}
