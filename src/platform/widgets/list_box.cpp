// List boxes of text lines over a QListView and a list model of our own.
#include "platform/widgets/list_box.h"

#include "platform/services/memory.h"

#include <QAbstractListModel>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace vexmoor::platform {

namespace {

// Text lines kept end to end in UTF-8, in blocks of one size: tens of thousands of lines take a
// few dozen blocks, not a string each. Strings of every length, freed and made anew whenever a
// list is filled again, leave the heap in pieces that the program's memory keeps growing over;
// blocks of one size are taken again as they were. A line's string is made when it is asked for.
class LineStore
{
public:
    int Count() const { return static_cast<int>(m_spans.size()); }

    void Clear()
    {
        m_blocks.clear();
        m_spans.clear();
    }

    void Append(const QString& line)
    {
        // The lines are mostly printable ASCII: copied as they are while it is checked, in one
        // pass. Any other line is encoded.
        const ushort* text = line.utf16();
        const auto length = static_cast<std::size_t>(line.size());
        char* out = Room(length);
        // Plain unsigned sums, so that the compiler does the loop sixteen characters at a time.
        unsigned bits = 0;
        unsigned outside = 0; // a control character
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned c = text[i];
            bits |= c;
            outside |= (c - 0x20u) > 0x5Eu;
            out[i] = static_cast<char>(c);
        }
        if (bits >= 0x80) {
            const QByteArray encoded = line.toUtf8();
            out = Room(static_cast<std::size_t>(encoded.size()));
            std::memcpy(out, encoded.constData(), static_cast<std::size_t>(encoded.size()));
            Add(static_cast<std::size_t>(encoded.size()), false);
            return;
        }
        Add(length, outside == 0);
    }

    // Whether the line is printable ASCII only, one byte a character.
    bool Printable(int row) const { return m_spans[static_cast<std::size_t>(row)].printable; }

    // The line's UTF-8 bytes, valid until the store is cleared.
    std::string_view Utf8(int row) const
    {
        const Span& span = m_spans[static_cast<std::size_t>(row)];
        return std::string_view(m_blocks[span.block].bytes.get() + span.offset, span.size);
    }

    QString Line(int row) const
    {
        const std::string_view utf8 = Utf8(row);
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }

private:
    static constexpr std::size_t kBlockBytes = 64 * 1024;
    struct Span
    {
        quint32 block, offset;
        quint32 size : 31, printable : 1;
    };

    // Where the next `size` bytes go: the last block, or a new one when they do not fit.
    char* Room(std::size_t size)
    {
        if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < size) {
            const std::size_t capacity = std::max(kBlockBytes, size);
            m_blocks.push_back({std::make_unique_for_overwrite<char[]>(capacity), capacity, 0});
        }
        return m_blocks.back().bytes.get() + m_blocks.back().used;
    }
    // The `size` bytes written at Room() make the next line.
    void Add(std::size_t size, bool printable)
    {
        Block& block = m_blocks.back();
        m_spans.push_back({static_cast<quint32>(m_blocks.size() - 1),
                           static_cast<quint32>(block.used), static_cast<quint32>(size),
                           printable});
        block.used += size;
    }

    struct Block
    {
        std::unique_ptr<char[]> bytes;
        std::size_t capacity, used;
    };
    std::vector<Block> m_blocks;
    std::vector<Span> m_spans;
};

} // namespace

// The lines, one row each. Every row reports the same size, wide enough for the widest line as
// drawn and at least the horizontal extent, so that the view (with uniform item sizes) asks only
// once and its scrollable width is never less than the widest line. Lines are measured when the
// view is told of them.
class ListBoxModel final : public QAbstractListModel
{
    static constexpr int kLargeBatch = 10000;

public:
    // `view` is the view that shows the rows.
    ListBoxModel(QListView* view, QObject* parent)
        : QAbstractListModel(parent)
        , m_view(view)
    { }

    // The rows the view has been told of: a view that lays its rows out (as it does when it is
    // shown) before the next batch must not meet lines it has not heard of, and lay them all
    // out twice.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_shown;
    }

    // The view asks for every row's index when it lays the rows out: answered here without the
    // general checks, which call back into the model twice a row.
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override
    {
        return !parent.isValid() && column == 0 && row >= 0 && row < m_shown ? createIndex(row, 0)
                                                                             : QModelIndex();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_shown)
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return m_lines.Line(index.row());
        case Qt::SizeHintRole:
            return RowSize();
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void SetMetrics(const QFont& font, int margin, int rowHeight)
    {
        m_metrics.emplace(font);
        m_pitch = m_metrics->horizontalAdvance(QLatin1Char('0'));
        m_fixedPitch = QFontInfo(font).fixedPitch();
        m_advances.clear();
        m_margin = margin;
        m_rowHeight = rowHeight;
        m_widest = 0;
        for (int row = 0; row < m_shown; ++row)
            m_widest = std::max(m_widest, RowWidth(row));
        m_widthDirty = true;
        if (m_shown > 0) {
            Q_EMIT layoutAboutToBeChanged();
            Q_EMIT layoutChanged();
        }
    }

    void Clear()
    {
        beginResetModel();
        m_lines.Clear();
        m_shown = 0;
        m_widest = 0;
        m_widthDirty = true;
        endResetModel();
    }

    void Append(const QString& line)
    {
        m_lines.Append(line);
        if (!m_flushPending) {
            m_flushPending = true;
            QMetaObject::invokeMethod(this, &ListBoxModel::Flush, Qt::QueuedConnection);
        }
    }

    // Tells the view of the lines appended since it last heard.
    void Flush()
    {
        m_flushPending = false;
        const int count = m_lines.Count();
        if (count <= m_shown)
            return;
        const int added = count - m_shown;
        const qreal widest = m_widest;
        for (int row = m_shown; row < count; ++row)
            m_widest = std::max(m_widest, RowWidth(row));
        const bool wider = m_widest > widest && m_shown > 0;
        m_widthDirty = m_widthDirty || m_widest > widest;
        beginInsertRows(QModelIndex(), m_shown, count - 1);
        m_shown = count;
        endInsertRows();
        // The view keeps the uniform row size it measured until it lays the rows out afresh.
        if (wider) {
            Q_EMIT layoutAboutToBeChanged();
            Q_EMIT layoutChanged();
        }
        // The view lays the new rows out at once, shown or not. Left to itself, a view on the
        // screen lays them out after the paint already waiting, and a hidden one when it is
        // shown, with its scroll bars painted again after the first paint either way.
        m_view->doItemsLayout();
        // Thousands of lines come from text their maker has dropped by now (an analysis, a
        // schedule), which the C library would otherwise keep.
        if (added >= kLargeBatch)
            ReturnFreedMemorySoon();
    }

    const LineStore& Lines() const { return m_lines; }

    void SetExtent(int pixels)
    {
        m_extent = std::max(0, pixels);
        m_widthDirty = true;
        // The view keeps the uniform row size until it lays the rows out again.
        Q_EMIT layoutAboutToBeChanged();
        Q_EMIT layoutChanged();
    }
    int Extent() const { return m_extent; }

private:
    QSize RowSize() const
    {
        if (m_widthDirty) {
            m_width = std::max(m_extent, static_cast<int>(std::ceil(m_widest)) + m_margin);
            m_widthDirty = false;
        }
        return {m_width, m_rowHeight};
    }

    // The width of a line as it is drawn. In a fixed-pitch font every character the font has is
    // one pitch wide; a character it lacks is drawn from a fallback font (a regional separator
    // such as U+202F) or shaped as a space of its own width, so each such character is measured
    // once, as drawn alone, and remembered. A line with characters beyond the BMP is measured
    // whole.
    qreal RowWidth(int row)
    {
        if (!m_metrics)
            return 0;
        // A line of printable ASCII is as wide as its length in pitches (advances are whole 64ths
        // of a pixel, so the product is the sum).
        const std::string_view utf8 = m_lines.Utf8(row);
        if (m_fixedPitch && m_lines.Printable(row))
            return static_cast<qreal>(utf8.size()) * m_pitch;
        const QString line = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        if (!m_fixedPitch)
            return m_metrics->horizontalAdvance(line);
        qreal width = 0;
        for (const QChar c : line) {
            const char16_t code = c.unicode();
            if (code >= 0x20 && code < 0x7F) {
                width += m_pitch; // every fixed-pitch font has printable ASCII
                continue;
            }
            if (c.isSurrogate())
                return m_metrics->horizontalAdvance(line);
            auto known = m_advances.constFind(code);
            if (known == m_advances.cend())
                known = m_advances.insert(code, m_metrics->horizontalAdvance(QString(c)));
            width += *known;
        }
        return width;
    }

    QListView* m_view;
    LineStore m_lines;
    int m_shown = 0; // the rows the view knows of
    bool m_flushPending = false;
    qreal m_widest = 0; // the widest of the rows the view knows of
    int m_extent = 0;
    std::optional<QFontMetricsF> m_metrics;
    qreal m_pitch = 0;
    bool m_fixedPitch = true;
    QHash<char16_t, qreal> m_advances; // characters outside printable ASCII, as drawn
    int m_margin = 0;
    int m_rowHeight = 0;
    mutable int m_width = 0;
    mutable bool m_widthDirty = true;
};

namespace {

// Left and Right scroll the lines sideways: the rows have no columns to move between. A new font
// for the view means new row metrics.
class ViewEvents final : public QObject
{
public:
    ViewEvents(QListView* view, std::function<void()> fontChanged, QObject* owner)
        : QObject(owner)
        , m_view(view)
        , m_fontChanged(std::move(fontChanged))
    { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_view && event->type() == QEvent::FontChange)
            m_fontChanged();
        if (watched == m_view && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
                if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
                    m_view->horizontalScrollBar()->triggerAction(
                        key->key() == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                   : QAbstractSlider::SliderSingleStepAdd);
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListView* m_view;
    std::function<void()> m_fontChanged;
};

} // namespace

ListBox::ListBox(QListView* view)
    : QObject(view)
    , m_view(view)
    , m_model(new ListBoxModel(view, this))
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_view->setFont(fixed);
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideNone);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->installEventFilter(new ViewEvents(
        m_view,
        [this] {
            if (m_metricsReady)
                UpdateMetrics();
        },
        this));
    m_view->setModel(m_model);
}

// The fixed font is loaded with the first line, not when the window is built: a list the user
// never fills costs no start-up time.
void ListBox::EnsureMetrics()
{
    if (!m_metricsReady) {
        m_metricsReady = true;
        UpdateMetrics();
    }
}

void ListBox::UpdateMetrics()
{
    // The delegate's own size for a one-character row gives the row height and the text margins
    // that the width of the longest line must add.
    const QFont font = m_view->font();
    QStringListModel sample(QStringList {QStringLiteral("0")});
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.font = font;
    option.fontMetrics = QFontMetrics(font);
    option.features = QStyleOptionViewItem::HasDisplay;
    QStyledItemDelegate delegate;
    const QSize one = delegate.sizeHint(option, sample.index(0));
    const int advance = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
    m_model->SetMetrics(font, std::max(0, one.width() - advance) + 2, one.height());
}

void ListBox::Clear()
{
    m_model->Clear();
}

void ListBox::Flush()
{
    EnsureMetrics();
    m_model->Flush();
}

void ListBox::Append(const QString& line)
{
    EnsureMetrics();
    m_model->Append(line);
}

int ListBox::Count() const
{
    return m_model->Lines().Count();
}

QString ListBox::Line(int row) const
{
    return row >= 0 && row < Count() ? m_model->Lines().Line(row) : QString();
}

QStringList ListBox::Lines() const
{
    QStringList lines;
    lines.reserve(Count());
    for (int row = 0; row < Count(); ++row)
        lines.append(m_model->Lines().Line(row));
    return lines;
}

void ListBox::SetHorizontalExtent(int pixels)
{
    EnsureMetrics();
    m_model->SetExtent(pixels);
}

int ListBox::HorizontalExtent() const
{
    return m_model->Extent();
}

} // namespace vexmoor::platform
