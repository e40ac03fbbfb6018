// Access keys shared by several controls, taken in turn.
#include "platform/widgets/access_keys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

namespace vexmoor::platform {

namespace {

bool HasKey(const QString& caption, const QKeySequence& key)
{
    return !caption.isEmpty() && QKeySequence::mnemonic(caption) == key;
}

bool Reachable(const QWidget* widget)
{
    return widget != nullptr && widget->isVisible() && widget->isEnabled() &&
        widget->focusPolicy() != Qt::NoFocus;
}

int Depth(const QWidget* widget)
{
    int depth = 0;
    for (; widget != nullptr; widget = widget->parentWidget())
        ++depth;
    return depth;
}

// The controls on the page come first, then the selected tabs, then the tabs that would show
// another page.
int Rank(const AccessTarget& target)
{
    const auto* bar = qobject_cast<const QTabBar*>(target.widget);
    if (bar == nullptr)
        return 0;
    return bar->currentIndex() == target.tab ? 1 : 2;
}

} // namespace

std::vector<AccessTarget> AccessTargets(QWidget* window, const QKeySequence& key)
{
    std::vector<AccessTarget> targets;
    // The Tab order gives the order on the page.
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (auto* bar = qobject_cast<QTabBar*>(widget)) {
            if (!Reachable(bar))
                continue;
            for (int tab = 0; tab < bar->count(); ++tab) {
                if (bar->isTabEnabled(tab) && HasKey(bar->tabText(tab), key))
                    targets.push_back({bar, tab});
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (Reachable(button) && HasKey(button->text(), key))
                targets.push_back({button});
        }
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && Reachable(label->buddy()) && HasKey(label->text(), key))
            targets.push_back({label->buddy()});
    }
    std::stable_sort(targets.begin(), targets.end(),
                     [](const AccessTarget& a, const AccessTarget& b) {
                         if (Rank(a) != Rank(b))
                             return Rank(a) < Rank(b);
                         // A sub-page's tabs before the main page's.
                         return Rank(a) == 2 && Depth(a.widget) > Depth(b.widget);
                     });
    return targets;
}

const AccessTarget& NextAccessTarget(const std::vector<AccessTarget>& targets, const QWidget* focus)
{
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const AccessTarget& target = targets[i];
        if (target.widget != focus)
            continue;
        const auto* bar = qobject_cast<const QTabBar*>(target.widget);
        if (bar == nullptr || bar->currentIndex() == target.tab)
            return targets[(i + 1) % targets.size()];
    }
    return targets.front();
}

} // namespace vexmoor::platform
