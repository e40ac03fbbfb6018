// The printed report of a list (the loan schedule, the break-even analysis) as plain data: its
// fixed texts, the label an entry's caption gives it, the paper of the user's region, the footer
// that numbers the pages, and how the table's rows fall onto the pages.
#pragma once

#include "common/core/number_text.h"
#include "common/core/translatable.h"

#include <string>
#include <string_view>
#include <vector>

namespace vexmoor {

enum class ReportKind { LoanSchedule, BreakEvenAnalysis };

inline constexpr std::string_view kAsOfPattern = VEXMOOR_TR_NOOP("Report", "%1 as of %2");
inline constexpr std::string_view kPageFooterPattern = VEXMOOR_TR_NOOP("Report", "Page %1 of %2");

// The fixed texts of a report.
struct ReportTexts
{
    std::string_view title; // on the report and the table window
    std::string_view pdfFileName; // what the save dialog suggests
};
const ReportTexts& TextsOf(ReportKind kind);

// "<title> as of <when>": a table window's title, and the date line under a report's title.
// `pattern` is the sentence in the user's language ("%1 as of %2" in English).
std::string AsOfText(std::string_view title, std::string_view when,
                     std::string_view pattern = kAsOfPattern);

// A caption as the report labels its entry: the hint in braces, the closing colon and the
// blanks they leave dropped ("Sales {i.e. expected number of units} [1]:" -> "Sales [1]").
std::string ReportLabel(std::string_view caption);

enum class Paper { A4, Letter };

// The paper of a region by its ISO 3166 territory code ("US"): Letter where it is the usual
// size (North America but for the Caribbean's most, much of Central and South America, the
// Philippines), A4 everywhere else and for an unknown code.
Paper PaperForTerritory(std::string_view territory);

// "Page 3 of 12", the numbers in the region's writing (grouped from 1,000 pages on); `pattern`
// is the sentence in the user's language ("Page %1 of %2" in English).
std::string PageFooter(int page, int pages, const RegionalFormat& format,
                       std::string_view pattern = kPageFooterPattern);

// The heights a page offers its table and the heights of the table's parts, all in one unit.
// The first page's space is what its title, entries and graph leave.
struct TableSpace
{
    double firstPage = 0;
    double otherPages = 0;
    double header = 0; // the header row, repeated on every page with rows
    double row = 0;
};

struct PageRows
{
    int first = 0; // the first row's number, from 0
    int count = 0;

    friend bool operator==(const PageRows&, const PageRows&) = default;
};

// The table's rows page by page: on each page as many as fit under the header, on every page
// after the first at least one whatever the space. The first page holds none when its other
// content leaves no room for the header and a row; no rows at all still make one page. A
// totals row (the last row, when `lastIsTotals`) never stands alone on a page: the row before
// it moves over with it, where that page has room for two.
std::vector<PageRows> PaginateTable(const TableSpace& space, int rows, bool lastIsTotals);

} // namespace vexmoor
