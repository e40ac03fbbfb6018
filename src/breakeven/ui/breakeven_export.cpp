// Taking the break-even results away: the analysis list's copy, Copy All and Save as CSV…, and
// the graph's context menu with Copy Graph and Save Graph As….
#include "shell/ui/frm_vexmoor.h"

#include "breakeven/ui/breakeven_chart.h"
#include "errors/ui/guard.h"
#include "platform/widgets/context_menu.h"
#include "platform/export/image_export.h"
#include "platform/export/list_export.h"
#include "platform/services/services.h"

#include <QAction>
#include <QMenu>

namespace vexmoor {

void frmVexmoor::ConnectBreakEvenExport()
{
    new platform::ListExport(lstBev, QStringLiteral("lstBev"),
                             QStringLiteral("break-even-analysis.csv"), regionalFormat,
                             GuardedPlain);
    graphMenu = new platform::ContextMenu(
        chtBeVAny, QStringLiteral("chtBeVAnyMenu"),
        [this](QMenu& menu) {
            menu.addAction(QStringLiteral("&Copy Graph"), this, [this] { chtBeVAny_CopyGraph(); });
            menu.addAction(QStringLiteral("&Save Graph As…"), this,
                           [this] { chtBeVAny_SaveGraph(); });
        },
        [this](QMenu& menu) {
            for (QAction* action : menu.actions())
                action->setEnabled(breakEvenChart->Created());
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
