// Every control of the window, page by page. Rectangles are in twips relative to the parent.
#include "shell/core/layout.h"

#include "common/core/translatable.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace vexmoor {

namespace {

using K = ControlKind;
using A = Alignment;

constexpr FontSpec kKeyFont {"MS Sans Serif", 9.75, true};
constexpr FontSpec kOperatorFont {"MS Sans Serif", 12, true};
constexpr FontSpec kPointEqualsFont {"MS Sans Serif", 13.5, true};
constexpr FontSpec kDisplayFont {"MS Sans Serif", 33, false};
constexpr FontSpec kBoldFont {"MS Sans Serif", 8.25, true};

// Row shapes that repeat, each taking only what differs between its rows. Rows and shapes alike
// list a control's fields in the order of ControlSpec: name, index, kind, parent, left, top, width,
// height, Tab position, caption, tooltip, font, alignment, field flags, buddy.
// clang-format off

// Calculator keys: 1200 x 400 in five columns; the top row's three keys are wider.
constexpr int kCol[] = {240, 1590, 2940, 4290, 5640};
constexpr ControlSpec Key(int index, std::string_view caption, int col, int top, int tab,
                          FontSpec font = kKeyFont)
{
    return {"cmdCalc", index, K::Button, "fraStdCal", kCol[col], top, 1200, 400, tab, caption, {},
            font, A::Center};
}
constexpr ControlSpec WideKey(int index, std::string_view caption, int left, int tab)
{
    return {"cmdCalc", index, K::Button, "fraStdCal", left, 1245, 2100, 350, tab, caption, {},
            kKeyFont, A::Center};
}

constexpr ControlSpec Button(std::string_view name, std::string_view parent, int left, int top,
                             int width, int height, int tab, std::string_view caption,
                             std::string_view tooltip = {})
{
    return {name, -1, K::Button, parent, left, top, width, height, tab, caption, tooltip,
            kDefaultFont, A::Center};
}

// Break-even parameter rows: caption right-aligned up to 4215, field at 4320; the entry fields
// take Tab positions 41 to 44.
constexpr std::string_view kBeFieldNames[] = {"txtBeV_0", "txtBeV_1", "txtBeV_2", "txtBeV_3",
                                              "txtBeV_4", "txtBeV_5", "txtBeV_6", "txtBeV_7"};
constexpr int BeRowTop(int index) { return 240 + 315 * index; }
constexpr ControlSpec BeLabel(int index, std::string_view caption)
{
    return {"lblBeV", index, K::Label, "fraBeVPrm", 120, BeRowTop(index), 4095, 285, -1, caption,
            {}, kDefaultFont, A::Right, kPlainField, kBeFieldNames[index]};
}
constexpr ControlSpec BeField(int index, std::string_view tooltip, unsigned flags = kPlainField)
{
    const int tab = (flags & kResultField) != 0 ? -1 : 41 + index;
    return {"txtBeV", index, K::TextBox, "fraBeVPrm", 4320, BeRowTop(index), 2000, 285, tab, {},
            tooltip, kDefaultFont, A::Right, flags};
}

// Loan rows: caption right-aligned up to 2535, control at 2640, 2000 wide.
constexpr int kLoanRowTop[] = {240, 600, 960, 1320, 1680, 2040, 2400};
constexpr ControlSpec LoanLabel(std::string_view name, int index, std::string_view frame, int row,
                                std::string_view caption, std::string_view buddy)
{
    return {name, index, K::Label, frame, 120, kLoanRowTop[row], 2415, 285, -1, caption, {},
            kDefaultFont, A::Right, kPlainField, buddy};
}
constexpr ControlSpec LoanField(std::string_view name, int index, std::string_view frame, int row,
                                std::string_view tooltip, int tab)
{
    return {name, index, K::TextBox, frame, 2640, kLoanRowTop[row], 2000, 285, tab, {}, tooltip,
            kDefaultFont, A::Right};
}
// The computed amount at the foot of a loan page: bold, out of the Tab order.
constexpr ControlSpec LoanResult(std::string_view name, int index, std::string_view frame, int row)
{
    return {name, index, K::TextBox, frame, 2640, kLoanRowTop[row], 2000, 285, -1, {}, {},
            kDefaultFont, A::Right, kResultField | kBoldText};
}
constexpr ControlSpec LoanSelector(std::string_view name, int index, std::string_view frame,
                                   int row, std::string_view tooltip, int tab)
{
    return {name, index, K::Selector, frame, 2640, kLoanRowTop[row], 2000, 315, tab, {}, tooltip};
}

// Containers nest as page container > frame > panel; the panel is the decorative shape behind
// the page's controls.
constexpr ControlSpec Container(std::string_view name, int index, std::string_view parent,
                                int left, int top, int width, int height)
{
    return {name, index, K::Container, parent, left, top, width, height};
}
constexpr ControlSpec Frame(std::string_view name, std::string_view parent, int left, int width,
                            int height)
{
    return {name, -1, K::Frame, parent, left, 0, width, height};
}
constexpr ControlSpec Panel(std::string_view name, int index, std::string_view parent, int width,
                            int height)
{
    return {name, index, K::Panel, parent, 10, 100, width, height};
}
constexpr ControlSpec Link(int index, std::string_view parent, int left, int top, int width,
                           std::string_view caption, int tab)
{
    return {"lblQnbWeb", index, K::LinkLabel, parent, left, top, width, 195, tab, caption, {},
            kLinkFont, A::Center};
}

constexpr std::string_view kDisclaimer = VEXMOOR_TR_NOOP(
    "Window",
    "QUENBRY - VEXMOOR IS PROVIDED AT NO CHARGE AND \"AS IS\", WITHOUT WARRANTY OF ANY KIND, "
    "EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, "
    "FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT.");

constexpr unsigned kTotalField = kResultField | kBoldText | kWhiteBackground;

const auto kLayout = std::to_array<ControlSpec>({
    // The window's own controls. The page containers lie in front of the main tab strip.
    {"tabOptions", -1, K::TabStrip, "", 120, 135, 7455, 4575, 1},
    Container("picOptions", 0, "", 240, 600, 7289, 3975),
    Container("picOptions", 1, "", 240, 600, 7289, 3975),
    Container("picOptions", 2, "", 240, 600, 7289, 3975),
    Container("picOptions", 3, "", 240, 600, 7289, 3975),
    Container("picOptions", 4, "", 240, 600, 7289, 3975),
    Link(0, "", 120, 4700, 7455, "www.quenbry.com", 200),

    // Calculator page. Tab order of the keys: 17 down to 0, then 23 up to 27.
    Frame("fraStdCal", "picOptions_0", 70, 7120, 3935),
    Panel("shpVexmr", 0, "fraStdCal", 7060, 3800),
    {"lblDisplay", -1, K::Display, "fraStdCal", 240, 240, 6600, 870, -1, "0.", {}, kDisplayFont, A::Right},
    WideKey(1, "CE",         240, 26),
    WideKey(2, "C",         2490, 25),
    WideKey(0, VEXMOOR_TR_NOOP("Window", "Backspace"), 4740, 27),
    Key( 3, "7",    0, 1695, 24),
    Key( 4, "8",    1, 1695, 23),
    Key( 5, "9",    2, 1680, 22),
    Key( 6, "/",    3, 1695, 21, kOperatorFont),
    Key( 7, "sqrt", 4, 1695, 20),
    Key( 8, "4",    0, 2250, 19),
    Key( 9, "5",    1, 2250, 18),
    Key(10, "6",    2, 2250, 17),
    Key(11, "*",    3, 2250, 16, kOperatorFont),
    Key(12, "%",    4, 2250, 15),
    Key(13, "1",    0, 2805, 14),
    Key(14, "2",    1, 2805, 13),
    Key(15, "3",    2, 2805, 12),
    Key(16, "-",    3, 2805, 11, kOperatorFont),
    Key(17, "1/x",  4, 2805, 10),
    Key(27, "0",    0, 3360, 32),
    Key(26, "+/-",  1, 3360, 31),
    Key(25, ".",    2, 3360, 30, kPointEqualsFont),
    Key(24, "+",    3, 3360, 29, kOperatorFont),
    Key(23, "=",    4, 3360, 28, kPointEqualsFont),

    // Break Even page: a sub tab strip over three sub-pages.
    Frame("fraBevAny", "picOptions_1", 70, 7120, 3935),
    {"tabOptions1", -1, K::TabStrip, "fraBevAny", 10, 100, 7060, 3800, 40},
    Container("picOptions1", 0, "fraBevAny", 210, 540, 6740, 3250),
    Container("picOptions1", 1, "fraBevAny", 210, 540, 6740, 3250),
    Container("picOptions1", 2, "fraBevAny", 210, 540, 6740, 3250),
    // Parameters sub-page.
    Frame("fraBeVPrm", "picOptions1_0", 30, 6630, 3195),
    Panel("shpBeVAny", 0, "fraBeVPrm", 6585, 3065),
    BeLabel(0, VEXMOOR_TR_NOOP("Window", "Sales {i.e. expected number of units} [1]:")),
    BeLabel(1, VEXMOOR_TR_NOOP("Window", "Unit Price {i.e. selling price} [2]:")),
    BeLabel(2, VEXMOOR_TR_NOOP("Window", "Variable Costs {i.e. direct costs per unit} [3]:")),
    BeLabel(3, VEXMOOR_TR_NOOP("Window", "Fixed Costs {i.e. rent/utility costs} [4]:")),
    BeLabel(4, VEXMOOR_TR_NOOP("Window", "Total Variable Costs [5=1x3]:")),
    BeLabel(5, VEXMOOR_TR_NOOP("Window", "Total Costs [6=4+5]:")),
    BeLabel(6, VEXMOOR_TR_NOOP("Window", "Total Revenue [7=1x2]:")),
    BeLabel(7, VEXMOOR_TR_NOOP("Window", "Total Profit [8=7-6]:")),
    BeField(0, VEXMOOR_TR_NOOP("Window", "[M] Enter expected sales units")),
    BeField(1, VEXMOOR_TR_NOOP("Window", "[M] Enter expected sales unit price")),
    BeField(2, VEXMOOR_TR_NOOP("Window", "[M] Enter expected variable costs")),
    BeField(3, VEXMOOR_TR_NOOP("Window", "[M] Enter expected fixed cost")),
    BeField(4, {}, kResultField),
    BeField(5, {}, kResultField),
    BeField(6, {}, kResultField),
    BeField(7, {}, kTotalField),
    Button("cmdClrBeV", "fraBeVPrm",  360, 2820, 1215, 255, 50, VEXMOOR_TR_NOOP("Window", "&Clear"), VEXMOOR_TR_NOOP("Window", "Click to clear the parameters")),
    Button("cmdCalBeV", "fraBeVPrm", 3680, 2820, 2655, 255, 49, VEXMOOR_TR_NOOP("Window", "Ca&lculate Break Even Units")),
    // Break Even (analysis) sub-page.
    Frame("fraBeVGrp", "picOptions1_1", 30, 6630, 3195),
    Panel("shpBeVAny", 1, "fraBeVGrp", 6585, 3065),
    {"lblBeV", 8, K::Label,   "fraBeVGrp", 2400, 240, 2415, 255, -1, VEXMOOR_TR_NOOP("Window", "Unit Contribution[9=2-3]"), {},
     kDefaultFont, A::Right, kPlainField, "txtBeV_8"},
    {"lblBeV", 9, K::Label,   "fraBeVGrp", 2400, 555, 2415, 255, -1, VEXMOOR_TR_NOOP("Window", "Break Even Units [4/9]:"),  {},
     kBoldFont,    A::Right, kPlainField, "txtBeV_9"},
    {"txtBeV", 8, K::TextBox, "fraBeVGrp", 4920, 240, 1500, 285, -1, {}, {}, kDefaultFont, A::Right, kResultField},
    {"txtBeV", 9, K::TextBox, "fraBeVGrp", 4920, 555, 1500, 285, -1, {}, {}, kDefaultFont, A::Right, kTotalField},
    {"lstBev", -1, K::ListBox, "fraBeVGrp", 240, 870, 6165, 2010, 53},
    // Graph sub-page.
    Frame("fraBeVCht", "picOptions1_2", 30, 6630, 3195),
    Panel("shpBeVAny", 2, "fraBeVCht", 6585, 3065),
    {"chtBeVAny", -1, K::Chart,   "fraBeVCht",  240, 240, 6135, 2775, 54, {}, VEXMOOR_TR_NOOP("Window", "Click to view value of data point")},

    // Loan Calculator page: a sub tab strip over three sub-pages.
    Frame("fraLonSch", "picOptions_2", 70, 7120, 3935),
    {"tabOptions2", -1, K::TabStrip, "fraLonSch", 10, 100, 7060, 3800, 71},
    Container("picOptions2", 0, "fraLonSch", 210, 540, 6740, 3250),
    Container("picOptions2", 1, "fraLonSch", 210, 540, 6740, 3250),
    Container("picOptions2", 2, "fraLonSch", 210, 540, 6740, 3250),
    // Repayment sub-page.
    Frame("fraLonPrn", "picOptions2_0", 30, 6630, 3195),
    Panel("shpLonCal", 0, "fraLonPrn", 6585, 3065),
    LoanLabel("lblCalRpy", 0, "fraLonPrn", 0, VEXMOOR_TR_NOOP("Window", "Principal Amount:"),    "txtCalRpy_0"),
    LoanLabel("lblCalRpy", 5, "fraLonPrn", 1, VEXMOOR_TR_NOOP("Window", "Loan Type:"),           "cboIntRat_2"),
    LoanLabel("lblCalRpy", 1, "fraLonPrn", 2, VEXMOOR_TR_NOOP("Window", "Interest Rate (%):"),   "txtCalRpy_1"),
    LoanLabel("lblCalRpy", 6, "fraLonPrn", 3, VEXMOOR_TR_NOOP("Window", "Interest Rate [Per]:"), "cboIntRat_0"),
    LoanLabel("lblCalRpy", 2, "fraLonPrn", 4, VEXMOOR_TR_NOOP("Window", "Term (Months):"),       "txtCalRpy_2"),
    LoanLabel("lblCalRpy", 3, "fraLonPrn", 5, VEXMOOR_TR_NOOP("Window", "Repayment Mode:"),      "cboCalRpy_3"),
    LoanLabel("lblCalRpy", 4, "fraLonPrn", 6, VEXMOOR_TR_NOOP("Window", "Repayment Amount:"),    "txtCalRpy_4"),
    LoanField   ("txtCalRpy", 0, "fraLonPrn", 0, VEXMOOR_TR_NOOP("Window", "[M] Enter the principal amount"), 72),
    LoanSelector("cboIntRat", 2, "fraLonPrn", 1, {},                                73),
    LoanField   ("txtCalRpy", 1, "fraLonPrn", 2, VEXMOOR_TR_NOOP("Window", "[M] Enter the interest rate"),    74),
    LoanSelector("cboIntRat", 0, "fraLonPrn", 3, {},                                75),
    LoanField   ("txtCalRpy", 2, "fraLonPrn", 4, VEXMOOR_TR_NOOP("Window", "[M] Enter the term in months"),   76),
    LoanSelector("cboCalRpy", 3, "fraLonPrn", 5, VEXMOOR_TR_NOOP("Window", "[M] Select the repayment mode"),  77),
    LoanResult  ("txtCalRpy", 4, "fraLonPrn", 6),
    Button("cmdCalRpy", "fraLonPrn", 2640, 2760, 2000, 285, 79, VEXMOOR_TR_NOOP("Window", "Calculate &Repayment"), VEXMOOR_TR_NOOP("Window", "Click to calculate the loan repayment")),
    Button("cmdClrRpy", "fraLonPrn",  360, 2760, 1215, 285, 80, VEXMOOR_TR_NOOP("Window", "&Clear"),               VEXMOOR_TR_NOOP("Window", "Click to clear the parameters")),
    // Principal sub-page.
    Frame("fraLonRpy", "picOptions2_1", 30, 6630, 3195),
    Panel("shpLonCal", 1, "fraLonRpy", 6585, 3065),
    LoanLabel("lblCalPrn", 0, "fraLonRpy", 0, VEXMOOR_TR_NOOP("Window", "Repayment Amount:"),    "txtCalPrn_0"),
    LoanLabel("lblCalPrn", 1, "fraLonRpy", 1, VEXMOOR_TR_NOOP("Window", "Repayment Mode:"),      "cboCalPrn_1"),
    LoanLabel("lblCalPrn", 2, "fraLonRpy", 2, VEXMOOR_TR_NOOP("Window", "Term (Months):"),       "txtCalPrn_2"),
    LoanLabel("lblCalPrn", 6, "fraLonRpy", 3, VEXMOOR_TR_NOOP("Window", "Interest Rate [Per]:"), "cboIntRat_1"),
    LoanLabel("lblCalPrn", 3, "fraLonRpy", 4, VEXMOOR_TR_NOOP("Window", "Interest Rate (%):"),   "txtCalPrn_3"),
    LoanLabel("lblCalPrn", 5, "fraLonRpy", 5, VEXMOOR_TR_NOOP("Window", "Loan Type:"),           "cboIntRat_3"),
    LoanLabel("lblCalPrn", 4, "fraLonRpy", 6, VEXMOOR_TR_NOOP("Window", "Principal Amount:"),    "txtCalPrn_4"),
    LoanField   ("txtCalPrn", 0, "fraLonRpy", 0, VEXMOOR_TR_NOOP("Window", "[M] Enter the repayment amount"), 81),
    LoanSelector("cboCalPrn", 1, "fraLonRpy", 1, VEXMOOR_TR_NOOP("Window", "[M] Select the repayment mode"),  82),
    LoanField   ("txtCalPrn", 2, "fraLonRpy", 2, VEXMOOR_TR_NOOP("Window", "[M] Enter the term in months"),   83),
    LoanSelector("cboIntRat", 1, "fraLonRpy", 3, {},                                84),
    LoanField   ("txtCalPrn", 3, "fraLonRpy", 4, VEXMOOR_TR_NOOP("Window", "[M] Enter the interest rate"),    85),
    LoanSelector("cboIntRat", 3, "fraLonRpy", 5, {},                                86),
    LoanResult  ("txtCalPrn", 4, "fraLonRpy", 6),
    Button("cmdCalPrn", "fraLonRpy", 2640, 2760, 2055, 285, 88, VEXMOOR_TR_NOOP("Window", "Calculate &Principal"), VEXMOOR_TR_NOOP("Window", "Click to calculate the loan principal amount")),
    Button("cmdClrPrn", "fraLonRpy",  360, 2760, 1215, 285, 89, VEXMOOR_TR_NOOP("Window", "&Clear"),               VEXMOOR_TR_NOOP("Window", "Click to clear the parameters")),
    // Loan Schedule sub-page.
    Frame("Frame4", "picOptions2_2", 30, 6630, 3195),
    Panel("shpLonCal", 2, "Frame4", 6585, 3065),
    {"lstLsd", -1, K::ListBox, "Frame4", 240, 240, 6165, 2790, 90},

    // Talk to Us page.
    Frame("fraTlkTuS", "picOptions_3", 70, 7120, 3935),
    Panel("shpVexmr", 1, "fraTlkTuS", 7065, 3795),
    {"imgQnfSut", -1, K::Image, "fraTlkTuS", 600, 480, 2610, 3045},
    Link(4, "fraTlkTuS", 3720, 1320, 2655, VEXMOOR_TR_NOOP("Window", "blog"), 101),
    Link(3, "fraTlkTuS", 3720, 1680, 2655, "@Quenbry",         102),
    Link(2, "fraTlkTuS", 3720, 2040, 2655, "facebook/Quenbry", 103),
    Link(1, "fraTlkTuS", 3720, 2400, 2655, "www.quenbry.com",  104),

    // Disclaimer page.
    Frame("fraVxmDsc", "picOptions_4", 70, 7120, 3935),
    Panel("shpVexmr", 2, "fraVxmDsc", 7065, 3795),
    {"lblVxmDsc", -1, K::Label, "fraVxmDsc", 360, 1320, 6495, 1095, -1, kDisclaimer, {}, kDefaultFont, A::Center},
});
// clang-format on

// The sub-pages' tabs, marked under their page, where their words may read otherwise.
// clang-format off
constexpr auto kBreakEvenTabs = std::to_array<TabSpec>({
    {VEXMOOR_TR_NOOP("BreakEven", "&Parameters"), "Parameters", VEXMOOR_TR_NOOP("BreakEven", "Calculate Break Even Units")},
    {VEXMOOR_TR_NOOP("BreakEven", "&Break Even"), "Break Even", VEXMOOR_TR_NOOP("BreakEven", "Display Break Even Analysis")},
    {VEXMOOR_TR_NOOP("BreakEven", "&Graph"), "Graph", VEXMOOR_TR_NOOP("BreakEven", "Display Break Even Graph")},
});

constexpr auto kLoanTabs = std::to_array<TabSpec>({
    {VEXMOOR_TR_NOOP("Loan", "&Repayment "), "Repayment ", VEXMOOR_TR_NOOP("Loan", "Calculate Loan Repayment Amount")},
    {VEXMOOR_TR_NOOP("Loan", "&Principal "), "Principal", VEXMOOR_TR_NOOP("Loan", "Calculate Loan Principal Amount")},
    {VEXMOOR_TR_NOOP("Loan", "&Loan Schedule"), "Loan Schedule", VEXMOOR_TR_NOOP("Loan", "Display loan schedule")},
});
// clang-format on

} // namespace

std::span<const ControlSpec> WindowLayout()
{
    return kLayout;
}
std::span<const TabSpec> TabsOf(std::string_view stripName)
{
    constexpr std::pair<std::string_view, std::span<const TabSpec>> kStrips[] = {
        {"tabOptions", kMainTabs},
        {"tabOptions1", kBreakEvenTabs},
        {"tabOptions2", kLoanTabs},
    };
    for (const auto& [name, tabs] : kStrips) {
        if (name == stripName)
            return tabs;
    }
    return {};
}

std::span<const int> ControlPages()
{
    static const std::vector<int> pages = [] {
        std::vector<int> result;
        result.reserve(kLayout.size());
        // Parents come before their children, so one pass finds every control's page.
        std::unordered_map<std::string, int> pageByName;
        for (const ControlSpec& control : kLayout) {
            int page = -1;
            if (auto it = pageByName.find(std::string(control.parent)); it != pageByName.end())
                page = it->second;
            if (control.name == "picOptions")
                pageByName.emplace(ObjectName(control), control.index);
            else if (page >= 0)
                pageByName.emplace(ObjectName(control), page);
            result.push_back(page);
        }
        return result;
    }();
    return pages;
}

std::string ObjectName(const ControlSpec& control)
{
    std::string name(control.name);
    if (control.index >= 0)
        name += "_" + std::to_string(control.index);
    return name;
}

const ControlSpec* FindControl(std::string_view objectName)
{
    for (const ControlSpec& control : kLayout)
        if (ObjectName(control) == objectName)
            return &control;
    return nullptr;
}

} // namespace vexmoor
