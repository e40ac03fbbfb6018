// The layout table: every control reachable from the window, names unique, the fixed figures of
// each page, the panel colours and the link addresses.
#include "shell/core/layout.h"
#include "shell/core/links.h"
#include "shell/core/panel_colors.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace vexmoor {
namespace {

TEST(Layout, NamesAreUniqueAndParentsComeFirst)
{
    std::set<std::string> seen;
    for (const ControlSpec& control : WindowLayout()) {
        const std::string name = ObjectName(control);
        if (!control.parent.empty()) {
            EXPECT_TRUE(seen.count(std::string(control.parent))) << name << " before its parent";
        }
        EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    }
}

// The window builds a page's controls together, so a control's page must follow its container
// and a caption's field must lie on the caption's page.
TEST(Layout, EveryControlLiesOnItsContainersPage)
{
    const auto layout = WindowLayout();
    const auto pages = ControlPages();
    ASSERT_EQ(pages.size(), layout.size());
    std::map<std::string, int> pageOf;
    for (std::size_t row = 0; row < layout.size(); ++row)
        pageOf[ObjectName(layout[row])] = pages[row];

    const std::pair<const char*, int> expected[] = {
        {"tabOptions", -1}, {"picOptions_0", -1}, {"picOptions_4", -1}, {"lblQnbWeb_0", -1},
        {"lblDisplay", 0},  {"cmdCalc_27", 0},    {"tabOptions1", 1},   {"picOptions1_2", 1},
        {"txtBeV_3", 1},    {"lstBev", 1},        {"chtBeVAny", 1},     {"shpBeVAny_2", 1},
        {"tabOptions2", 2}, {"cboIntRat_3", 2},   {"txtCalPrn_4", 2},   {"lstLsd", 2},
        {"imgQnfSut", 3},   {"lblQnbWeb_4", 3},   {"shpVexmr_1", 3},    {"lblVxmDsc", 4},
    };
    for (const auto& [name, page] : expected)
        EXPECT_EQ(pageOf.at(name), page) << name;

    for (std::size_t row = 0; row < layout.size(); ++row) {
        const ControlSpec& control = layout[row];
        if (!control.parent.empty() && control.name != "picOptions") {
            const int parentPage = pageOf.at(std::string(control.parent));
            const bool pageContainer = control.parent.substr(0, 11) == "picOptions_";
            EXPECT_EQ(pages[row],
                      pageContainer ? std::stoi(std::string(control.parent.substr(11)))
                                    : parentPage)
                << ObjectName(control);
        }
        if (!control.buddy.empty()) {
            EXPECT_EQ(pageOf.at(std::string(control.buddy)), pages[row]) << ObjectName(control);
        }
    }
}

TEST(Layout, TabOrderPositionsAreUniqueAndBuddiesExist)
{
    std::map<int, std::string> positions;
    for (const ControlSpec& control : WindowLayout()) {
        if (control.tabOrder >= 0) {
            auto [it, fresh] = positions.emplace(control.tabOrder, ObjectName(control));
            EXPECT_TRUE(fresh) << ObjectName(control) << " shares " << control.tabOrder << " with "
                               << it->second;
        }
        if (!control.buddy.empty()) {
            EXPECT_NE(FindControl(control.buddy), nullptr) << ObjectName(control);
        }
    }
}

TEST(Layout, EntryFieldsCarryMarkedTooltipsAndResultFieldsStayOutOfTheTabOrder)
{
    int entries = 0;
    int results = 0;
    for (const ControlSpec& control : WindowLayout()) {
        if (control.kind != ControlKind::TextBox)
            continue;
        if (control.resultField) {
            ++results;
            EXPECT_EQ(control.tabOrder, -1) << ObjectName(control);
            EXPECT_TRUE(control.tooltip.empty()) << ObjectName(control);
        } else {
            ++entries;
            EXPECT_EQ(control.tooltip.substr(0, 4), "[M] ") << ObjectName(control);
        }
    }
    EXPECT_EQ(entries, 4 + 3 + 3);
    EXPECT_EQ(results, 6 + 1 + 1);
}

struct Figure
{
    const char* name;
    int left, top, width, height;
    const char* caption;
};

// A sample of controls per page, with the figures of the design.
const Figure kFigures[] = {
    {"tabOptions", 120, 135, 7455, 4575, ""},
    {"picOptions_3", 240, 600, 7289, 3975, ""},
    {"lblQnbWeb_0", 120, 4700, 7455, 195, "www.quenbry.com"},
    // Calculator
    {"fraStdCal", 70, 0, 7120, 3935, ""},
    {"shpVexmr_0", 10, 100, 7060, 3800, ""},
    {"lblDisplay", 240, 240, 6600, 870, "0."},
    {"cmdCalc_0", 4740, 1245, 2100, 350, "Backspace"},
    {"cmdCalc_5", 2940, 1680, 1200, 400, "9"},
    {"cmdCalc_17", 5640, 2805, 1200, 400, "1/x"},
    {"cmdCalc_27", 240, 3360, 1200, 400, "0"},
    // Break Even
    {"tabOptions1", 10, 100, 7060, 3800, ""},
    {"picOptions1_2", 210, 540, 6740, 3250, ""},
    {"txtBeV_3", 4320, 1185, 2000, 285, ""},
    {"cmdCalBeV", 3680, 2820, 2655, 255, "Ca&lculate Break Even Units"},
    {"lblBeV_9", 2400, 555, 2415, 255, "Break Even Units [4/9]:"},
    {"txtBeV_8", 4920, 240, 1500, 285, ""},
    {"lstBev", 240, 870, 6165, 2010, ""},
    {"chtBeVAny", 240, 240, 6135, 2775, ""},
    // Loan Calculator
    {"cboIntRat_2", 2640, 600, 2000, 315, ""},
    {"txtCalRpy_4", 2640, 2400, 2000, 285, ""},
    {"cmdCalRpy", 2640, 2760, 2000, 285, "Calculate &Repayment"},
    {"cmdCalPrn", 2640, 2760, 2055, 285, "Calculate &Principal"},
    {"cboCalPrn_1", 2640, 600, 2000, 315, ""},
    {"lstLsd", 240, 240, 6165, 2790, ""},
    // Talk to Us and Disclaimer
    {"imgQnfSut", 600, 480, 2610, 3045, ""},
    {"lblQnbWeb_3", 3720, 1680, 2655, 195, "@Quenbry"},
    {"lblQnbWeb_2", 3720, 2040, 2655, 195, "facebook/Quenbry"},
    {"lblVxmDsc", 360, 1320, 6495, 1095, ""},
};

TEST(Layout, ControlsStandWhereTheDesignPutsThem)
{
    for (const Figure& figure : kFigures) {
        SCOPED_TRACE(figure.name);
        const ControlSpec* control = FindControl(figure.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->left, figure.left);
        EXPECT_EQ(control->top, figure.top);
        EXPECT_EQ(control->width, figure.width);
        EXPECT_EQ(control->height, figure.height);
        if (*figure.caption) {
            EXPECT_EQ(control->caption, figure.caption);
        }
    }
}

TEST(Layout, CalculatorKeysAreTabbedFromSeventeenDownThenTwentyThreeUp)
{
    std::map<int, int> indexByPosition;
    for (const ControlSpec& control : WindowLayout())
        if (control.name == "cmdCalc")
            indexByPosition[control.tabOrder] = control.index;
    std::vector<int> order;
    for (const auto& [position, index] : indexByPosition)
        order.push_back(index);
    const std::vector<int> expected {17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7, 6,
                                     5,  4,  3,  2,  1,  0,  23, 24, 25, 26, 27};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(FindControl("cmdCalc_18"), nullptr);
    EXPECT_EQ(FindControl("cmdCalc_22"), nullptr);
}

TEST(Layout, TabsCarryTheirCaptionsKeysAndTooltips)
{
    ASSERT_EQ(MainTabs().size(), 5u);
    EXPECT_EQ(MainTabs()[2].caption, "&Loan Calculator");
    EXPECT_EQ(MainTabs()[3].caption, "Talk to Us");
    EXPECT_TRUE(MainTabs()[4].tooltip.empty());
    EXPECT_EQ(BreakEvenTabs()[2].tooltip, "Display Break Even Graph");
    // The first two loan captions end in a blank; of the keys only the first does.
    EXPECT_EQ(LoanTabs()[0].caption, "&Repayment ");
    EXPECT_EQ(LoanTabs()[0].key, "Repayment ");
    EXPECT_EQ(LoanTabs()[1].caption, "&Principal ");
    EXPECT_EQ(LoanTabs()[1].key, "Principal");
}

TEST(PanelColours, TalkToUsIsWhiteInsideABrownOutlineAndTheDisclaimerKeepsItsOwn)
{
    const PanelColors& talk = kPanelColors[1];
    EXPECT_EQ(talk.name, "shpVexmr");
    EXPECT_EQ(talk.index, 1);
    EXPECT_EQ(talk.outline, (Rgb {205, 133, 63}));
    EXPECT_EQ(talk.fill, (Rgb {255, 255, 255}));
    for (const PanelColors& colors : kPanelColors)
        EXPECT_FALSE(colors.name == "shpVexmr" && colors.index == 2);
}

TEST(Links, EachIndexOpensItsAddress)
{
    const struct
    {
        int index;
        std::string_view address;
    } rows[] = {
        {0, "https://www.quenbry.com"},
        {1, "https://www.quenbry.com"},
        {2, "https://www.facebook.com/Quenbry"},
        {3, "https://twitter.com/intent/tweet?screen_name=Quenbry"},
        {4, "https://quenbry.blogspot.com"},
        {7, "https://www.quenbry.com"},
        {-1, "https://www.quenbry.com"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LinkTarget(row.index), row.address) << row.index;
}

} // namespace
} // namespace vexmoor
