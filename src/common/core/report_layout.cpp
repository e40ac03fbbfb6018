// Report texts, paper and pagination.
#include "common/core/report_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vexmoor {

namespace {

// clang-format off
constexpr ReportTexts kLoanSchedule      {VEXMOOR_TR_NOOP("Report", "Loan schedule"),
                                          VEXMOOR_TR_NOOP("Report", "loan-schedule.pdf")};
constexpr ReportTexts kBreakEvenAnalysis {VEXMOOR_TR_NOOP("Report", "Break-even analysis"),
                                          VEXMOOR_TR_NOOP("Report", "break-even-analysis.pdf")};
// clang-format on

// Where Letter is the usual paper (the Unicode CLDR's measurement data).
constexpr std::array<std::string_view, 14> kLetterTerritories = {
    "BZ", "CA", "CL", "CO", "CR", "GT", "MX", "NI", "PA", "PH", "PR", "SV", "US", "VE"};

// Rows that fit under the header in `space`; the rounding allows for a sum of heights that
// lands a hair below a whole number of rows.
int RowsIn(double space, const TableSpace& table)
{
    if (!(table.row > 0) || space < table.header + table.row)
        return 0;
    return static_cast<int>(std::floor((space - table.header) / table.row + 1e-9));
}

} // namespace

const ReportTexts& TextsOf(ReportKind kind)
{
    return kind == ReportKind::LoanSchedule ? kLoanSchedule : kBreakEvenAnalysis;
}

std::string AsOfText(std::string_view title, std::string_view when, std::string_view pattern)
{
    return WithArguments(pattern, {title, when});
}

std::string ReportLabel(std::string_view caption)
{
    std::string label;
    int braces = 0;
    for (const char c : caption) {
        if (c == '{')
            ++braces;
        else if (c == '}' && braces > 0)
            --braces;
        else if (braces == 0 && !(c == ' ' && (label.empty() || label.back() == ' ')))
            label += c;
    }
    while (!label.empty() && (label.back() == ' ' || label.back() == ':'))
        label.pop_back();
    return label;
}

Paper PaperForTerritory(std::string_view territory)
{
    return std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) !=
            kLetterTerritories.end()
        ? Paper::Letter
        : Paper::A4;
}

std::string PageFooter(int page, int pages, const RegionalFormat& format, std::string_view pattern)
{
    return WithArguments(pattern, {FormatFixed(page, 0, format), FormatFixed(pages, 0, format)});
}

std::vector<PageRows> PaginateTable(const TableSpace& space, int rows, bool lastIsTotals)
{
    std::vector<PageRows> pages;
    const int onOthers = std::max(1, RowsIn(space.otherPages, space));
    int next = std::min(rows, RowsIn(space.firstPage, space));
    pages.push_back({0, next});
    while (next < rows) {
        const int count = std::min(onOthers, rows - next);
        pages.push_back({next, count});
        next += count;
    }
    if (lastIsTotals && pages.size() >= 2 && pages.back().count == 1 && onOthers >= 2) {
        PageRows& before = pages[pages.size() - 2];
        if (before.count >= 2) {
            --before.count;
            --pages.back().first;
            ++pages.back().count;
        }
    }
    return pages;
}

} // namespace vexmoor
