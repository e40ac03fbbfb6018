// The printed report's data: entry labels, paper by region, the page footer and how the table's
// rows fall onto pages.
#include "common/core/report_layout.h"
#include "common/core/table_text.h"
#include "support/formats.h"

#include <gtest/gtest.h>

namespace vexmoor {
namespace {

using namespace test;
using Pages = std::vector<PageRows>;

TEST(ReportLayout, LabelsPaperAndFooter)
{
    EXPECT_EQ(ReportLabel("Sales {i.e. expected number of units} [1]:"), "Sales [1]");
    EXPECT_EQ(ReportLabel("Interest Rate [Per]:"), "Interest Rate [Per]");
    EXPECT_EQ(ReportLabel("Unit Contribution[9=2-3]"), "Unit Contribution[9=2-3]");
    EXPECT_EQ(ReportLabel("Totals : "), "Totals");
    for (const char* letter : {"US", "CA", "MX", "PH"})
        EXPECT_EQ(PaperForTerritory(letter), Paper::Letter) << letter;
    for (const char* a4 : {"DE", "GB", "FR", "IN", "", "us"})
        EXPECT_EQ(PaperForTerritory(a4), Paper::A4) << a4;
    EXPECT_EQ(PageFooter(3, 12, EnUs()), "Page 3 of 12");
    EXPECT_EQ(PageFooter(1000, 1200, DeDe()), "Page 1.000 of 1.200");
    EXPECT_TRUE(IsTotalsLine("     Totals :    1,344.00    1,200.00    144.00", 5));
    EXPECT_FALSE(IsTotalsLine("  12    112.00    112.00    100.00    12.00", 5));
}

// The space, the rows, whether the last is the totals, and the pages' rows. A header of 2 and rows
// of 1: 8 rows under the header on later pages; totals never stand alone on a page.
TEST(ReportLayout, PaginateTable)
{
    // clang-format off
    const std::tuple<TableSpace, int, bool, Pages> rows[] = {
        {{6, 10, 2, 1}, 4, true, {{0, 4}}},      {{6, 10, 2, 1}, 0, true, {{0, 0}}},
        {{6, 10, 2, 1}, 12, false, {{0, 4}, {4, 8}}},
        {{6, 10, 2, 1}, 13, false, {{0, 4}, {4, 8}, {12, 1}}},
        {{6, 10, 2, 1}, 13, true, {{0, 4}, {4, 7}, {11, 2}}},
        {{2.5, 10, 2, 1}, 3, false, {{0, 0}, {0, 3}}},      // first page too full
        {{5.9999999999, 10, 2, 1}, 4, false, {{0, 4}}},     // a hair short of a row
        {{0, 1, 2, 5}, 2, true, {{0, 0}, {0, 1}, {1, 1}}}}; // a row taller than a page
    // clang-format on
    for (const auto& [space, count, totals, pages] : rows)
        EXPECT_EQ(PaginateTable(space, count, totals), pages) << count << " " << space.firstPage;
}

} // namespace
} // namespace vexmoor
