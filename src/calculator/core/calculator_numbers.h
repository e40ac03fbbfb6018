// The calculator's own number texts. They ignore the user's region on purpose: the entry is
// typed with the "." key, so the point is the decimal separator whatever the locale, and a
// result must read back through the same rule when the user goes on calculating with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexmoor {

// The value of an entry text, read from the left as far as it forms a number: an optional "-",
// digits with at most one ".", and an optional exponent ("E" or "e", a sign, digits). Reading
// stops at the first character that does not fit; a text with no digit there reads as 0.
// A number too small for a double reads as 0; one too large throws Failure(Overflow), since an
// entry of hundreds of digits can be typed.
double EntryValue(std::string_view entry);

// EntryValue without the throw: nullopt for an entry too large for a double.
std::optional<double> TryEntryValue(std::string_view entry);

// value in the calculator's general form: at most 15 significant digits, rounded half away
// from zero on the shortest text that reads back to the same double; no grouping; "." as the
// point; no trailing zeros or point; "0" before the point below 1; "-" for negatives (never
// for zero). Decimal exponents from -4 to 14 are written out in full (123456789012345,
// 0.0001); others take exponent form, E with a sign and at least two digits (1E+15, 1E-05,
// -2.5E+300). Throws Failure(Overflow) for infinity or not-a-number.
std::string ResultText(double value);

} // namespace vexmoor
