// The calculator's display on the clipboard: the number it shows, written for the user's other
// programs, and a number pasted back as the keys that type it.
#pragma once

#include "common/core/number_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexmoor {

// The number a display text shows, as the region writes it without grouping: "15" for "15.",
// "0.5" for ".5", "1.5E+20" for "1.5E+20.", with the region's decimal separator and minus sign
// (a spreadsheet reads "0,5" in de_DE, and "0.5" there as a date). Digits typed after the point
// stay ("1.50"). Nothing for "ERROR." or any other text that is no number.
std::optional<std::string> CalculatorCopyText(std::string_view display,
                                              const RegionalFormat& format);

// The pad keys (by index) that put a pasted number into the entry: "CE", then its digits and
// point, then "+/-" for a negative number, so the number replaces what was being typed, as on a
// desktop calculator. The text may be written in the region's way (grouping allowed) or in the
// calculator's own (a point, no grouping), with blanks and line ends around it; the region's
// reading wins where both read it (1.234 in de_DE is 1234). The number is typed as the
// calculator writes a result, to 15 significant digits and without an exponent. Nothing for a
// text that is no number or beyond the double range.
std::optional<std::vector<std::int16_t>> CalculatorPasteKeys(std::string_view text,
                                                             const RegionalFormat& format);

} // namespace vexmoor
