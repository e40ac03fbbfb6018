// The layout table's invariants, which no single window test sees: names unique, parents first,
// each control on its container's page, unique Tab positions, result fields out of the Tab order,
// every buddy an existing control on its caption's page. Where the controls stand and the Tab
// order are checked through the real widgets (tests/app/window_test.cpp).
#include "shell/core/layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace vexmoor {
namespace {

TEST(Layout, TableInvariants)
{
    const auto layout = WindowLayout();
    const auto pages = ControlPages();
    ASSERT_EQ(pages.size(), layout.size());
    std::map<std::string, int> pageOf;
    std::set<int> tabPositions;
    for (std::size_t row = 0; row < layout.size(); ++row) {
        const ControlSpec& control = layout[row];
        const std::string name = ObjectName(control), parent(control.parent);
        int expectedPage = -1;
        if (parent.starts_with("picOptions_"))
            expectedPage = std::stoi(parent.substr(11));
        else if (!parent.empty())
            expectedPage = pageOf.count(parent) ? pageOf[parent] : -2;
        EXPECT_EQ(pages[row], expectedPage) << name << " (-2: before its parent)";
        EXPECT_TRUE(pageOf.emplace(name, pages[row]).second) << name << " twice";
        EXPECT_TRUE(control.tabOrder < 0 || tabPositions.insert(control.tabOrder).second) << name;
        EXPECT_TRUE(!control.IsResultField() || control.tabOrder == -1) << name;
    }
    for (const ControlSpec& control : layout) {
        if (!control.buddy.empty()) {
            ASSERT_NE(FindControl(control.buddy), nullptr) << ObjectName(control);
            EXPECT_EQ(pageOf.at(std::string(control.buddy)), pageOf.at(ObjectName(control)));
        }
    }
    EXPECT_EQ(FindControl("cmdCalc_17")->caption, "1/x");
    EXPECT_EQ(FindControl("noSuchControl"), nullptr);
    ASSERT_GE(TabsOf("tabOptions2").size(), 2u);
    EXPECT_EQ(TabsOf("tabOptions2")[1].key, "Principal");
}

} // namespace
} // namespace vexmoor
