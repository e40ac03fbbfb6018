// List boxes of text lines over a QListView and a list model of our own.
#include "platform/widgets/list_box.h"

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
#include <functional>
#include <optional>

namespace vexmoor::platform {

// The lines, one row each. Every row reports the same size, wide enough for the widest line as
// drawn and at least the horizontal extent, so that the view (with uniform item sizes) asks only
// once and its scrollable width is never less than the widest line. Lines are measured when the
// view is told of them.
class ListBoxModel final : public QAbstractListModel
{
public:
    explicit ListBoxModel(QObject* parent)
        : QAbstractListModel(parent)
    { }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_lines.size())
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return m_lines.at(index.row());
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
            m_widest = std::max(m_widest, LineWidth(m_lines.at(row)));
        m_widthDirty = true;
        if (m_shown > 0) {
            Q_EMIT layoutAboutToBeChanged();
            Q_EMIT layoutChanged();
        }
    }

    void Clear()
    {
        beginResetModel();
        m_lines.clear();
        m_shown = 0;
        m_widest = 0;
        m_widthDirty = true;
        endResetModel();
    }

    void Append(const QString& line)
    {
        m_lines.append(line);
        if (!m_flushPending) {
            m_flushPending = true;
            QMetaObject::invokeMethod(this, &ListBoxModel::Flush, Qt::QueuedConnection);
        }
    }

    // Tells the view of the lines appended since it last heard.
    void Flush()
    {
        m_flushPending = false;
        const int count = static_cast<int>(m_lines.size());
        if (count <= m_shown)
            return;
        const qreal widest = m_widest;
        for (int row = m_shown; row < count; ++row)
            m_widest = std::max(m_widest, LineWidth(m_lines.at(row)));
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
    }

    const QStringList& Lines() const { return m_lines; }

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
    qreal LineWidth(const QString& line)
    {
        if (!m_metrics)
            return 0;
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

    QStringList m_lines;
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
    , m_model(new ListBoxModel(this))
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
    return static_cast<int>(m_model->Lines().size());
}

QString ListBox::Line(int row) const
{
    const QStringList& lines = m_model->Lines();
    return row >= 0 && row < lines.size() ? lines.at(row) : QString();
}

QStringList ListBox::Lines() const
{
    return m_model->Lines();
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
