// List lines as tables: splitting into columns, tab-separated rows for the clipboard, CSV fields
// and records, and whole schedules against CSV golden files in two regions.
#include "common/core/table_text.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vexmoor {
namespace {

using namespace test;
using Fields = std::vector<std::string>;

const std::string kLoanHeader = "  #" + std::string(15, ' ') + "Balance" + std::string(12, ' ') +
    "Instalment" + std::string(12, ' ') + "Principal" + std::string(12, ' ') + "Interest";
const std::string kTotals = std::string(13, ' ') + " Totals : " + std::string(11, ' ') +
    "1,065.60" + std::string(11, ' ') + "1,000.01" + std::string(11, ' ') + "66.19";

TEST(TableText, SplitListLine)
{
    struct Row
    {
        const char* name;
        std::string line;
        std::size_t columns;
        Fields fields;
    };
    // clang-format off
    const Row rows[] = {
        {"analysis header", "Units" + std::string(16, ' ') + "Total Costs" + std::string(16, ' ') +
                            "Total Sales" + std::string(16, ' ') + "Profit",
                            4, {"Units", "Total Costs", "Total Sales", "Profit"}},
        {"analysis line",   "       7" + std::string(22, ' ') + "-1 234,00" + std::string(20, ' ') + "9",
                            0, {"7", "-1 234,00", "9"}},
        {"loan header",     kLoanHeader, 5, {"#", "Balance", "Instalment", "Principal", "Interest"}},
        {"totals under their headers", kTotals, 5, {"", "Totals :", "1,065.60", "1,000.01", "66.19"}},
        {"more fields than columns", "a  b  c", 2, {"a", "b", "c"}},
        {"blank line",      "    ", 2, {"", ""}},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(SplitListLine(row.line, row.columns), row.fields) << row.name;
    EXPECT_EQ(ListColumnCount(kLoanHeader), 5U);
}

TEST(TableText, TabSeparatedRowsKeepTheShownNumbers)
{
    const std::vector<std::string> lines {kLoanHeader,
                                          "   1           1.000,00           88,80           "
                                          "78,85           10,00",
                                          kTotals};
    EXPECT_EQ(TabSeparatedRows(lines, 5),
              "#\tBalance\tInstalment\tPrincipal\tInterest\n"
              "1\t1.000,00\t88,80\t78,85\t10,00\n"
              "\tTotals :\t1,065.60\t1,000.01\t66.19\n");
    EXPECT_EQ(TabSeparatedRows({}, 5), "");
}

TEST(TableText, CsvFields)
{
    struct Row
    {
        std::string_view field, separator, written;
    };
    // clang-format off
    const Row rows[] = {
        {"Total Costs", ",", "Total Costs"},   {"", ",", ""},
        {"1,5", ",", "\"1,5\""},               {"1,5", ";", "1,5"},
        {"a;b", ";", "\"a;b\""},               {"say \"hi\"", ",", "\"say \"\"hi\"\"\""},
        {"two\nlines", ";", "\"two\nlines\""}, {"cr\r", ",", "\"cr\r\""},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(CsvField(row.field, row.separator), row.written) << row.field;
    EXPECT_EQ(CsvFieldSeparator(EnUs()), ",");
    EXPECT_EQ(CsvFieldSeparator(DeCh()), ",");
    EXPECT_EQ(CsvFieldSeparator(DeDe()), ";");
    EXPECT_EQ(CsvFieldSeparator(FrFr()), ";");
}

TEST(TableText, CsvNumbersLoseTheirGrouping)
{
    struct Row
    {
        const char* name;
        RegionalFormat format;
        std::string line, record;
    };
    // clang-format off
    const Row rows[] = {
        {"en_US",       EnUs(), "1,234,567.50  -1,000.00  Totals :", "1234567.50,-1000.00,Totals :\r\n"},
        {"de_DE",       DeDe(), "1.234.567,50  -1.000,00",           "1234567,50;-1000,00\r\n"},
        {"fr_FR",       FrFr(), "1\u202F234,50  -5,00",              "1234,50;-5,00\r\n"},
        {"de_CH",       DeCh(), "1\u2019234.50",                     "1234.50\r\n"},
        {"hi_IN",       HiIn(), "12,34,567.00",                      "1234567.00\r\n"},
        {"sv_SE minus", SvSe(), "\u22121\u00A0234,50",               "-1234,50\r\n"},
        // A text that only looks grouped in another region stays as it is, and is quoted.
        {"not a number here", EnUs(), "1.234,5  x,y",                "\"1.234,5\",\"x,y\"\r\n"},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(CsvRecords(std::vector {row.line}, 0, row.format), row.record) << row.name;
}

std::string ReadFile(const std::string& name)
{
    std::ifstream file(std::string(VEXMOOR_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(TableText, SchedulesAsCsvGoldenFiles)
{
    const struct
    {
        const char* lines;
        RegionalFormat format;
        const char* csv;
    } rows[] = {
        {"loan_amortize_schedule.txt", EnUs(), "loan_amortize_schedule.csv"},
        {"loan_amortize_schedule_de_de.txt", DeDe(), "loan_amortize_schedule_de_de.csv"},
    };
    for (const auto& row : rows) {
        std::istringstream in(ReadFile(row.lines));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        ASSERT_FALSE(lines.empty()) << row.lines;
        EXPECT_EQ(CsvRecords(lines, ListColumnCount(lines.front()), row.format), ReadFile(row.csv))
            << row.csv;
    }
}

} // namespace
} // namespace vexmoor
