// What a screen reader hears of a tab bar: a page tab list whose tabs are page tabs named by
// their captions, each saying whether it is the selected one, and pressed to select it. Qt's own
// interface does not report the selected tab, so the page a user is on would never be announced.
#pragma once

class QAccessibleInterface;
class QObject;

namespace vexmoor::platform {

// The interface for a QTabBar, or nullptr for any other object; for an accessibility factory.
QAccessibleInterface* TabBarAccessible(QObject* object);

} // namespace vexmoor::platform
