// The report's layout and painting, its PDF file and its printing.
//
// Everything is measured in the device's own pixels (1,200 a inch for a PDF file), from sizes
// given in points, so that the fonts, which Qt sizes by the device's resolution, and the
// layout agree. The table's rows are split into cells only as each page is painted.
#include "platform/export/report.h"

#include "platform/export/list_export.h"
#include "platform/export/list_table.h"
#include "platform/services/regional_format.h"
#include "platform/services/services.h"
#include "platform/text.h"
#include "platform/widgets/context_menu.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <vector>

namespace vexmoor::platform {

namespace {

// clang-format off
const char* const kCreator         = "Quenbry - Vexmoor";
const char* const kSaveAsPdfTitle  = QT_TRANSLATE_NOOP("Export", "Save as PDF");
const char* const kPdfFilters      = QT_TRANSLATE_NOOP("Export", "PDF files (*.pdf);;All files (*)");
const char* const kWritingPdf      = QT_TRANSLATE_NOOP("Export", "Writing the PDF file…");
const char* const kPreparingPrint  = QT_TRANSLATE_NOOP("Export", "Preparing the pages…");
const char* const kCancel          = QT_TRANSLATE_NOOP("Export", "Cancel");
const char* const kNotPainted      = QT_TRANSLATE_NOOP("Export", "the pages could not be made");
const char* const kPrintTitle      = QT_TRANSLATE_NOOP("Export", "Print");
const char* const kNotPrinted      = QT_TRANSLATE_NOOP("Export", "The report could not be printed.");
const char* const kSaveAsPdfEntry  = QT_TRANSLATE_NOOP("Export", "Save as P&DF…");
const char* const kPrintEntry      = QT_TRANSLATE_NOOP("Export", "&Print…");
// clang-format on

QString Tr(const char* text)
{
    return QCoreApplication::translate("Export", text);
}

// A report text that a core marked, in the user's language.
QString Shown(std::string_view english)
{
    return Translated("Report", english);
}

// Sizes in points.
constexpr double kMarginMillimetres = 18;
constexpr double kTitlePoints = 16;
constexpr double kTextPoints = 10;
constexpr double kTablePoints = 9;
constexpr double kFooterPoints = 8;
constexpr double kGapPoints = 12;
constexpr double kCellPaddingPoints = 4;
// The graph takes at most this share of the page's height.
constexpr double kGraphShare = 0.4;
const QColor kStripe(242, 242, 242);
// From this many pages the progress shows at once; a shorter report shows it only when it
// takes longer than a moment.
constexpr int kPagesShownAtOnce = 20;
constexpr int kShowAfterMilliseconds = 700;

// A font on the device and its measures. Without shaping Latin text has no ligatures ("fi"
// stays two letters, which a PDF reader copies and searches as such) and is drawn faster.
struct Face
{
    Face(const QPaintDevice& device, double points, bool bold = false)
        : font(Font(points, bold))
        , metrics(font, &device)
    { }
    static QFont Font(double points, bool bold)
    {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        font.setBold(bold);
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }
    double Line() const { return metrics.height(); }

    QFont font;
    QFontMetricsF metrics;
};

class ReportPainter
{
public:
    ReportPainter(QPagedPaintDevice& device, const ReportSource& source,
                  const RegionalFormat& format)
        : m_device(device)
        , m_source(source)
        , m_format(format)
        , m_table(source.lines)
        , m_graph(source.graph ? source.graph() : QPicture())
        , m_dots(device.logicalDpiY() / 72.0)
        , m_page(0, 0, device.width(), device.height())
        , m_title(device, kTitlePoints, true)
        , m_text(device, kTextPoints)
        , m_cell(device, kTablePoints)
        , m_boldCell(device, kTablePoints, true)
        , m_footer(device, kFooterPoints)
        , m_rowHeight(m_cell.Line() * 1.35)
        , m_headerHeight(m_boldCell.Line() * 1.7)
        , m_footerHeight(m_footer.Line() * 2)
    {
        LayOutColumns();
    }

    ReportOutcome Paint(const ReportProgress& progress)
    {
        QPainter painter;
        if (!painter.begin(&m_device))
            return ReportOutcome::Failed;
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const double head = Head(nullptr);
        const TableSpace space {m_page.height() - m_footerHeight - head,
                                m_page.height() - m_footerHeight, m_headerHeight, m_rowHeight};
        const std::vector<PageRows> pages =
            PaginateTable(space, m_table.Rows(), m_table.HasTotals());
        const int count = static_cast<int>(pages.size());
        for (int page = 0; page < count; ++page) {
            if (page > 0 && !m_device.newPage())
                return ReportOutcome::Failed;
            const double top = page == 0 ? Head(&painter) : 0;
            Table(painter, top, pages[static_cast<std::size_t>(page)]);
            Footer(painter, page + 1, count);
            if (progress && !progress(page + 1, count))
                return ReportOutcome::Cancelled;
        }
        return painter.end() ? ReportOutcome::Done : ReportOutcome::Failed;
    }

private:
    double Points(double points) const { return points * m_dots; }

    // Text with its top at `top` and its left at `left`, or its right at `right`.
    void Left(QPainter& painter, const Face& face, double top, double left,
              const QString& text) const
    {
        if (painter.font() != face.font)
            painter.setFont(face.font);
        painter.drawText(QPointF(left, top + face.metrics.ascent()), text);
    }
    void Right(QPainter& painter, const Face& face, double top, double right,
               const QString& text) const
    {
        Left(painter, face, top, right - face.metrics.horizontalAdvance(text), text);
    }

    // Columns right-aligned, each as wide as its widest cell; the room left over is shared out
    // between them.
    void LayOutColumns()
    {
        const QStringList widest = m_table.WidestCells();
        const QStringList header = m_table.Header();
        std::vector<double> widths;
        double total = 0;
        for (int column = 0; column < m_table.Columns(); ++column) {
            widths.push_back(std::max(m_boldCell.metrics.horizontalAdvance(header.value(column)),
                                      m_boldCell.metrics.horizontalAdvance(widest.value(column))));
            total += widths.back();
        }
        const double share = widths.empty()
            ? 0
            : std::max(Points(kCellPaddingPoints),
                       (m_page.width() - total) / static_cast<double>(widths.size()));
        double right = 0;
        for (const double width : widths) {
            right += share + width;
            m_rights.push_back(right - Points(kCellPaddingPoints));
        }
    }

    // The first page's title, date, entries and graph; returns the height they take. Without a
    // painter it only measures.
    double Head(QPainter* painter) const
    {
        double y = 0;
        if (painter != nullptr)
            Left(*painter, m_title, y, 0, Shown(TextsOf(m_source.kind).title));
        y += m_title.Line() * 1.2;
        if (painter != nullptr)
            Left(*painter, m_text, y, 0, m_source.when);
        y += m_text.Line() + Points(kGapPoints);

        double labels = 0;
        double values = 0;
        for (const ReportInput& input : m_source.inputs) {
            labels = std::max(labels, m_text.metrics.horizontalAdvance(input.label));
            values = std::max(values, m_text.metrics.horizontalAdvance(input.value));
        }
        const double valueRight = labels + Points(kGapPoints) * 2 + values;
        for (const ReportInput& input : m_source.inputs) {
            if (painter != nullptr) {
                Left(*painter, m_text, y, 0, input.label);
                Right(*painter, m_text, y, valueRight, input.value);
            }
            y += m_text.Line() * 1.25;
        }
        if (!m_source.inputs.isEmpty())
            y += Points(kGapPoints);

        if (!m_graph.isNull()) {
            const QRectF bounds = m_graph.boundingRect();
            const double scale =
                std::min(m_page.width() / bounds.width(),
                         m_page.height() * kGraphShare / std::max(1.0, bounds.height()));
            if (painter != nullptr) {
                painter->save();
                painter->translate((m_page.width() - bounds.width() * scale) / 2, y);
                painter->scale(scale, scale);
                painter->translate(-bounds.topLeft());
                // A picture plays itself scaled from its resolution to the device's; the scale
                // above already fits it to the page.
                const double played = double(m_device.logicalDpiX()) / m_graph.logicalDpiX();
                painter->scale(1 / played, 1 / played);
                painter->drawPicture(0, 0, m_graph);
                painter->restore();
            }
            y += bounds.height() * scale + Points(kGapPoints);
        }
        return y;
    }

    // The header, the rows on a zebra ground and the totals row under a rule.
    void Table(QPainter& painter, double top, const PageRows& rows) const
    {
        if (rows.count == 0)
            return;
        const QStringList header = m_table.Header();
        const double headerText = top + (m_headerHeight - m_boldCell.Line()) / 2;
        for (int column = 0; column < m_table.Columns(); ++column)
            Right(painter, m_boldCell, headerText, m_rights[static_cast<std::size_t>(column)],
                  header.value(column));
        double y = top + m_headerHeight;
        const QPen rule(Qt::black, Points(0.75));
        painter.setPen(rule);
        painter.drawLine(QPointF(0, y), QPointF(m_page.width(), y));
        const double inset = (m_rowHeight - m_cell.Line()) / 2;
        for (int row = rows.first; row < rows.first + rows.count; ++row) {
            const bool totals = m_table.HasTotals() && row == m_table.Rows() - 1;
            if (totals) {
                painter.setPen(rule);
                painter.drawLine(QPointF(0, y), QPointF(m_page.width(), y));
            } else if (row % 2 == 1) {
                painter.fillRect(QRectF(0, y, m_page.width(), m_rowHeight), kStripe);
            }
            const QStringList cells = m_table.Row(row);
            for (int column = 0; column < m_table.Columns(); ++column)
                Right(painter, totals ? m_boldCell : m_cell, y + inset,
                      m_rights[static_cast<std::size_t>(column)], cells.value(column));
            y += m_rowHeight;
        }
    }

    // What the report is and when, and the page's number.
    void Footer(QPainter& painter, int page, int pages) const
    {
        const double top = m_page.height() - m_footer.Line();
        const std::string title = ToStd(Shown(TextsOf(m_source.kind).title));
        Left(painter, m_footer, top, 0,
             ToQString(AsOfText(title, ToStd(m_source.when), ToStd(Shown(kAsOfPattern)))));
        Right(painter, m_footer, top, m_page.width(),
              ToQString(PageFooter(page, pages, m_format, ToStd(Shown(kPageFooterPattern)))));
    }

    QPagedPaintDevice& m_device;
    const ReportSource& m_source;
    const RegionalFormat& m_format;
    ListTable m_table;
    QPicture m_graph;
    double m_dots; // device pixels a point
    QRectF m_page;
    Face m_title, m_text, m_cell, m_boldCell, m_footer;
    double m_rowHeight;
    double m_headerHeight;
    double m_footerHeight;
    std::vector<double> m_rights; // each column's right edge
};

// A progress dialog made once the pages are counted: at once for a long report, after a
// moment for a short one. Cancelling it, or closing it, cancels the report.
class ProgressWindow
{
public:
    explicit ProgressWindow(const char* label)
        : m_label(label)
    { }

    bool Step(int done, int pages)
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(Tr(m_label), Tr(kCancel), 0, pages,
                                                         QApplication::activeWindow());
            m_dialog->setObjectName(QStringLiteral("reportProgress"));
            m_dialog->setWindowModality(Qt::ApplicationModal);
            m_dialog->setMinimumDuration(pages >= kPagesShownAtOnce ? 0 : kShowAfterMilliseconds);
            m_dialog->setValue(0);
        }
        m_dialog->setValue(done);
        return !m_dialog->wasCanceled();
    }

    ReportProgress Function()
    {
        return [this](int done, int pages) { return Step(done, pages); };
    }

private:
    const char* m_label;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

ReportSource TakeReportSource(const ReportSourceFunction& make)
{
    ReportSource source = make();
    if (source.when.isEmpty())
        source.when = CurrentServices().LocalDateTimeText();
    return source;
}

QList<ReportInput> InputsFromCaptions(const ControlArray<QLabel>& array, CaptionOrder order)
{
    QList<const QLabel*> captions;
    for (const auto& [index, caption] : array)
        captions.append(caption);
    if (order == CaptionOrder::TopToBottom)
        std::stable_sort(captions.begin(), captions.end(),
                         [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    QList<ReportInput> inputs;
    for (const QLabel* caption : captions) {
        QString value;
        if (const auto* field = qobject_cast<const QLineEdit*>(caption->buddy()))
            value = field->text();
        else if (const auto* list = qobject_cast<const QComboBox*>(caption->buddy()))
            value = list->currentText();
        inputs.append({ToQString(ReportLabel(ToStd(caption->text()))), value});
    }
    return inputs;
}

QPageLayout ReportPageLayout()
{
    const QString territory = QLocale::territoryToCode(NumberLocale().territory());
    const bool letter = PaperForTerritory(ToStd(territory)) == Paper::Letter;
    const double margin = kMarginMillimetres;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

ReportOutcome PaintReport(QPagedPaintDevice& device, const ReportSource& source,
                          const RegionalFormat& format, const ReportProgress& progress)
{
    return ReportPainter(device, source, format).Paint(progress);
}

QString WriteReportPdf(const QString& path, const ReportSource& source,
                       const RegionalFormat& format, const ReportProgress& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    ReportOutcome outcome = ReportOutcome::Failed;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(ReportPageLayout());
        writer.setTitle(Shown(TextsOf(source.kind).title));
        writer.setCreator(QString::fromUtf8(kCreator));
        outcome = PaintReport(writer, source, format, progress);
    }
    if (outcome != ReportOutcome::Done) {
        file.cancelWriting();
        return outcome == ReportOutcome::Failed ? Tr(kNotPainted) : QString();
    }
    return file.commit() ? QString() : file.errorString();
}

void PrintReport(const ReportSource& source, const RegionalFormat& format)
{
    bool failed = false;
    PrintJob job;
    job.layout = ReportPageLayout();
    job.name = Shown(TextsOf(source.kind).title);
    job.creator = QString::fromUtf8(kCreator);
    job.paint = [&](QPagedPaintDevice& target) {
        ProgressWindow progress(kPreparingPrint);
        const ReportOutcome outcome = PaintReport(target, source, format, progress.Function());
        failed = outcome == ReportOutcome::Failed;
        return outcome == ReportOutcome::Done;
    };
    CurrentServices().Print(job);
    if (failed)
        CurrentServices().ShowWarning(Tr(kNotPrinted), Tr(kPrintTitle));
}

void SaveReportAsPdf(const ReportSource& source, const RegionalFormat& format)
{
    const QString title = Tr(kSaveAsPdfTitle);
    const QString path = CurrentServices().SaveFileName(
        title, SuggestedSavePath(Shown(TextsOf(source.kind).pdfFileName)), Tr(kPdfFilters));
    if (path.isEmpty())
        return;
    ProgressWindow progress(kWritingPdf);
    const QString failure = WriteReportPdf(path, source, format, progress.Function());
    if (!failure.isEmpty())
        CurrentServices().ShowWarning(NotSavedMessage(path, failure), title);
}

void AddReportEntries(QMenu& menu, QObject* context, const QString& controlName,
                      ReportSourceFunction source, const RegionalFormat& format, CommandGuard guard)
{
    const QByteArray name = controlName.toLatin1();
    menu.addAction(Tr(kSaveAsPdfEntry), context,
                   [=, &format] {
                       guard((name + "_SaveAsPdf").constData(),
                             [&] { SaveReportAsPdf(TakeReportSource(source), format); });
                   })
        ->setObjectName(QStringLiteral("saveAsPdf"));
    menu.addAction(WithShortcutText(Tr(kPrintEntry), QKeySequence::Print), context,
                   [=, &format] {
                       guard((name + "_Print").constData(),
                             [&] { PrintReport(TakeReportSource(source), format); });
                   })
        ->setObjectName(QStringLiteral("print"));
}

void EnableReportEntries(QMenu& menu, bool enabled)
{
    for (const char* name : {"saveAsPdf", "print"}) {
        if (auto* action = menu.findChild<QAction*>(QString::fromLatin1(name)))
            action->setEnabled(enabled);
    }
}

} // namespace vexmoor::platform
