// A list's printed report: a title, the date, the entries that produced the figures, for the
// break-even analysis its graph, then the table with its header on every page and "Page N of M"
// in the footer, portrait on the paper of the user's region. One painting serves the print
// dialog (with its preview) and PDF files; a long report shows its progress and can be
// cancelled.
#pragma once

#include "common/core/number_text.h"
#include "common/core/report_layout.h"
#include "platform/widgets/control_array.h"

#include <QList>
#include <QPicture>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QMenu;
class QObject;
class QPageLayout;
class QPagedPaintDevice;

namespace vexmoor::platform {

// One entry of the page that produced the figures, as the report lists it.
struct ReportInput
{
    QString label;
    QString value;
};

// What a report and a table window show: the page's figures at one moment.
struct ReportSource
{
    ReportKind kind = ReportKind::LoanSchedule;
    QList<ReportInput> inputs;
    QStringList lines; // the list's lines, header first (an implicitly shared copy)
    // The page's graph as drawing commands, drawn when a report is made: a picture of
    // tens of thousands of points takes longer than a table window may take to open. It gives
    // a null picture when the page no longer shows these figures. None for a page without one.
    std::function<QPicture()> graph;
    QString when; // the user's date and time when the figures were taken
};

// Makes a page's report source from its controls when the user asks for a report.
using ReportSourceFunction = std::function<ReportSource()>;

// Runs a user's command under the window's error guard, with the procedure name to report.
using CommandGuard = std::function<void(const char* procName, const std::function<void()>& body)>;

// The source `make` gives now, stamped with the date and time unless it carries its own (a
// table window's figures keep the moment the window opened).
ReportSource TakeReportSource(const ReportSourceFunction& make);

enum class CaptionOrder { ByIndex, TopToBottom };

// Entries from caption labels: each caption's text as the report writes it (ReportLabel) and
// the text of its buddy, a field or a drop-down list. TopToBottom orders captions that share a
// container as they stand in it.
QList<ReportInput> InputsFromCaptions(const ControlArray<QLabel>& captions,
                                      CaptionOrder order = CaptionOrder::ByIndex);

// The paper of the user's region, portrait, with margins every printer can print within.
QPageLayout ReportPageLayout();

// Runs after each page with the pages done and the pages in all; false cancels the report.
using ReportProgress = std::function<bool(int done, int pages)>;

enum class ReportOutcome { Done, Cancelled, Failed };

// Paints the report on the device's pages, as its page layout gives them.
ReportOutcome PaintReport(QPagedPaintDevice& device, const ReportSource& source,
                          const RegionalFormat& format, const ReportProgress& progress = {});

// Writes the report as a PDF file whole or not at all: an existing file is replaced only by a
// complete one, and a cancelled or failed report leaves none. Returns an empty text, also when
// cancelled, or why the file could not be written.
QString WriteReportPdf(const QString& path, const ReportSource& source,
                       const RegionalFormat& format, const ReportProgress& progress = {});

// The user's commands: the print dialog with its preview, and Save as PDF… with its file
// dialog and a warning for a file that could not be written. Both show their progress.
void PrintReport(const ReportSource& source, const RegionalFormat& format);
void SaveReportAsPdf(const ReportSource& source, const RegionalFormat& format);

// Adds Save as PDF… and Print… (named "saveAsPdf" and "print") to a context menu. Each runs under
// `guard` as controlName + "_SaveAsPdf" or "_Print", on the source TakeReportSource takes from
// `source` then. `format` must live as long as the menu.
void AddReportEntries(QMenu& menu, QObject* context, const QString& controlName,
                      ReportSourceFunction source, const RegionalFormat& format,
                      CommandGuard guard);
void EnableReportEntries(QMenu& menu, bool enabled);

} // namespace vexmoor::platform
