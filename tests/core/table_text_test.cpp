// List lines as tables: splitting into columns, CSV fields and records. Whole files against their
// golden copies, and tab-separated rows, are checked through the lists' save and copy.
#include "common/core/table_text.h"
#include "support/formats.h"

#include <gtest/gtest.h>

namespace vexmoor {
namespace {

using namespace test;
using Fields = std::vector<std::string>;

const std::string kLoanHeader = "  #" + std::string(15, ' ') + "Balance" + std::string(12, ' ') +
    "Instalment" + std::string(12, ' ') + "Principal" + std::string(12, ' ') + "Interest";
const std::string kTotals = std::string(13, ' ') + " Totals : " + std::string(11, ' ') +
    "1,065.60" + std::string(11, ' ') + "1,000.01" + std::string(11, ' ') + "66.19";

// Columns split where the header's columns start; totals stand under their headers.
TEST(TableText, SplitListLine)
{
    const std::string gap16(16, ' ');
    // clang-format off
    const std::tuple<std::string, std::size_t, Fields> rows[] = {
        {"Units" + gap16 + "Total Costs" + gap16 + "Total Sales" + gap16 + "Profit",
         4, {"Units", "Total Costs", "Total Sales", "Profit"}},
        {"       7" + std::string(22, ' ') + "-1 234,00" + std::string(20, ' ') + "9", 0, {"7", "-1 234,00", "9"}},
        {kLoanHeader, 5, {"#", "Balance", "Instalment", "Principal", "Interest"}},
        {kTotals, 5, {"", "Totals :", "1,065.60", "1,000.01", "66.19"}},
        {"a  b  c", 2, {"a", "b", "c"}},
        {"    ", 2, {"", ""}}};
    // clang-format on
    for (const auto& [line, columns, fields] : rows)
        EXPECT_EQ(SplitListLine(line, columns), fields) << line;
    EXPECT_EQ(ListColumnCount(kLoanHeader), 5U);
}

// Fields quoted when they hold the separator, a quote or a line end; records of list lines with
// the numbers ungrouped in the region's writing (a text that only looks grouped in another region
// stays as it is, and is quoted). The separator is ";" where the decimal separator is a comma.
TEST(TableText, CsvFieldsAndRecords)
{
    // clang-format off
    const std::tuple<std::string_view, std::string_view, std::string_view> fields[] = {
        {"Total Costs", ",", "Total Costs"},   {"", ",", ""},
        {"1,5", ",", "\"1,5\""},               {"1,5", ";", "1,5"},
        {"a;b", ";", "\"a;b\""},               {"say \"hi\"", ",", "\"say \"\"hi\"\"\""},
        {"two\nlines", ";", "\"two\nlines\""}, {"cr\r", ",", "\"cr\r\""}};
    // clang-format on
    for (const auto& [field, separator, written] : fields)
        EXPECT_EQ(CsvField(field, separator), written) << field;
    std::string separators;
    for (const RegionalFormat& format : {EnUs(), DeCh(), DeDe(), FrFr()})
        separators += CsvFieldSeparator(format);
    EXPECT_EQ(separators, ",,;;");
    // clang-format off
    const std::tuple<RegionalFormat, std::string, std::string> records[] = {
        {EnUs(), "1,234,567.50  -1,000.00  Totals :", "1234567.50,-1000.00,Totals :\r\n"},
        {DeDe(), "1.234.567,50  -1.000,00",           "1234567,50;-1000,00\r\n"},
        {FrFr(), "1\u202F234,50  -5,00",              "1234,50;-5,00\r\n"},
        {DeCh(), "1\u2019234.50",                     "1234.50\r\n"},
        {HiIn(), "12,34,567.00",                      "1234567.00\r\n"},
        {SvSe(), "\u22121\u00A0234,50",               "-1234,50\r\n"},
        {EnUs(), "1.234,5  x,y",                      "\"1.234,5\",\"x,y\"\r\n"}};
    // clang-format on
    for (const auto& [format, line, record] : records)
        EXPECT_EQ(CsvRecords(std::vector {line}, 0, format), record) << line;
}

} // namespace
} // namespace vexmoor
