// Taking the break-even results away: the analysis list's copy, Copy All, Show as Table, Save as
// CSV…, Save as PDF… and Print…, and the graph's context menu with Copy Graph, Save Graph As…
// and the same report.
#include "shell/ui/frm_vexmoor.h"

#include "breakeven/ui/breakeven_chart.h"
#include "errors/ui/guard.h"
#include "platform/export/image_export.h"
#include "platform/export/list_export.h"
#include "platform/export/report.h"
#include "platform/services/services.h"
#include "platform/widgets/context_menu.h"
#include "platform/widgets/list_box.h"

#include <QAction>
#include <QMenu>

namespace vexmoor {

namespace {

// The report of the page: the ten fields under their captions, the analysis and the graph, as
// long as the graph still shows the analysis.
platform::ReportSource BreakEvenReport(const frmVexmoor& w)
{
    platform::ReportSource source;
    source.kind = ReportKind::BreakEvenAnalysis;
    source.inputs = platform::InputsFromCaptions(w.lblBeV);
    source.lines = w.lstBev->Lines();
    source.graph = [&w, lines = source.lines] {
        if (w.lstBev->Lines() != lines)
            return QPicture();
        w.breakEvenChart->EnsureCreated();
        return platform::ChartPicture(w.breakEvenChart->View());
    };
    return source;
}

} // namespace

void frmVexmoor::ConnectBreakEvenExport()
{
    const platform::ReportSourceFunction report = [this] { return BreakEvenReport(*this); };
    new platform::ListExport(lstBev, QStringLiteral("lstBev"),
                             QStringLiteral("break-even-analysis.csv"), regionalFormat,
                             GuardedPlain, report);
    graphMenu = new platform::ContextMenu(
        chtBeVAny, QStringLiteral("chtBeVAnyMenu"),
        [this, report](QMenu& menu) {
            menu.addAction(QStringLiteral("&Copy Graph"), this, [this] { chtBeVAny_CopyGraph(); });
            menu.addAction(QStringLiteral("&Save Graph As…"), this,
                           [this] { chtBeVAny_SaveGraph(); });
            menu.addSeparator();
            platform::AddReportEntries(menu, this, QStringLiteral("chtBeVAny"), report,
                                       regionalFormat, GuardedPlain);
        },
        [this](QMenu& menu) {
            for (QAction* action : menu.actions())
                action->setEnabled(breakEvenChart->Created());
            // Clear empties the analysis but leaves the graph: no report of figures now gone.
            platform::EnableReportEntries(menu, breakEvenChart->Created() && lstBev->Count() > 0);
        });
}

void frmVexmoor::chtBeVAny_CopyGraph()
{
    Guarded("chtBeVAny_CopyGraph", GuardVariant::Plain,
            [&] { platform::CopyControlImage(chtBeVAny); });
}

void frmVexmoor::chtBeVAny_SaveGraph()
{
    Guarded("chtBeVAny_SaveGraph", GuardVariant::Plain, [&] {
        const QString title = QStringLiteral("Save Graph As");
        const QString path = platform::CurrentServices().SaveFileName(
            title, platform::SuggestedSavePath(QStringLiteral("break-even-graph.png")),
            QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
        if (path.isEmpty())
            return;
        const QString failure =
            platform::SaveControlImage(chtBeVAny, path, QStringLiteral("Break-Even Graph"));
        if (!failure.isEmpty())
            platform::CurrentServices().ShowWarning(platform::NotSavedMessage(path, failure),
                                                    title);
    });
}

} // namespace vexmoor
