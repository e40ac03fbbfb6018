// Tab bars as screen readers should hear them.
#include "platform/widgets/tab_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace vexmoor::platform {

namespace {

class TabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabAccessible(QTabBar* bar, int index)
        : m_bar(bar)
        , m_index(index)
    { }

    bool isValid() const override { return m_bar != nullptr && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return QString(m_bar->tabText(m_index)).remove(QLatin1Char('&'));
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = m_bar->currentIndex() == m_index;
        state.selectable = true;
        state.selected = current;
        state.focusable = true;
        state.focused = current && m_bar->hasFocus();
        state.disabled = !m_bar->isTabEnabled(m_index) || !m_bar->isEnabled();
        state.invisible = !m_bar->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class TabBarInterface final : public QAccessibleWidget
{
public:
    explicit TabBarInterface(QTabBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList)
    { }
    ~TabBarInterface() override
    {
        for (const QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Bar()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= Bar()->count())
            return nullptr;
        if (const auto it = m_tabs.constFind(index); it != m_tabs.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto* tab = new TabAccessible(Bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Bar()->hasFocus() ? child(Bar()->currentIndex()) : nullptr;
    }

private:
    QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }
    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace

QAccessibleInterface* TabBarAccessible(QObject* object)
{
    auto* bar = qobject_cast<QTabBar*>(object);
    return bar != nullptr ? new TabBarInterface(bar) : nullptr;
}

} // namespace vexmoor::platform
