// The table window over a model of the list's lines.
#include "platform/export/table_window.h"

#include "platform/export/list_table.h"
#include "platform/text.h"
#include "platform/widgets/context_menu.h"

#include <QAction>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace vexmoor::platform {

namespace {

// clang-format off
const char* const kCopy      = QT_TRANSLATE_NOOP("Export", "&Copy");
const char* const kCopyAll   = QT_TRANSLATE_NOOP("Export", "Copy &All");
const char* const kSaveAsCsv = QT_TRANSLATE_NOOP("Export", "&Save as CSV…");
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

// Rows the window shows at most when it opens, and the share of the screen it may take.
constexpr int kRowsShown = 30;
constexpr double kScreenShare = 0.8;
// Pixels a row adds to its text's height, and a column to its widest text's width.
constexpr int kRowPadding = 6;
constexpr int kColumnPadding = 16;

// `count` of the table's rows from `first`, one line's cells split when first asked for: a view
// asks for a line's cells one role and column after another, so the last line split is kept.
class ListTableModel final : public QAbstractTableModel
{
public:
    ListTableModel(ListTable table, int first, int count, bool bold, QObject* parent)
        : QAbstractTableModel(parent)
        , m_table(std::move(table))
        , m_first(first)
        , m_count(count)
        , m_bold(bold)
    { }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_count;
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_table.Columns();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_count)
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return Cells(m_first + index.row()).value(index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (m_bold) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal)
            return {};
        if (role == Qt::DisplayRole)
            return m_table.Header().value(section);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

private:
    const QStringList& Cells(int row) const
    {
        if (row != m_cachedRow) {
            m_cached = m_table.Row(row);
            m_cachedRow = row;
        }
        return m_cached;
    }

    ListTable m_table;
    int m_first;
    int m_count;
    bool m_bold;
    mutable int m_cachedRow = -1;
    mutable QStringList m_cached;
};

QTableView* MakeView(QWidget* parent, const char* name, QAbstractItemModel* model)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as tall as a line of text needs, not the style's taller default for header sections.
    view->verticalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + kRowPadding);
    view->horizontalHeader()->setStretchLastSection(false);
    return view;
}

} // namespace

TableWindow::TableWindow(ReportSource source, const QString& controlName, QString csvFileName,
                         const RegionalFormat& format, ListExport::Guard guard, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_source(std::move(source))
    , m_csvFileName(std::move(csvFileName))
    , m_format(format)
    , m_name((controlName + QStringLiteral("Table")).toLatin1())
    , m_guard(std::move(guard))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromLatin1(m_name));
    const QString title = Shown(TextsOf(m_source.kind).title);
    setWindowTitle(
        ToQString(AsOfText(ToStd(title), ToStd(m_source.when), ToStd(Shown(kAsOfPattern)))));

    const ListTable table(m_source.lines);
    const int body = table.Rows() - (table.HasTotals() ? 1 : 0);
    m_table = MakeView(this, "table", new ListTableModel(table, 0, body, false, this));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table);

    if (table.HasTotals()) {
        m_totals = MakeView(this, "totals", new ListTableModel(table, body, 1, true, this));
        m_totals->horizontalHeader()->hide();
        m_totals->setSelectionMode(QAbstractItemView::NoSelection);
        m_totals->setFocusPolicy(Qt::NoFocus);
        m_totals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_totals->setFixedHeight(m_table->verticalHeader()->defaultSectionSize() +
                                 2 * m_totals->frameWidth());
        // The totals keep under their columns as these are resized or scrolled sideways.
        connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, m_totals,
                [this](int column, int, int width) { m_totals->setColumnWidth(column, width); });
        connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, m_totals,
                [this](int value) { m_totals->horizontalScrollBar()->setValue(value); });
        layout->addWidget(m_totals);
    }

    m_menu = new ContextMenu(
        m_table, controlName + QStringLiteral("TableMenu"),
        [this](QMenu& menu) {
            menu.addAction(WithShortcutText(Tr(kCopy), QKeySequence::Copy), this,
                           [this] { Run("_Copy", &TableWindow::Copy); })
                ->setObjectName(QStringLiteral("copy"));
            menu.addAction(Tr(kCopyAll), this, [this] { Run("_CopyAll", &TableWindow::CopyAll); });
            menu.addSeparator();
            menu.addAction(Tr(kSaveAsCsv), this,
                           [this] { Run("_SaveAsCsv", &TableWindow::SaveAsCsv); });
            AddReportEntries(
                menu, this, QString::fromLatin1(m_name), [this] { return m_source; }, m_format,
                m_guard);
        },
        [this](QMenu& menu) {
            menu.findChild<QAction*>(QStringLiteral("copy"))
                ->setEnabled(m_table->selectionModel()->hasSelection());
        });
    SizeToContents(table, body);
}

// Every column as wide as its widest cell (the totals' bold ones included), and the window
// as wide as the columns and as tall as its rows, up to a screenful.
void TableWindow::SizeToContents(const ListTable& table, int rows)
{
    const QStringList widest = table.WidestCells();
    QFont bold = m_table->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int padding =
        2 * m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + kColumnPadding;
    int width = 0;
    for (int column = 0; column < table.Columns(); ++column) {
        const int cell = std::max(metrics.horizontalAdvance(widest.value(column)),
                                  m_table->horizontalHeader()->sectionSizeHint(column));
        m_table->setColumnWidth(column, cell + padding);
        if (m_totals != nullptr)
            m_totals->setColumnWidth(column, cell + padding);
        width += cell + padding;
    }
    const int rowHeight = m_table->verticalHeader()->defaultSectionSize();
    int height = m_table->horizontalHeader()->sizeHint().height() +
        std::clamp(rows, 1, kRowsShown) * rowHeight + 2 * m_table->frameWidth() +
        (m_totals != nullptr ? m_totals->height() : 0);
    width += 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableSize() * kScreenShare;
        width = std::min(width, room.width());
        height = std::min(height, room.height());
    }
    resize(width, height);
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Before the view, whose own Ctrl+C copies only the current cell.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsCopyKey(key)) {
            Run("_Copy", &TableWindow::Copy);
            return true;
        }
        if (key.matches(QKeySequence::Print)) {
            Run("_Print", &TableWindow::Print);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TableWindow::Run(const char* suffix, void (TableWindow::*command)())
{
    const QByteArray procName = m_name + suffix;
    m_guard(procName.constData(), [&] { (this->*command)(); });
}

void TableWindow::Copy()
{
    QModelIndexList selected = m_table->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& index : selected)
        lines.append(m_source.lines.at(index.row() + 1));
    CopyLinesAsRows(lines, m_source.lines.value(0));
}

void TableWindow::CopyAll()
{
    CopyLinesAsRows(m_source.lines, m_source.lines.value(0));
}

void TableWindow::SaveAsCsv()
{
    SaveLinesAsCsv(m_source.lines, m_csvFileName, m_format);
}

void TableWindow::Print()
{
    PrintReport(m_source, m_format);
}

} // namespace vexmoor::platform
