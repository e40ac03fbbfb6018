// Taking the break-even results away: the analysis list's copy, Copy All, Show as Table, Save as
// CSV…, Save as PDF… and Print…, and the graph's context menu with Copy Graph, Save Graph As…
// and the same report.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "platform/export/image_export.h"
#include "platform/export/list_export.h"
#include "platform/export/report.h"
#include "platform/services/services.h"
#include "platform/widgets/context_menu.h"
#include "platform/widgets/list_box.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace vexmoor {

void BreakEvenPage::MakeExport()
{
    // The report of the page: the ten fields under their captions, the analysis and the graph,
    // as long as the graph still shows the analysis.
    const platform::ReportSourceFunction report = [this] {
        platform::ReportSource source;
        source.kind = ReportKind::BreakEvenAnalysis;
        source.inputs = platform::InputsFromCaptions(lblBeV);
        source.lines = lstBev->Lines();
        source.graph = [this, lines = source.lines] {
            if (lstBev->Lines() != lines)
                return QPicture();
            m_chart->EnsureCreated();
            return m_chart->Picture();
        };
        return source;
    };
    new platform::ListExport(lstBev, QStringLiteral("lstBev"),
                             QCoreApplication::translate("Export", "break-even-analysis.csv"),
                             m_context.regionalFormat, GuardedPlain, report);
    m_graphMenu = new platform::ContextMenu(
        chtBeVAny, QStringLiteral("chtBeVAnyMenu"),
        [this, report](QMenu& menu) {
            menu.addAction(QCoreApplication::translate("Export", "&Copy Graph"), this,
                           [this] { chtBeVAny_CopyGraph(); });
            menu.addAction(QCoreApplication::translate("Export", "&Save Graph As…"), this,
                           [this] { chtBeVAny_SaveGraph(); });
            menu.addSeparator();
            platform::AddReportEntries(menu, this, QStringLiteral("chtBeVAny"), report,
                                       m_context.regionalFormat, GuardedPlain);
        },
        [this](QMenu& menu) {
            for (QAction* action : menu.actions())
                action->setEnabled(m_chart->Created());
            // Clear empties the analysis but leaves the graph: no report of figures now gone.
            platform::EnableReportEntries(menu, m_chart->Created() && lstBev->Count() > 0);
        });
}

void BreakEvenPage::chtBeVAny_CopyGraph()
{
    m_context.Guard("chtBeVAny_CopyGraph", GuardVariant::Plain,
                    [&] { platform::CopyControlImage(chtBeVAny); });
}

void BreakEvenPage::chtBeVAny_SaveGraph()
{
    m_context.Guard("chtBeVAny_SaveGraph", GuardVariant::Plain, [&] {
        const QString title = QCoreApplication::translate("Export", "Save Graph As");
        const QString path = m_context.Services().SaveFileName(
            title,
            platform::SuggestedSavePath(
                QCoreApplication::translate("Export", "break-even-graph.png")),
            QCoreApplication::translate("Export", "PNG image (*.png);;SVG image (*.svg)"));
        if (path.isEmpty())
            return;
        const QString failure = platform::SaveControlImage(
            chtBeVAny, path, QCoreApplication::translate("Graph", "Break-Even Graph"));
        if (!failure.isEmpty())
            m_context.Services().ShowWarning(platform::NotSavedMessage(path, failure), title);
    });
}

} // namespace vexmoor
