// The window: its own controls and each page's made from the layout table, the pages composed,
// loaded, coloured, and switched one at a time.
#include "shell/ui/frm_vexmoor.h"

#include "breakeven/ui/breakeven_page.h"
#include "calculator/ui/calculator_page.h"
#include "loan/ui/loan_page.h"
#include "pages/page.h"
#include "platform/services/regional_format.h"
#include "platform/text.h"
#include "platform/widgets/container.h"
#include "platform/widgets/control_set.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/shape_panel.h"
#include "platform/widgets/tab_strip.h"
#include "platform/widgets/twips.h"
#include "shell/core/design_colors.h"
#include "shell/core/links.h"
#include "shell/ui/accessibility.h"
#include "shell/ui/control_makers.h"
#include "shell/ui/design_paint.h"
#include "shell/ui/disclaimer_page.h"
#include "shell/ui/help_window.h"
#include "shell/ui/link_label.h"
#include "shell/ui/pictures.h"
#include "shell/ui/talk_to_us_page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <span>

namespace vexmoor {

namespace {

using platform::ToQString;

template<typename P> Page* Make(const PageContext& context, QObject* parent)
{
    return new P(context, parent);
}
using PageMaker = Page* (*)(const PageContext&, QObject*);

// The main pages' classes, in the order of the main tab strip (kMainTabs gives their tabs).
constexpr PageMaker kPageMakers[] = {
    &Make<CalculatorPage>, &Make<BreakEvenPage>,  &Make<LoanPage>,
    &Make<TalkToUsPage>,   &Make<DisclaimerPage>,
};
static_assert(std::size(kPageMakers) == kMainPageCount, "every main tab needs its page and back");

} // namespace

frmVexmoor::frmVexmoor(QWidget* parent, PageBuilding building)
    : QWidget(parent)
    , m_context(std::make_unique<PageContext>())
{
    setObjectName(QStringLiteral("frmVexmoor"));
    setWindowTitle(ToQString(kWindowTitle));
    InstallAccessibleRoles();
    setFont(ResolveFont(kDefaultFont));
    // The client area is the design's; a window manager owns the frame around it.
    setFixedSize(platform::TwipsToPixels(kClientWidthTwips),
                 platform::TwipsToPixels(kClientHeightTwips));

    focusEvents = new platform::FocusEvents(this);
    focusEvents->SetKeyPreview([this](QKeyEvent* event) { return PreviewKey(event); });
    InstallHelpKey(this);
    m_context->regionalFormat = platform::UserRegionalFormat();
    m_context->focusEvents = focusEvents;

    platform::ControlSet own;
    BuildControls(kWindowControls, own);
    own.Take(QStringLiteral("tabOptions"), tabOptions);
    own.Take(QStringLiteral("picOptions"), picOptions);
    own.Take(QStringLiteral("lblQnbWeb"), lblQnbWeb);
    RequireTaken(own);
    tabOptions->SetClickHandler([this] { tabOptions_Click(); });
    // Ctrl+Q closes the window as its close button does.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &QWidget::close);

    for (int page = 0; page < kMainPageCount; ++page)
        m_pages[static_cast<std::size_t>(page)] = kPageMakers[page](*m_context, this);
    BuildPage(MainPage::Calculator);
    for (int page = 1; page < kMainPageCount; ++page) {
        if (building == PageBuilding::AllAtOnce)
            BuildPage(static_cast<MainPage>(page));
        else
            m_idleBuildingDue = true;
    }
}

frmVexmoor::~frmVexmoor()
{
    // No focus or key event may reach a page while the window's controls go.
    delete focusEvents;
}

CalculatorPage& frmVexmoor::Calculator() const
{
    return static_cast<CalculatorPage&>(*m_pages[static_cast<std::size_t>(MainPage::Calculator)]);
}

BreakEvenPage& frmVexmoor::BreakEven() const
{
    return static_cast<BreakEvenPage&>(*m_pages[static_cast<std::size_t>(MainPage::BreakEven)]);
}

LoanPage& frmVexmoor::Loan() const
{
    return static_cast<LoanPage&>(*m_pages[static_cast<std::size_t>(MainPage::Loan)]);
}

bool frmVexmoor::PageBuilt(MainPage page) const
{
    return m_pageBuilt[static_cast<std::size_t>(page)];
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
    if (event->type() == QEvent::Paint && m_idleBuildingDue) {
        m_idleBuildingDue = false;
        BuildNextPageWhenIdle();
    }
    // The icon, in every size the program carries, once the first frame is on the screen:
    // decoding its pictures and handing them to the desktop cost start-up time, and a desktop
    // takes an icon that comes a moment later. (Set during the paint, it would hold the frame.)
    if (event->type() == QEvent::Paint && !m_iconSet) {
        m_iconSet = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(WindowIcon(devicePixelRatioF())); });
    }
    return handled;
}

void frmVexmoor::PaintTheme()
{
    // The fills and texts in the desktop's own colours follow a change of theme.
    for (const ControlSpec& control : WindowLayout()) {
        const auto painted = OpaquePaintOf(control);
        QWidget* widget =
            painted ? m_controlsByName.value(ToQString(ObjectName(control))) : nullptr;
        if (widget != nullptr) // null on a page not made yet
            PaintOpaque(widget, *painted);
    }
    if (auto* panel = qobject_cast<platform::ShapePanel*>(
            m_controlsByName.value(QStringLiteral("shpVexmr_2"))))
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

void frmVexmoor::BuildControls(int page, platform::ControlSet& controls)
{
    std::vector<std::pair<QLabel*, QString>> buddies;
    const std::span<const ControlSpec> layout = WindowLayout();
    const std::span<const int> pages = ControlPages();

    for (std::size_t row = 0; row < layout.size(); ++row) {
        if (pages[row] != page)
            continue;
        const ControlSpec& control = layout[row];
        QWidget* parent =
            control.parent.empty() ? this : m_controlsByName.value(ToQString(control.parent));
        Q_ASSERT(parent);
        const QRect rect =
            platform::TwipsRect(control.left, control.top, control.width, control.height);
        const MadeControl made = MakeControl(control, parent, rect);
        ApplyCommonProperties(control, made.widget, rect);

        const QString name = ToQString(ObjectName(control));
        m_controlsByName.insert(name, made.widget);
        // Frames only hold other controls, and the window colours the panels itself.
        if (control.kind != ControlKind::Frame && control.kind != ControlKind::Panel)
            controls.Add(ToQString(control.name), control.index, made.control);
        if (auto* link = qobject_cast<LinkLabel*>(made.widget)) {
            const auto index = static_cast<std::int16_t>(control.index);
            connect(link, &LinkLabel::clicked, this, [this, index] { lblQnbWeb_Click(index); });
        }
        if (!control.buddy.empty())
            buddies.emplace_back(static_cast<QLabel*>(made.widget), ToQString(control.buddy));
        if (control.tabOrder >= 0 && made.widget->focusPolicy() != Qt::ClickFocus)
            m_tabChain.emplace_back(control.tabOrder, made.widget);
    }
    for (const auto& [label, buddy] : buddies)
        label->setBuddy(m_controlsByName.value(buddy));
    LayTabOrder();
}

void frmVexmoor::LayTabOrder()
{
    // The whole chain is laid again, so that a page made later takes its place in it.
    std::sort(m_tabChain.begin(), m_tabChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < m_tabChain.size(); ++i)
        QWidget::setTabOrder(m_tabChain[i - 1].second, m_tabChain[i].second);
}

void frmVexmoor::RequireTaken(const platform::ControlSet& controls)
{
    // A misspelt name in the layout or in a page stops the program here, instead of a control
    // landing in no member or in the wrong one.
    const QStringList problems = controls.Problems();
    if (!problems.isEmpty())
        qFatal("The layout's controls do not fit their page: %s",
               qPrintable(problems.join(QStringLiteral("; "))));
}

void frmVexmoor::BuildPage(MainPage page)
{
    platform::ControlSet controls;
    BuildControls(static_cast<int>(page), controls);
    Page& made = *m_pages[static_cast<std::size_t>(page)];
    made.Make(controls);
    RequireTaken(controls);
    m_pageBuilt[static_cast<std::size_t>(page)] = true;
    // A page made after the window has loaded gets what loading gave the others.
    if (m_formLoaded) {
        Form_Colors();
        made.Load();
    }
}

void frmVexmoor::Form_Load()
{
    Guarded("Form_Load", GuardVariant::Plain, [&] {
        // A page not made yet runs its part of these steps when it is made.
        m_formLoaded = true;
        Form_Colors();
        for (int page = 0; page < kMainPageCount; ++page) {
            if (PageBuilt(static_cast<MainPage>(page)))
                m_pages[static_cast<std::size_t>(page)]->Load();
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
            auto* panel = qobject_cast<platform::ShapePanel*>(m_controlsByName.value(
                ToQString(colors.name) + QLatin1Char('_') + QString::number(colors.index)));
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
        platform::ShowOnly(picOptions, selected, platform::kPageLeftTwips);
        if (!onPage)
            return;
        SetPageFlags(selected);
        m_pages[static_cast<std::size_t>(selected)]->Show();
    });
}

void frmVexmoor::SetPageFlags(int selected)
{
    const auto shown = static_cast<MainPage>(selected);
    calculatorPageActive = shown == MainPage::Calculator;
    breakEvenPageActive = shown == MainPage::BreakEven;
    loanPageActive = shown == MainPage::Loan;
    talkToUsPageActive = shown == MainPage::TalkToUs;
}

void frmVexmoor::lblQnbWeb_Click(std::int16_t index)
{
    Guarded("lblQnbWeb_Click", GuardVariant::Plain, [&] {
        linkTarget = ToQString(LinkTarget(index));
        platform::CurrentServices().OpenUrl(linkTarget);
    });
}

} // namespace vexmoor
