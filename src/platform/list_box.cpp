// List boxes of text lines over a QListView and a list model of our own.
#include "platform/list_box.h"

#include <QAbstractListModel>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <functional>

namespace vexmoor::platform {

// The lines, one row each. Every row reports the same size, wide enough for the longest line and
// at least the horizontal extent, so that the view (with uniform item sizes) asks only once and
// its scrollable width is never less than the widest line.
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
        m_font = font;
        m_advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
        m_margin = margin;
        m_rowHeight = rowHeight;
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
        m_longest = -1;
        m_widthDirty = true;
        endResetModel();
    }

    void Append(const QString& line)
    {
        const int row = static_cast<int>(m_lines.size());
        if (m_longest < 0 || line.size() > m_lines.at(m_longest).size()) {
            m_longest = row;
            m_widthDirty = true;
        }
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
        const bool wider = m_widthDirty && m_shown > 0;
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
            int textWidth = 0;
            if (m_longest >= 0) {
                const QString& longest = m_lines.at(m_longest);
                // The count of characters times the pitch, unless a glyph taken from a fallback
                // font (a regional separator the fixed font lacks) makes the line wider still.
                const qreal byPitch = m_advance * longest.size();
                const qreal measured = QFontMetricsF(m_font).horizontalAdvance(longest);
                textWidth = static_cast<int>(std::ceil(std::max(byPitch, measured)));
            }
            m_width = std::max(m_extent, textWidth + m_margin);
            m_widthDirty = false;
        }
        return {m_width, m_rowHeight};
    }

    QStringList m_lines;
    int m_shown = 0; // the rows the view knows of
    bool m_flushPending = false;
    int m_longest = -1; // the row of the first line with the most characters
    int m_extent = 0;
    QFont m_font;
    qreal m_advance = 0;
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
