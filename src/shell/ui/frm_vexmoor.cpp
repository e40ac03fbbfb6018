// The window: built from the layout table, loaded, coloured, and switched page by page.
#include "shell/ui/frm_vexmoor.h"

#include "errors/ui/guard.h"
#include "platform/widgets/container.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/services/regional_format.h"
#include "platform/widgets/selector.h"
#include "platform/services/services.h"
#include "platform/widgets/shape_panel.h"
#include "platform/widgets/tab_strip.h"
#include "platform/text.h"
#include "platform/widgets/twips.h"
#include "shell/core/design_colors.h"
#include "shell/core/layout.h"
#include "shell/core/links.h"
#include "shell/ui/accessibility.h"
#include "shell/ui/design_paint.h"
#include "shell/ui/link_label.h"
#include "shell/ui/pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace vexmoor {

namespace {

using platform::ToQString;

// "MS Sans Serif" and "Arial" are not on Linux desktops; Liberation Sans has Arial's metrics,
// so every caption fits the control it was designed for.
QFont ResolveFont(const FontSpec& design)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
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

// The controls filled with a colour of their own: the display, the result fields (their fill and
// text follow the theme) and the disclaimer.
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

// Screen-reader names of the controls that no caption names.
constexpr std::pair<std::string_view, std::string_view> kAccessibleNames[] = {
    {"lstBev", "Break-even analysis"},
    {"lstLsd", "Loan schedule"},
    {"chtBeVAny", "Break-even graph"},
};

// Which member of the window each control of the layout goes to: a control array, or a single
// pointer. A layout row whose name has no binding of its kind stops the program when its page is
// built (HasMemberFor), so a misspelt name fails the first window test.
template<typename Widget> struct Binding
{
    std::string_view name;
    platform::ControlArray<Widget> frmVexmoor::*array = nullptr;
    Widget* frmVexmoor::*single = nullptr;
};

template<typename Widget> using Bindings = std::initializer_list<Binding<Widget>>;

// clang-format off
const Bindings<QWidget> kWidgetBindings = {
    {"picOptions",  &frmVexmoor::picOptions},
    {"picOptions1", &frmVexmoor::picOptions1},
    {"picOptions2", &frmVexmoor::picOptions2},
    {"chtBeVAny",   {}, &frmVexmoor::chtBeVAny},
};
const Bindings<platform::ShapePanel> kPanelBindings = {
    {"shpVexmr",  &frmVexmoor::shpVexmr},
    {"shpBeVAny", &frmVexmoor::shpBeVAny},
    {"shpLonCal", &frmVexmoor::shpLonCal},
};
const Bindings<platform::TabStrip> kTabStripBindings = {
    {"tabOptions",  {}, &frmVexmoor::tabOptions},
    {"tabOptions1", {}, &frmVexmoor::tabOptions1},
    {"tabOptions2", {}, &frmVexmoor::tabOptions2},
};
const Bindings<QLabel> kLabelBindings = {
    {"lblBeV",     &frmVexmoor::lblBeV},
    {"lblCalRpy",  &frmVexmoor::lblCalRpy},
    {"lblCalPrn",  &frmVexmoor::lblCalPrn},
    {"lblQnbWeb",  &frmVexmoor::lblQnbWeb},
    {"lblVxmDsc",  {}, &frmVexmoor::lblVxmDsc},
    {"lblDisplay", {}, &frmVexmoor::lblDisplay},
    {"imgQnfSut",  {}, &frmVexmoor::imgQnfSut},
};
const Bindings<QLineEdit> kTextBoxBindings = {
    {"txtBeV",    &frmVexmoor::txtBeV},
    {"txtCalRpy", &frmVexmoor::txtCalRpy},
    {"txtCalPrn", &frmVexmoor::txtCalPrn},
};
const Bindings<QPushButton> kButtonBindings = {
    {"cmdCalc",   &frmVexmoor::cmdCalc},
    {"cmdCalBeV", {}, &frmVexmoor::cmdCalBeV},
    {"cmdClrBeV", {}, &frmVexmoor::cmdClrBeV},
    {"cmdCalRpy", {}, &frmVexmoor::cmdCalRpy},
    {"cmdClrRpy", {}, &frmVexmoor::cmdClrRpy},
    {"cmdCalPrn", {}, &frmVexmoor::cmdCalPrn},
    {"cmdClrPrn", {}, &frmVexmoor::cmdClrPrn},
};
const Bindings<platform::Selector> kSelectorBindings = {
    {"cboIntRat", &frmVexmoor::cboIntRat},
    {"cboCalRpy", &frmVexmoor::cboCalRpy},
    {"cboCalPrn", &frmVexmoor::cboCalPrn},
};
const Bindings<platform::ListBox> kListBoxBindings = {
    {"lstBev", {}, &frmVexmoor::lstBev},
    {"lstLsd", {}, &frmVexmoor::lstLsd},
};
// clang-format on

template<typename Widget> bool Names(Bindings<Widget> bindings, std::string_view name)
{
    return std::any_of(bindings.begin(), bindings.end(),
                       [name](const Binding<Widget>& binding) { return binding.name == name; });
}

template<typename Widget>
void Bind(frmVexmoor& window, Bindings<Widget> bindings, const ControlSpec& control, Widget* widget)
{
    for (const Binding<Widget>& binding : bindings) {
        if (binding.name != control.name)
            continue;
        if (binding.array != nullptr)
            (window.*binding.array).Add(static_cast<std::int16_t>(control.index), widget);
        else
            window.*binding.single = widget;
        return;
    }
}

// The control a binding gave this name and index, or nullptr when there is none (yet).
template<typename Widget>
Widget* Bound(const frmVexmoor& window, Bindings<Widget> bindings, std::string_view name,
              std::int16_t index)
{
    for (const Binding<Widget>& binding : bindings) {
        if (binding.name == name)
            return binding.array != nullptr ? (window.*binding.array)[index]
                                            : window.*binding.single;
    }
    return nullptr;
}

} // namespace

frmVexmoor::frmVexmoor(QWidget* parent, PageBuilding building)
    : QWidget(parent)
    , regionalFormat(platform::UserRegionalFormat())
{
    setObjectName(QStringLiteral("frmVexmoor"));
    setWindowTitle(ToQString(kWindowTitle));
    InstallAccessibleRoles();
    setWindowIcon(WindowIcon(devicePixelRatioF()));
    setFont(ResolveFont(kDefaultFont));
    // The client area is the design's; a window manager owns the frame around it.
    setFixedSize(platform::TwipsToPixels(kClientWidthTwips),
                 platform::TwipsToPixels(kClientHeightTwips));

    focusEvents = new platform::FocusEvents(this);
    focusEvents->SetKeyPreview([this](QKeyEvent* event) { return PreviewKey(event); });
    BuildControls(kWindowControls);
    tabOptions->SetClickHandler([this] { tabOptions_Click(); });
    BuildPage(MainPage::Calculator);
    for (int page = 1; page < kMainPageCount; ++page) {
        if (building == PageBuilding::AllAtOnce)
            BuildPage(static_cast<MainPage>(page));
        else
            idleBuildingDue = true;
    }
}

frmVexmoor::~frmVexmoor() = default;

bool frmVexmoor::HasMemberFor(const ControlSpec& control)
{
    switch (control.kind) {
    case ControlKind::Frame:
        return true; // frames only hold other controls; no member needs them
    case ControlKind::Container:
    case ControlKind::Chart:
        return Names(kWidgetBindings, control.name);
    case ControlKind::Panel:
        return Names(kPanelBindings, control.name);
    case ControlKind::TabStrip:
        return Names(kTabStripBindings, control.name);
    case ControlKind::Label:
    case ControlKind::LinkLabel:
    case ControlKind::Display:
    case ControlKind::Image:
        return Names(kLabelBindings, control.name);
    case ControlKind::TextBox:
        return Names(kTextBoxBindings, control.name);
    case ControlKind::Button:
        return Names(kButtonBindings, control.name);
    case ControlKind::Selector:
        return Names(kSelectorBindings, control.name);
    case ControlKind::ListBox:
        return Names(kListBoxBindings, control.name);
    }
    return false;
}

bool frmVexmoor::PageBuilt(MainPage page) const
{
    return pageBuilt[static_cast<std::size_t>(page)];
}

void frmVexmoor::EnsurePageBuilt(MainPage page)
{
    if (!PageBuilt(page))
        BuildPage(page);
}

bool frmVexmoor::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        PaintTheme();
    // The pages not shown at start are made once the window has been painted, one in each
    // pass of the event loop, so that the user sees the window first and can type at once.
    if (event->type() == QEvent::Paint && idleBuildingDue) {
        idleBuildingDue = false;
        BuildNextPageWhenIdle();
    }
    return handled;
}

void frmVexmoor::PaintTheme()
{
    // The fills and texts in the desktop's own colours follow a change of theme.
    for (const ControlSpec& control : WindowLayout()) {
        const auto painted = OpaquePaintOf(control);
        QWidget* widget = painted ? controlsByName.value(ToQString(ObjectName(control))) : nullptr;
        if (widget != nullptr) // null on a page not made yet
            PaintOpaque(widget, *painted);
    }
    if (platform::ShapePanel* panel = shpVexmr[2])
        panel->SetFillColor(Resolve(ColorsOf(Painted::DesignPanel).fill));
    Form_Colors();
}

void frmVexmoor::BuildNextPageWhenIdle()
{
    QTimer::singleShot(0, this, [this] {
        for (int page = 0; page < kMainPageCount; ++page) {
            if (!PageBuilt(static_cast<MainPage>(page))) {
                BuildPage(static_cast<MainPage>(page));
                BuildNextPageWhenIdle();
                return;
            }
        }
    });
}

void frmVexmoor::BuildControls(int page)
{
    std::vector<std::pair<QLabel*, QString>> buddies;
    const std::span<const ControlSpec> layout = WindowLayout();
    const std::span<const int> pages = ControlPages();

    for (std::size_t row = 0; row < layout.size(); ++row) {
        if (pages[row] != page)
            continue;
        const ControlSpec& control = layout[row];
        // A misspelt name in the layout stops the program here, instead of the control landing
        // in no member or in the wrong one.
        if (!HasMemberFor(control))
            qFatal("The layout's control %s has no member to go to", ObjectName(control).c_str());
        const QString name = ToQString(ObjectName(control));
        QWidget* parent =
            control.parent.empty() ? this : controlsByName.value(ToQString(control.parent));
        Q_ASSERT(parent);
        const QRect rect =
            platform::TwipsRect(control.left, control.top, control.width, control.height);
        const auto index = static_cast<std::int16_t>(control.index);
        const QString caption = ToQString(control.caption);
        QWidget* widget = nullptr;

        switch (control.kind) {
        case ControlKind::Container: {
            widget = new QWidget(parent);
            Bind(*this, kWidgetBindings, control, widget);
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            widget = frame;
            break;
        }
        case ControlKind::Panel: {
            auto* panel = new platform::ShapePanel(parent);
            const DesignColors& design = ColorsOf(Painted::DesignPanel);
            panel->SetOutlineColor(Resolve(design.outline));
            panel->SetFillColor(Resolve(design.fill));
            Bind(*this, kPanelBindings, control, panel);
            widget = panel;
            break;
        }
        case ControlKind::TabStrip: {
            auto* strip = new platform::TabStrip(parent, name, rect);
            for (const TabSpec& tab : TabsOf(control.name))
                strip->AddTab(ToQString(tab.caption), ToQString(tab.key), ToQString(tab.tooltip));
            Bind(*this, kTabStripBindings, control, strip);
            strip->Bar()->setFont(ResolveFont(control.font));
            tabChain.emplace_back(control.tabOrder, strip->Bar());
            continue; // the strip places its own widgets
        }
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(ToQt(control.alignment));
            if (control.name == "lblVxmDsc")
                label->setWordWrap(true);
            Bind(*this, kLabelBindings, control, label);
            if (!control.buddy.empty())
                buddies.emplace_back(label, ToQString(control.buddy));
            widget = label;
            break;
        }
        case ControlKind::LinkLabel: {
            auto* link = new LinkLabel(caption, parent);
            link->setAlignment(ToQt(control.alignment));
            Bind<QLabel>(*this, kLabelBindings, control, link);
            connect(link, &LinkLabel::clicked, this, [this, index] { lblQnbWeb_Click(index); });
            widget = link;
            break;
        }
        case ControlKind::Display: {
            auto* display = new QLabel(caption, parent);
            display->setAlignment(ToQt(control.alignment));
            display->setFrameShape(QFrame::Box);
            display->setLineWidth(1);
            display->setAccessibleDescription(QStringLiteral("Display"));
            Bind(*this, kLabelBindings, control, display);
            widget = display;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(parent);
            edit->setAlignment(ToQt(control.alignment));
            if (control.IsResultField()) {
                // Written only by the program: no typing, out of the Tab order, but a click
                // still selects the text for copying.
                edit->setReadOnly(true);
                edit->setFocusPolicy(Qt::ClickFocus);
            }
            Bind(*this, kTextBoxBindings, control, edit);
            widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            Bind(*this, kButtonBindings, control, button);
            widget = button;
            break;
        }
        case ControlKind::Selector: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            auto* selector = new platform::Selector(combo);
            Bind(*this, kSelectorBindings, control, selector);
            widget = combo;
            break;
        }
        case ControlKind::ListBox: {
            auto* view = new QListView(parent);
            auto* list = new platform::ListBox(view);
            Bind(*this, kListBoxBindings, control, list);
            // The header line tells a listener what the columns are.
            const auto describe = [view, list] {
                view->setAccessibleDescription(list->Count() > 0 ? list->Line(0).simplified()
                                                                 : QString());
            };
            connect(view->model(), &QAbstractItemModel::rowsInserted, view, describe);
            connect(view->model(), &QAbstractItemModel::modelReset, view, describe);
            widget = view;
            break;
        }
        case ControlKind::Chart: {
            widget = new QWidget(parent);
            widget->setFocusPolicy(Qt::StrongFocus);
            SetAccessibleRole(widget, QAccessible::Chart);
            Bind(*this, kWidgetBindings, control, widget);
            break;
        }
        case ControlKind::Image: {
            // The picture is decoded on the first visit of its page: the image plugins it needs
            // would otherwise cost start-up time.
            auto* image = new QLabel(parent);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            image->setAccessibleName(QStringLiteral("Quenbry software"));
            Bind(*this, kLabelBindings, control, image);
            widget = image;
            break;
        }
        }

        widget->setObjectName(name);
        widget->setGeometry(rect);
        if (const auto painted = OpaquePaintOf(control))
            PaintOpaque(widget, *painted);
        if (control.font != kDefaultFont)
            widget->setFont(ResolveFont(control.font));
        if (control.HasBoldText())
            platform::SetBold(widget, true);
        if (!control.tooltip.empty())
            widget->setToolTip(ToQString(control.tooltip));
        for (const auto& [named, accessibleName] : kAccessibleNames) {
            if (control.name == named)
                widget->setAccessibleName(ToQString(accessibleName));
        }
        if (control.tabOrder >= 0 && widget->focusPolicy() != Qt::ClickFocus)
            tabChain.emplace_back(control.tabOrder, widget);
        controlsByName.insert(name, widget);
    }

    for (const auto& [label, buddy] : buddies)
        label->setBuddy(controlsByName.value(buddy));

    // The whole chain is laid again, so that a page made later takes its place in it.
    std::sort(tabChain.begin(), tabChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        QWidget::setTabOrder(tabChain[i - 1].second, tabChain[i].second);
}

const frmVexmoor::PageSteps& frmVexmoor::StepsOf(MainPage page)
{
    static constexpr PageSteps kSteps[kMainPageCount] = {
        {&frmVexmoor::ConnectCalculator, nullptr, nullptr, &frmVexmoor::calculatorPageActive},
        {&frmVexmoor::ConnectBreakEven, &frmVexmoor::LoadBreakEvenPage, nullptr,
         &frmVexmoor::breakEvenPageActive},
        {&frmVexmoor::ConnectLoan, &frmVexmoor::LoadLoanPage, &frmVexmoor::ShowLoanPage,
         &frmVexmoor::loanPageActive},
        {nullptr, nullptr, &frmVexmoor::ShowTalkToUsPage, &frmVexmoor::talkToUsPageActive},
        {nullptr, nullptr, nullptr, nullptr},
    };
    return kSteps[static_cast<std::size_t>(page)];
}

void frmVexmoor::BuildPage(MainPage page)
{
    BuildControls(static_cast<int>(page));
    pageBuilt[static_cast<std::size_t>(page)] = true;
    const PageSteps& steps = StepsOf(page);
    if (steps.connect != nullptr)
        (this->*steps.connect)();
    // A page made after the window has loaded gets what loading gave the others.
    if (formLoaded) {
        Form_Colors();
        if (steps.load != nullptr)
            (this->*steps.load)();
    }
}

void frmVexmoor::Form_Load()
{
    Guarded("Form_Load", GuardVariant::Plain, [&] {
        // A page not made yet runs its part of these steps when it is made.
        formLoaded = true;
        Form_Colors();
        for (int page = 0; page < kMainPageCount; ++page) {
            const PageSteps& steps = StepsOf(static_cast<MainPage>(page));
            if (steps.load != nullptr && PageBuilt(static_cast<MainPage>(page)))
                (this->*steps.load)();
        }
        tabOptions_Click();
    });
}

void frmVexmoor::Form_Colors()
{
    Guarded("Form_Colors", GuardVariant::Plain, [&] {
        for (const DesignColors& colors : kDesignColors) {
            if (colors.what != Painted::PanelAtLoad)
                continue;
            platform::ShapePanel* panel =
                Bound(*this, kPanelBindings, colors.name, static_cast<std::int16_t>(colors.index));
            if (panel == nullptr)
                continue; // on a page not made yet
            panel->SetOutlineColor(Resolve(colors.outline));
            panel->SetFillColor(Resolve(colors.fill));
            // The captions and links lying on the panel take the text colour of its fill.
            for (QLabel* label : panel->parentWidget()->findChildren<QLabel*>(
                     QString(), Qt::FindDirectChildrenOnly)) {
                if (label->autoFillBackground())
                    continue; // opaque, with a fill of its own
                if (qobject_cast<LinkLabel*>(label))
                    PaintLink(label, panel->FillColor());
                else
                    PaintTextOn(label, panel->FillColor(), colors.text);
            }
        }
        // The bottom link lies on the window itself, in the theme's colours.
        PaintLink(lblQnbWeb[0], QGuiApplication::palette().color(QPalette::Window));
    });
}

void frmVexmoor::Form_Unload(std::int16_t& cancel)
{
    Guarded("Form_Unload", GuardVariant::Plain, [&] {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    });
    cancel = 0; // closing is never refused
}

void frmVexmoor::closeEvent(QCloseEvent* event)
{
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    event->accept();
}

void frmVexmoor::tabOptions_Click()
{
    Guarded("tabOptions_Click", GuardVariant::Plain, [&] {
        const int selected = tabOptions->Selected() - 1;
        const bool onPage = selected >= 0 && selected < kMainPageCount;
        // A page not made yet is made before it is shown.
        if (onPage)
            EnsurePageBuilt(static_cast<MainPage>(selected));
        platform::ShowOnly(picOptions, selected, kPageLeftTwips);
        if (!onPage)
            return;
        calculatorPageActive = breakEvenPageActive = loanPageActive = talkToUsPageActive = false;
        const PageSteps& steps = StepsOf(static_cast<MainPage>(selected));
        if (steps.active != nullptr)
            this->*steps.active = true;
        if (steps.show != nullptr)
            (this->*steps.show)();
    });
}

void frmVexmoor::ShowTalkToUsPage()
{
    // The picture is decoded on the page's first visit, to keep its image plugins out of start-up.
    if (imgQnfSut->pixmap().isNull())
        imgQnfSut->setPixmap(TalkToUsPicture(imgQnfSut->size(), imgQnfSut->devicePixelRatioF()));
}

void frmVexmoor::lblQnbWeb_Click(std::int16_t index)
{
    Guarded("lblQnbWeb_Click", GuardVariant::Plain, [&] {
        linkTarget = ToQString(LinkTarget(index));
        platform::CurrentServices().OpenUrl(linkTarget);
    });
}

} // namespace vexmoor
