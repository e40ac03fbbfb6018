// Accessible interfaces for the window, the link labels and the graph's host.
#include "shell/ui/accessibility.h"

#include "platform/text.h"
#include "platform/widgets/tab_accessible.h"
#include "shell/core/layout.h"
#include "shell/ui/link_label.h"

#include <QApplication>

#include <QAccessibleObject>
#include <QAccessibleWidget>

namespace vexmoor {

namespace {

// A link label: named by its caption, and pressed as a click would.
class LinkAccessible final : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList {pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Q_EMIT static_cast<LinkLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

class NamedApplication final : public QAccessibleApplication
{
public:
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return platform::ToQString(kWindowTitle);
        return QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    // The program is announced by its name, not by the short name its windows are classed by.
    if (object == qApp && key == QLatin1String("QApplication"))
        return new NamedApplication;
    if (key == QLatin1String("QTabBar"))
        return platform::TabBarAccessible(object);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (key == QLatin1String("vexmoor::frmVexmoor"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (key == QLatin1String("vexmoor::LinkLabel"))
        return new LinkAccessible(static_cast<LinkLabel*>(widget));
    if (key == QLatin1String("vexmoor::PictureWidget"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void InstallAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vexmoor
