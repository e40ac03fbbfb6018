// What screen readers are told beyond the standard widgets' own: the window is a frame named by
// its title, the program by its name, the link labels are links a reader can press, the tab bars
// say which tab is selected, and the graph's host is a picture.
#pragma once

#include <QWidget>

namespace vexmoor {

// Installs, once, the interfaces that give the roles below.
void InstallAccessibleRoles();

// A widget announced as a picture (the graph's host), as charts are on the web: desktop screen
// readers know no chart role. Known by its class, since a reader may ask for a widget's
// interface as soon as it is made.
class PictureWidget : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

} // namespace vexmoor
