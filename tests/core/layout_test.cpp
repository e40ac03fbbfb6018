// The layout table the window is built from: its invariants and a sample of the design's figures.
#include "shell/core/layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vexmoor {
namespace {

// Names unique, parents first, each control on its container's page (the window builds a page's
// controls together), unique Tab positions, result fields out of the Tab order, and every buddy
// an existing control on its caption's page.
TEST(Layout, TableInvariants)
{
    const auto layout = WindowLayout();
    const auto pages = ControlPages();
    ASSERT_EQ(pages.size(), layout.size());
    std::map<std::string, int> pageOf;
    std::set<int> tabPositions;
    for (std::size_t row = 0; row < layout.size(); ++row) {
        const ControlSpec& control = layout[row];
        const std::string name = ObjectName(control);
        const std::string parent(control.parent);
        int expectedPage = -1;
        if (parent.starts_with("picOptions_"))
            expectedPage = std::stoi(parent.substr(11));
        else if (!parent.empty())
            expectedPage = pageOf.count(parent) ? pageOf[parent] : -2;
        EXPECT_NE(expectedPage, -2) << name << " comes before its parent";
        EXPECT_EQ(pages[row], expectedPage) << name;
        EXPECT_TRUE(pageOf.emplace(name, pages[row]).second) << name << " twice";
        if (control.tabOrder >= 0) {
            EXPECT_TRUE(tabPositions.insert(control.tabOrder).second) << name << " shares its tab";
        }
        if (control.IsResultField()) {
            EXPECT_EQ(control.tabOrder, -1) << name;
        }
    }
    for (const ControlSpec& control : layout) {
        if (!control.buddy.empty()) {
            ASSERT_NE(FindControl(control.buddy), nullptr) << ObjectName(control);
            EXPECT_EQ(pageOf.at(std::string(control.buddy)), pageOf.at(ObjectName(control)));
        }
    }
}

struct Figure
{
    const char* name;
    int left, top, width, height;
    const char* caption;
};

// A sample per page that the window tests do not already check through the widgets.
const Figure kFigures[] = {
    {"tabOptions", 120, 135, 7455, 4575, ""},
    {"fraStdCal", 70, 0, 7120, 3935, ""},
    {"cmdCalc_17", 5640, 2805, 1200, 400, "1/x"},
    {"cmdCalc_27", 240, 3360, 1200, 400, "0"},
    {"picOptions1_2", 210, 540, 6740, 3250, ""},
    {"txtBeV_3", 4320, 1185, 2000, 285, ""},
    {"cmdCalBeV", 3680, 2820, 2655, 255, "Ca&lculate Break Even Units"},
    {"lblBeV_9", 2400, 555, 2415, 255, "Break Even Units [4/9]:"},
    {"cmdCalRpy", 2640, 2760, 2000, 285, "Calculate &Repayment"},
    {"cboCalPrn_1", 2640, 600, 2000, 315, ""},
    {"lblQnbWeb_2", 3720, 2040, 2655, 195, "facebook/Quenbry"},
};

TEST(Layout, ControlsStandWhereTheDesignPutsThem)
{
    for (const Figure& figure : kFigures) {
        SCOPED_TRACE(figure.name);
        const ControlSpec* control = FindControl(figure.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ((std::vector {control->left, control->top, control->width, control->height}),
                  (std::vector {figure.left, figure.top, figure.width, figure.height}));
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
    EXPECT_EQ(order, (std::vector {17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7, 6,
                                   5,  4,  3,  2,  1,  0,  23, 24, 25, 26, 27}));
}

TEST(Layout, TabsCarryTheirCaptionsKeysAndTooltips)
{
    ASSERT_EQ(TabsOf("tabOptions").size(), 5u);
    EXPECT_EQ(TabsOf("tabOptions")[2].caption, "&Loan Calculator");
    EXPECT_EQ(TabsOf("tabOptions1")[2].tooltip, "Display Break Even Graph");
    // Both loan captions end in a blank; of their keys only the first does.
    EXPECT_EQ(TabsOf("tabOptions2")[0].key, "Repayment ");
    EXPECT_EQ(TabsOf("tabOptions2")[1].caption, "&Principal ");
    EXPECT_EQ(TabsOf("tabOptions2")[1].key, "Principal");
}

} // namespace
} // namespace vexmoor
