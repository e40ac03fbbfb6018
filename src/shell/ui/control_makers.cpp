// One maker per kind of control in the layout table, and the properties every control takes
// from its row.
#include "shell/ui/control_makers.h"

#include "common/core/translatable.h"
#include "platform/text.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/shape_panel.h"
#include "platform/widgets/tab_strip.h"
#include "shell/core/design_colors.h"
#include "shell/ui/accessibility.h"
#include "shell/ui/design_paint.h"
#include "shell/ui/link_label.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <optional>
#include <string_view>
#include <utility>

namespace vexmoor {

namespace {

using platform::ToQString;

// The layout table marks its texts under this context.
constexpr const char* kContext = "Window";

QString Text(std::string_view english)
{
    return platform::Translated(kContext, english);
}

Qt::Alignment ToQt(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center:
        return Qt::AlignCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Screen-reader names of the controls that no caption names.
constexpr std::pair<std::string_view, std::string_view> kAccessibleNames[] = {
    {"lstBev", VEXMOOR_TR_NOOP("Window", "Break-even analysis")},
    {"lstLsd", VEXMOOR_TR_NOOP("Window", "Loan schedule")},
    {"chtBeVAny", VEXMOOR_TR_NOOP("Window", "Break-even graph")},
};

MadeControl Same(QWidget* widget)
{
    return {widget, widget};
}

MadeControl MakeFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    return Same(frame);
}

MadeControl MakePanel(QWidget* parent)
{
    auto* panel = new platform::ShapePanel(parent);
    const DesignColors& design = ColorsOf(Painted::DesignPanel);
    panel->SetOutlineColor(Resolve(design.outline));
    panel->SetFillColor(Resolve(design.fill));
    return Same(panel);
}

MadeControl MakeTabStrip(const ControlSpec& control, QWidget* parent, const QRect& rect)
{
    auto* strip = new platform::TabStrip(parent, ToQString(ObjectName(control)), rect);
    const std::span<const TabSpec> tabs =
        control.name == "tabOptions" ? std::span<const TabSpec>(kMainTabs) : TabsOf(control.name);
    // The sub-pages' tabs are marked under their page's context.
    const char* context = control.name == "tabOptions1" ? "BreakEven"
        : control.name == "tabOptions2"                 ? "Loan"
                                                        : kContext;
    for (const TabSpec& tab : tabs)
        strip->AddTab(platform::Translated(context, tab.caption), ToQString(tab.key),
                      platform::Translated(context, tab.tooltip));
    strip->Bar()->setFont(ResolveFont(control.font));
    return {strip->Bar(), strip};
}

MadeControl MakeLabel(const ControlSpec& control, QWidget* parent)
{
    auto* label = new QLabel(Text(control.caption), parent);
    label->setAlignment(ToQt(control.alignment));
    return Same(label);
}

MadeControl MakeLinkLabel(const ControlSpec& control, QWidget* parent)
{
    auto* link = new LinkLabel(Text(control.caption), parent);
    link->setAlignment(ToQt(control.alignment));
    return Same(link);
}

MadeControl MakeDisplay(const ControlSpec& control, QWidget* parent)
{
    auto* display = new QLabel(ToQString(control.caption), parent);
    display->setAlignment(ToQt(control.alignment));
    display->setFrameShape(QFrame::Box);
    display->setLineWidth(1);
    display->setAccessibleDescription(QCoreApplication::translate("Window", "Display"));
    return Same(display);
}

MadeControl MakeTextBox(const ControlSpec& control, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(ToQt(control.alignment));
    if (control.IsResultField()) {
        // Written only by the program: no typing, out of the Tab order, but a click still
        // selects the text for copying.
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    }
    return Same(edit);
}

MadeControl MakeButton(const ControlSpec& control, QWidget* parent)
{
    auto* button = new QPushButton(Text(control.caption), parent);
    button->setAutoDefault(false);
    return Same(button);
}

MadeControl MakeSelector(const ControlSpec& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    auto* selector = new platform::Selector(combo);
    selector->setObjectName(ToQString(ObjectName(control)));
    return {combo, selector};
}

MadeControl MakeListBox(const ControlSpec& control, QWidget* parent)
{
    auto* view = new QListView(parent);
    auto* list = new platform::ListBox(view);
    list->setObjectName(ToQString(ObjectName(control)));
    // The header line tells a listener what the columns are.
    const auto describe = [view, list] {
        view->setAccessibleDescription(list->Count() > 0 ? list->Line(0).simplified() : QString());
    };
    QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, view, describe);
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, view, describe);
    return {view, list};
}

MadeControl MakeChart(QWidget* parent)
{
    auto* host = new PictureWidget(parent);
    host->setFocusPolicy(Qt::StrongFocus);
    return Same(host);
}

MadeControl MakeImage(QWidget* parent)
{
    // The picture is decoded on the first visit of its page: the image plugins it needs would
    // otherwise cost start-up time.
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setAccessibleName(QCoreApplication::translate("Window", "Quenbry software"));
    return Same(image);
}

} // namespace

MadeControl MakeControl(const ControlSpec& control, QWidget* parent, const QRect& rect)
{
    switch (control.kind) {
    case ControlKind::Container:
        return Same(new QWidget(parent));
    case ControlKind::Frame:
        return MakeFrame(parent);
    case ControlKind::Panel:
        return MakePanel(parent);
    case ControlKind::TabStrip:
        return MakeTabStrip(control, parent, rect);
    case ControlKind::Label:
        return MakeLabel(control, parent);
    case ControlKind::LinkLabel:
        return MakeLinkLabel(control, parent);
    case ControlKind::Display:
        return MakeDisplay(control, parent);
    case ControlKind::TextBox:
        return MakeTextBox(control, parent);
    case ControlKind::Button:
        return MakeButton(control, parent);
    case ControlKind::Selector:
        return MakeSelector(control, parent);
    case ControlKind::ListBox:
        return MakeListBox(control, parent);
    case ControlKind::Chart:
        return MakeChart(parent);
    case ControlKind::Image:
        return MakeImage(parent);
    }
    return {};
}

void ApplyCommonProperties(const ControlSpec& control, QWidget* widget, const QRect& rect)
{
    if (control.kind == ControlKind::TabStrip)
        return; // the strip has named and placed its own widgets
    widget->setObjectName(ToQString(ObjectName(control)));
    widget->setGeometry(rect);
    if (const auto painted = OpaquePaintOf(control))
        PaintOpaque(widget, *painted);
    if (control.font != kDefaultFont)
        widget->setFont(ResolveFont(control.font));
    if (control.HasBoldText())
        platform::SetBold(widget, true);
    if (!control.tooltip.empty())
        widget->setToolTip(Text(control.tooltip));
    for (const auto& [named, accessibleName] : kAccessibleNames) {
        if (control.name == named)
            widget->setAccessibleName(Text(accessibleName));
    }
}

std::optional<Painted> OpaquePaintOf(const ControlSpec& control)
{
    if (control.kind == ControlKind::Display)
        return Painted::Display;
    if (control.IsResultField())
        return control.HasWhiteBackground() ? Painted::WhiteResultField : Painted::ResultField;
    if (control.name == "lblVxmDsc")
        return Painted::Disclaimer;
    return std::nullopt;
}

// "MS Sans Serif" and "Arial" are not on Linux desktops; Liberation Sans has Arial's metrics, so
// every caption fits the control it was designed for.
QFont ResolveFont(const FontSpec& design)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

} // namespace vexmoor
