// What screen readers are told beyond the standard widgets' own: the window is a frame named by
// its title, the link labels are links a reader can press, and the graph's host is a chart.
#pragma once

#include <QAccessible>

class QWidget;

namespace vexmoor {

// Installs, once, the interfaces that give the roles below.
void InstallAccessibleRoles();
// The role a plain widget (the graph's host) is announced with.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace vexmoor
