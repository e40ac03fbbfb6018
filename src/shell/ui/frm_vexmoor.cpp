// The window: built from the layout table, loaded, coloured, and switched page by page.
#include "shell/ui/frm_vexmoor.h"

#include "errors/ui/guard.h"
#include "platform/container.h"
#include "platform/focus_events.h"
#include "platform/list_box.h"
#include "platform/regional_format.h"
#include "platform/selector.h"
#include "platform/services.h"
#include "platform/shape_panel.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"
#include "shell/core/layout.h"
#include "shell/core/links.h"
#include "shell/core/panel_colors.h"
#include "shell/ui/link_label.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace vexmoor {

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

QColor ToQColor(const Rgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

const QColor kButtonFace = QColor(240, 240, 240);

// Reads one of the program's own pictures in the format it is known to be in. Left to guess,
// Qt loads every image plugin (and the SVG library) to ask each whether it reads the file,
// which costs several milliseconds at start-up.
QImage ReadPicture(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

frmVexmoor::frmVexmoor(QWidget* parent, PageBuilding building)
    : QWidget(parent)
    , regionalFormat(platform::UserRegionalFormat())
{
    setObjectName(QStringLiteral("frmVexmoor"));
    setWindowTitle(ToQString(kWindowTitle));
    // Every size the program carries, so that task bars and switchers need not scale one.
    QIcon icon;
    for (const int size : {32, 48, 256})
        icon.addPixmap(QPixmap::fromImage(
            ReadPicture(QStringLiteral(":/icons/vexmoor-%1.png").arg(size), "png")));
    setWindowIcon(icon);
    setFont(ResolveFont(kDefaultFont));
    setFixedSize(platform::TwipsToPixels(kClientWidthTwips),
                 platform::TwipsToPixels(kClientHeightTwips));

    focusEvents = new platform::FocusEvents(this);
    focusEvents->SetKeyPreview([this](QKeyEvent* event) { return PreviewKey(event); });
    BuildPage(kWindowControls);
    tabOptions->SetClickHandler([this] { tabOptions_Click(); });
    BuildPage(0);
    for (int page = 1; page < kMainPageCount; ++page) {
        if (building == PageBuilding::AllAtOnce)
            BuildPage(page);
        else
            idleBuildingDue = true;
    }
}

frmVexmoor::~frmVexmoor() = default;

bool frmVexmoor::PageBuilt(int page) const
{
    return page >= 0 && page < kMainPageCount && pageBuilt[static_cast<std::size_t>(page)];
}

void frmVexmoor::EnsurePageBuilt(int page)
{
    if (page >= 0 && page < kMainPageCount && !PageBuilt(page))
        BuildPage(page);
}

bool frmVexmoor::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The pages not shown at start are made once the window has been painted, one in each
    // pass of the event loop, so that the user sees the window first and can type at once.
    if (event->type() == QEvent::Paint && idleBuildingDue) {
        idleBuildingDue = false;
        BuildNextPageWhenIdle();
    }
    return handled;
}

void frmVexmoor::BuildNextPageWhenIdle()
{
    QTimer::singleShot(0, this, [this] {
        for (int page = 0; page < kMainPageCount; ++page) {
            if (!PageBuilt(page)) {
                BuildPage(page);
                BuildNextPageWhenIdle();
                return;
            }
        }
    });
}

void frmVexmoor::BuildPage(int page)
{
    std::vector<std::pair<QLabel*, QString>> buddies;
    const std::span<const ControlSpec> layout = WindowLayout();
    const std::span<const int> pages = ControlPages();

    for (std::size_t row = 0; row < layout.size(); ++row) {
        if (pages[row] != page)
            continue;
        const ControlSpec& control = layout[row];
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
            if (control.name == "picOptions")
                picOptions.Add(index, widget);
            else if (control.name == "picOptions1")
                picOptions1.Add(index, widget);
            else
                picOptions2.Add(index, widget);
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
            panel->SetFillColor(kButtonFace);
            if (control.name == "shpVexmr")
                shpVexmr.Add(index, panel);
            else if (control.name == "shpBeVAny")
                shpBeVAny.Add(index, panel);
            else
                shpLonCal.Add(index, panel);
            widget = panel;
            break;
        }
        case ControlKind::TabStrip: {
            auto* strip = new platform::TabStrip(parent, name, rect);
            std::span<const TabSpec> tabs = control.name == "tabOptions" ? MainTabs()
                : control.name == "tabOptions1"                          ? BreakEvenTabs()
                                                                         : LoanTabs();
            for (const TabSpec& tab : tabs)
                strip->AddTab(ToQString(tab.caption), ToQString(tab.key), ToQString(tab.tooltip));
            if (control.name == "tabOptions")
                tabOptions = strip;
            else if (control.name == "tabOptions1")
                tabOptions1 = strip;
            else
                tabOptions2 = strip;
            strip->Bar()->setFont(ResolveFont(control.font));
            tabChain.emplace_back(control.tabOrder, strip->Bar());
            continue; // the strip places its own widgets
        }
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(ToQt(control.alignment));
            if (control.name == "lblVxmDsc") {
                label->setWordWrap(true);
                label->setAutoFillBackground(true);
                QPalette palette = label->palette();
                palette.setColor(QPalette::Window, kButtonFace);
                label->setPalette(palette);
                lblVxmDsc = label;
            } else if (control.name == "lblBeV") {
                lblBeV.Add(index, label);
            } else if (control.name == "lblCalRpy") {
                lblCalRpy.Add(index, label);
            } else {
                lblCalPrn.Add(index, label);
            }
            if (!control.buddy.empty())
                buddies.emplace_back(label, ToQString(control.buddy));
            widget = label;
            break;
        }
        case ControlKind::LinkLabel: {
            auto* link = new LinkLabel(caption, parent);
            link->setAlignment(ToQt(control.alignment));
            lblQnbWeb.Add(index, link);
            connect(link, &LinkLabel::clicked, this, [this, index] { lblQnbWeb_Click(index); });
            widget = link;
            break;
        }
        case ControlKind::Display: {
            auto* display = new QLabel(caption, parent);
            display->setAlignment(ToQt(control.alignment));
            display->setFrameShape(QFrame::Box);
            display->setLineWidth(1);
            display->setAutoFillBackground(true);
            QPalette palette = display->palette();
            palette.setColor(QPalette::Window, Qt::black);
            palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
            display->setPalette(palette);
            display->setAccessibleDescription(QStringLiteral("Display"));
            lblDisplay = display;
            widget = display;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(parent);
            edit->setAlignment(ToQt(control.alignment));
            if (control.resultField) {
                // Written only by the program: no typing, out of the Tab order, but a click
                // still selects the text for copying.
                edit->setReadOnly(true);
                edit->setFocusPolicy(Qt::ClickFocus);
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Base, control.whiteBackground ? Qt::white : kButtonFace);
                edit->setPalette(palette);
            }
            if (control.name == "txtBeV")
                txtBeV.Add(index, edit);
            else if (control.name == "txtCalRpy")
                txtCalRpy.Add(index, edit);
            else
                txtCalPrn.Add(index, edit);
            widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            if (control.name == "cmdCalc")
                cmdCalc.Add(index, button);
            else if (control.name == "cmdCalBeV")
                cmdCalBeV = button;
            else if (control.name == "cmdClrBeV")
                cmdClrBeV = button;
            else if (control.name == "cmdCalRpy")
                cmdCalRpy = button;
            else if (control.name == "cmdClrRpy")
                cmdClrRpy = button;
            else if (control.name == "cmdCalPrn")
                cmdCalPrn = button;
            else
                cmdClrPrn = button;
            widget = button;
            break;
        }
        case ControlKind::Selector: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            auto* selector = new platform::Selector(combo);
            if (control.name == "cboIntRat")
                cboIntRat.Add(index, selector);
            else if (control.name == "cboCalRpy")
                cboCalRpy.Add(index, selector);
            else
                cboCalPrn.Add(index, selector);
            widget = combo;
            break;
        }
        case ControlKind::ListBox: {
            auto* view = new QListView(parent);
            auto* list = new platform::ListBox(view);
            if (control.name == "lstBev")
                lstBev = list;
            else
                lstLsd = list;
            widget = view;
            break;
        }
        case ControlKind::Chart: {
            widget = new QWidget(parent);
            widget->setFocusPolicy(Qt::StrongFocus);
            chtBeVAny = widget;
            break;
        }
        case ControlKind::Image: {
            // The picture is decoded on the first visit of its page: the image plugins it needs
            // would otherwise cost start-up time.
            auto* image = new QLabel(parent);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            image->setAccessibleName(QStringLiteral("Quenbry software"));
            imgQnfSut = image;
            widget = image;
            break;
        }
        }

        widget->setObjectName(name);
        widget->setGeometry(rect);
        if (control.font != kDefaultFont)
            widget->setFont(ResolveFont(control.font));
        if (control.boldText) {
            QFont font = widget->font();
            font.setBold(true);
            widget->setFont(font);
        }
        if (!control.tooltip.empty())
            widget->setToolTip(ToQString(control.tooltip));
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

    if (page == kWindowControls)
        return;
    pageBuilt[static_cast<std::size_t>(page)] = true;
    switch (page) {
    case 0:
        ConnectCalculator();
        break;
    case 1:
        ConnectBreakEven();
        break;
    case 2:
        ConnectLoan();
        break;
    default:
        break;
    }
    // A page made after the window has loaded gets what loading gave the others.
    if (formLoaded) {
        Form_Colors();
        if (page == 1) {
            ClearBreakEven();
            tabOptions1_Click();
        } else if (page == 2) {
            tabOptions2_Click();
        }
    }
}

void frmVexmoor::Form_Load()
{
    Guarded("Form_Load", GuardVariant::Plain, [&] {
        // The client area is the design's; a window manager owns the frame around it.
        setFixedSize(platform::TwipsToPixels(kClientWidthTwips),
                     platform::TwipsToPixels(kClientHeightTwips));
        // A page not made yet runs its part of these steps when it is made.
        formLoaded = true;
        Form_Colors();
        if (PageBuilt(1))
            ClearBreakEven();
        tabOptions_Click();
        if (PageBuilt(1))
            tabOptions1_Click();
        if (PageBuilt(2))
            tabOptions2_Click();
    });
}

void frmVexmoor::Form_Colors()
{
    Guarded("Form_Colors", GuardVariant::Plain, [&] {
        for (const PanelColors& colors : kPanelColors) {
            const auto index = static_cast<std::int16_t>(colors.index);
            platform::ShapePanel* panel = colors.name == "shpVexmr" ? shpVexmr[index]
                : colors.name == "shpBeVAny"                        ? shpBeVAny[index]
                                                                    : shpLonCal[index];
            if (panel == nullptr)
                continue; // on a page not made yet
            panel->SetOutlineColor(ToQColor(colors.outline));
            panel->SetFillColor(ToQColor(colors.fill));
        }
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
        const int count = tabOptions->Count();
        const int selected = tabOptions->Selected();
        for (int i = 0; i < count; ++i) {
            QWidget* page = picOptions[static_cast<std::int16_t>(i)];
            if (i != selected - 1) {
                platform::HideContainer(page);
                continue;
            }
            EnsurePageBuilt(i);
            platform::ShowContainer(page, kPageLeftTwips);
            calculatorPageActive = breakEvenPageActive = loanPageActive = talkToUsPageActive =
                false;
            switch (i) {
            case 0:
                calculatorPageActive = true;
                break;
            case 1:
                breakEvenPageActive = true;
                break;
            case 2:
                loanPageActive = true;
                if (!loanPagePrepared) {
                    cmdClrRpy_Click();
                    cmdClrPrn_Click();
                    loanPagePrepared = true;
                }
                break;
            case 3:
                talkToUsPageActive = true;
                if (imgQnfSut->pixmap().isNull())
                    imgQnfSut->setPixmap(QPixmap::fromImage(
                        ReadPicture(QStringLiteral(":/images/imgQnfSut.jpg"), "jpeg")));
                break;
            default:
                break;
            }
        }
    });
}

void frmVexmoor::lblQnbWeb_Click(std::int16_t index)
{
    Guarded("lblQnbWeb_Click", GuardVariant::Plain, [&] {
        linkTarget = ToQString(LinkTarget(index));
        platform::CurrentServices().OpenUrl(linkTarget);
    });
}

} // namespace vexmoor
