// Taking the break-even results away: the analysis list's copy, Copy All and Save as CSV…, and
// the graph's context menu with Copy Graph and Save Graph As….
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "platform/export/image_export.h"
#include "platform/export/list_export.h"
#include "platform/services/services.h"
#include "platform/widgets/context_menu.h"

#include <QAction>
#include <QMenu>

namespace vexmoor {

void BreakEvenPage::MakeExport()
{
    new platform::ListExport(lstBev, QStringLiteral("lstBev"),
                             QStringLiteral("break-even-analysis.csv"), m_context.regionalFormat,
                             GuardedPlain);
    m_graphMenu = new platform::ContextMenu(
        chtBeVAny, QStringLiteral("chtBeVAnyMenu"),
        [this](QMenu& menu) {
            menu.addAction(QStringLiteral("&Copy Graph"), this, [this] { chtBeVAny_CopyGraph(); });
            menu.addAction(QStringLiteral("&Save Graph As…"), this,
                           [this] { chtBeVAny_SaveGraph(); });
        },
        [this](QMenu& menu) {
            for (QAction* action : menu.actions())
                action->setEnabled(m_chart->Created());
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
        const QString title = QStringLiteral("Save Graph As");
        const QString path = m_context.Services().SaveFileName(
            title, platform::SuggestedSavePath(QStringLiteral("break-even-graph.png")),
            QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
        if (path.isEmpty())
            return;
        const QString failure =
            platform::SaveControlImage(chtBeVAny, path, QStringLiteral("Break-Even Graph"));
        if (!failure.isEmpty())
            m_context.Services().ShowWarning(platform::NotSavedMessage(path, failure), title);
    });
}

} // namespace vexmoor
