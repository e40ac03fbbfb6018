// Timing of the reports on the real window (offscreen): Show as Table until the new window has
// painted, and Save as PDF… until the file is complete, for a loan schedule of 9,999 instalments
// and the break-even analysis of 32,767 units, through the lists' own menu entries. Aims: the
// table window in under 100 ms, the schedule's PDF in under 3 s. Prints the medians.
#include "breakeven/ui/breakeven_chart.h"
#include "platform/export/table_window.h"
#include "platform/services/services.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/tab_strip.h"
#include "shell/ui/frm_vexmoor.h"
#include "support/named_controls.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vexmoor::test;

namespace {

// No dialog may block a timing run: the save dialog answers with the bench's own file.
class BenchServices final : public vexmoor::platform::Services
{
public:
    QString pdfPath;
    void ShowMessage(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void Beep() override { }
    void OpenUrl(const QString&) override { }
    QString ExecutableFolder() override { return QStringLiteral("/tmp"); }
    QString ExecutableBaseName() override { return QStringLiteral("report_uibench"); }
    bool UserOwnsFolder(const QString&) override { return true; }
    QString StateFolder() override { return QStringLiteral("/tmp"); }
    QString LocalDateTimeText() override { return QStringLiteral("12/6/2026 3:04:05 PM"); }
    QString SaveFileName(const QString&, const QString&, const QString&) override
    {
        return pdfPath;
    }
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

// Runs a list's context menu entry as a click on it does.
void Pick(vexmoor::platform::ListBox* list, const char* entry)
{
    QListView* view = list->View();
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view->viewport(), &open);
    auto* menu = view->findChild<QMenu*>();
    menu->hide();
    menu->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
}

void Time(const char* what, vexmoor::frmVexmoor& window, vexmoor::platform::ListBox* list,
          BenchServices& services, int runs)
{
    std::vector<double> table, pdf;
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        clock.start();
        Pick(list, "showAsTable");
        auto* shown = window.findChild<vexmoor::platform::TableWindow*>();
        while (!shown->windowHandle() || !shown->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        shown->repaint();
        table.push_back(Milliseconds(clock));
        delete shown;

        clock.start();
        Pick(list, "saveAsPdf");
        pdf.push_back(Milliseconds(clock));
        if (QFileInfo(services.pdfPath).size() == 0) {
            std::printf("no PDF written\n");
            std::exit(1);
        }
    }
    std::printf("%s, median of %d: Show as Table %.1f ms (aim 100), Save as PDF %.0f ms, "
                "%.0f kB\n",
                what, runs, Median(table), Median(pdf),
                static_cast<double>(QFileInfo(services.pdfPath).size()) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    BenchServices services;
    services.pdfPath = folder.filePath(QStringLiteral("report.pdf"));
    vexmoor::platform::SetServices(&services);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    {
        vexmoor::frmVexmoor window;
        window.Form_Load();
        window.show();
        while (!window.windowHandle() || !window.windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);

        // 250,000 at 0.01 % a month over 9,999 months, an annuity.
        Strip(window, "tabOptions")->Select(3);
        Named<vexmoor::platform::Selector>(window, "cboIntRat", 2)
            ->SetText(QStringLiteral("Amortize"));
        Named<vexmoor::platform::Selector>(window, "cboIntRat", 0)
            ->SetText(QStringLiteral("Month"));
        Named<QLineEdit>(window, "txtCalRpy", 0)->setText(QStringLiteral("250,000.00"));
        Named<QLineEdit>(window, "txtCalRpy", 1)->setText(QStringLiteral("0.0100"));
        Named<QLineEdit>(window, "txtCalRpy", 2)->setText(QStringLiteral("9,999"));
        Named<vexmoor::platform::Selector>(window, "cboCalRpy", 3)
            ->SetText(QStringLiteral("Monthly [12]"));
        Named<QPushButton>(window, "cmdCalRpy")->click();
        Strip(window, "tabOptions2")->Select(3);
        QApplication::processEvents();
        Time("schedule of 9,999 instalments", window, List(window, "lstLsd"), services, runs);

        Strip(window, "tabOptions")->Select(2);
        Named<QLineEdit>(window, "txtBeV", 0)->setText(QStringLiteral("32767"));
        Named<QLineEdit>(window, "txtBeV", 1)->setText(QStringLiteral("10.00"));
        Named<QLineEdit>(window, "txtBeV", 2)->setText(QStringLiteral("6.00"));
        Named<QLineEdit>(window, "txtBeV", 3)->setText(QStringLiteral("1,000.00"));
        Named<QPushButton>(window, "cmdCalBeV")->click();
        Strip(window, "tabOptions1")->Select(3); // the graph as the user saw it
        Strip(window, "tabOptions1")->Select(2);
        QApplication::processEvents();
        Time("analysis of 32,767 units", window, List(window, "lstBev"), services, runs);
    }
    vexmoor::platform::SetServices(nullptr);
    return 0;
}
