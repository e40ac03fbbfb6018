// The two lists (the break-even analysis and the loan schedule) as tables: each line split into
// its columns, for the clipboard as tab-separated rows and for a file as CSV.
//
// A list line is plain text whose fields stand apart by runs of blanks. Inside a field there is
// at most one blank in a row ("Total Costs", "Totals :", a region that groups digits with a
// blank), so two or more blanks part two fields. The first line of both lists is the header;
// its fields are the columns. A line with fewer fields leaves its first columns empty: the loan
// schedule's totals line has no number and its label stands under the balance.
#pragma once

#include "common/core/number_text.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexmoor {

// The fields of a list line, without their blanks, padded at the front with empty fields to
// `columns` (a line with more fields keeps them all).
std::vector<std::string> SplitListLine(std::string_view line, std::size_t columns = 0);

// The number of columns a header line gives.
std::size_t ListColumnCount(std::string_view header);

// Whether a line is a totals line: fewer fields than the header's columns, as the loan
// schedule's last line has (every other line of both lists fills every column).
bool IsTotalsLine(std::string_view line, std::size_t columns);

// The lines as tab-separated rows, each ended by a line feed, the fields exactly as the list
// shows them (numbers in the region's writing): a paste into a spreadsheet fills one cell per
// field.
std::string TabSeparatedRows(std::span<const std::string> lines, std::size_t columns);

// The field separator of a CSV file in the region: ";" where numbers have a decimal comma, so
// that a spreadsheet of that region opens the file as it is, and "," elsewhere.
std::string_view CsvFieldSeparator(const RegionalFormat& format);

// One CSV field: enclosed in double quotes (a quote inside doubled) when it holds the separator,
// a quote, a carriage return or a line feed.
std::string CsvField(std::string_view field, std::string_view separator);

// The lines as CSV records, each ended by CR LF. A field that is a number in the region's
// writing loses its group separators and gets "-" for its minus sign; the decimal separator
// stays the region's.
std::string CsvRecords(std::span<const std::string> lines, std::size_t columns,
                       const RegionalFormat& format);

} // namespace vexmoor
