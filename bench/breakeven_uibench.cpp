// Timing of the break-even page on the real window (offscreen): Calculate (core and GenChart
// feeding the list and the chart), then the "Break Even" sub-page shown and painted, then the
// "Graph" sub-page shown and painted. Prints the medians in milliseconds.
#include "breakeven/ui/breakeven_chart.h"
#include "platform/services/services.h"
#include "platform/widgets/tab_strip.h"
#include "shell/ui/frm_vexmoor.h"
#include "support/named_controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vexmoor::test;

namespace {

// No message may block a timing run.
class QuietServices final : public vexmoor::platform::Services
{
public:
    void ShowMessage(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void Beep() override { }
    void OpenUrl(const QString&) override { }
    QString ExecutableFolder() override { return QStringLiteral("/tmp"); }
    QString ExecutableBaseName() override { return QStringLiteral("breakeven_uibench"); }
    bool UserOwnsFolder(const QString&) override { return true; }
    QString StateFolder() override { return QStringLiteral("/tmp"); }
    QString LocalDateTimeText() override { return QStringLiteral("now"); }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Shows a sub-page the way a tab click does and returns once it has been laid out and painted:
// the pending layouts and the window's update request (which paints) are posted events.
void ShowAndPaint(vexmoor::frmVexmoor& window, int tab)
{
    Strip(window, "tabOptions1")->Select(tab);
    QApplication::processEvents();
}

void Run(vexmoor::frmVexmoor& window, const char* unitsText, int runs)
{
    Strip(window, "tabOptions1")->Select(1);
    Named<QLineEdit>(window, "txtBeV", 0)->setText(QString::fromLatin1(unitsText));
    Named<QLineEdit>(window, "txtBeV", 1)->setText(QStringLiteral("10.00"));
    Named<QLineEdit>(window, "txtBeV", 2)->setText(QStringLiteral("6.00"));
    Named<QLineEdit>(window, "txtBeV", 3)->setText(QStringLiteral("1,000.00"));

    std::vector<double> calc, list, graph, whole;
    for (int run = 0; run < runs + 1; ++run) {
        Strip(window, "tabOptions1")->Select(1);
        QApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        Named<QPushButton>(window, "cmdCalBeV")->click();
        const double calcMs = Milliseconds(timer);
        timer.restart();
        ShowAndPaint(window, 2);
        const double listMs = Milliseconds(timer);
        timer.restart();
        ShowAndPaint(window, 3);
        const double graphMs = Milliseconds(timer);
        if (run == 0)
            continue; // the first run builds the chart
        calc.push_back(calcMs);
        list.push_back(listMs);
        graph.push_back(graphMs);
        whole.push_back(calcMs + listMs + graphMs);
    }
    std::printf("units %-7s calculation %6.2f ms, list page %6.2f ms, graph page %6.2f ms, "
                "whole %6.2f ms (medians of %d)\n",
                unitsText, Median(calc), Median(list), Median(graph), Median(whole), runs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietServices services;
    vexmoor::platform::SetServices(&services);

    vexmoor::frmVexmoor window;
    window.Form_Load();
    window.show();
    while (!window.windowHandle()->isExposed())
        QApplication::processEvents();
    Strip(window, "tabOptions")->Select(2);
    QApplication::processEvents();

    Run(window, "32,767", 15);
    Run(window, "1,000", 31);

    vexmoor::platform::SetServices(nullptr);
    return 0;
}
