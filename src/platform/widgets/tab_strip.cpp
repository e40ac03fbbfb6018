// Tab strips: a QTabBar over a framed client area.
#include "platform/widgets/tab_strip.h"

#include <QEvent>
#include <QFrame>
#include <QTabBar>
#include <QWidget>

namespace vexmoor::platform {

TabStrip::TabStrip(QWidget* parent, const QString& name, const QRect& geometry)
    : QObject(parent)
    , m_frame(new QFrame(parent))
    , m_bar(new QTabBar(parent))
    , m_geometry(geometry)
{
    setObjectName(name);
    m_bar->setObjectName(name);
    m_frame->setObjectName(name + QStringLiteral("_client"));
    m_frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_frame->setFocusPolicy(Qt::NoFocus);
    m_bar->setExpanding(false);
    m_bar->setDrawBase(false);
    // A click on a tab is a focus move like any other, so that the field left is validated first.
    m_bar->setFocusPolicy(Qt::StrongFocus);
    // The wheel would switch pages without a focus move and so without validation.
    m_bar->installEventFilter(this);
    connect(m_bar, &QTabBar::currentChanged, this, [this](int) {
        if (!m_adding && m_click)
            m_click();
    });
    Arrange();
}

void TabStrip::AddTab(const QString& caption, const QString& key, const QString& tooltip)
{
    // The first tab added becomes the selected one; that is where a strip starts, not a change.
    m_adding = true;
    const int index = m_bar->addTab(caption);
    m_adding = false;
    m_bar->setTabToolTip(index, tooltip);
    m_keys.append(key);
    Arrange();
}

int TabStrip::Count() const
{
    return m_bar->count();
}

int TabStrip::Selected() const
{
    return m_bar->currentIndex() + 1;
}

void TabStrip::Select(int position)
{
    if (position < 1 || position > m_bar->count())
        return;
    // Emits currentChanged, and so runs Click, before returning when the selection changes.
    m_bar->setCurrentIndex(position - 1);
}

QString TabStrip::Key(int position) const
{
    return position >= 1 && position <= m_keys.size() ? m_keys.at(position - 1) : QString();
}

void TabStrip::SetClickHandler(std::function<void()> handler)
{
    m_click = std::move(handler);
}

bool TabStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bar) {
        switch (event->type()) {
        case QEvent::Wheel:
            return true;
        case QEvent::FontChange:
        case QEvent::StyleChange:
            // The tabs' height follows the font, and the client area starts under them; the bar
            // measures its tabs anew once it has seen the change itself.
            QMetaObject::invokeMethod(this, &TabStrip::Arrange, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TabStrip::Arrange()
{
    const int barHeight = m_bar->count() > 0 ? m_bar->sizeHint().height() : 0;
    m_bar->setGeometry(m_geometry.x(), m_geometry.y(), m_geometry.width(), barHeight);
    // The frame starts right under the tabs so that the selected tab joins its client area.
    m_frame->setGeometry(m_geometry.x(), m_geometry.y() + barHeight, m_geometry.width(),
                         std::max(0, m_geometry.height() - barHeight));
    m_frame->lower();
}

} // namespace vexmoor::platform
