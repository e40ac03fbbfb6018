// Fuzz target for the regional number texts: reading, fixed-decimal writing and both roundings.
//
// Input: a region choice, a decimals choice (the last two are out of range), then the text. The
// text is read in the region; the number it gives, and the double its first eight bytes hold, are
// rounded, written and read back. A plain decimal text must read as the C library reads it.
#include "fuzz_support.h"

#include <cstring>

using namespace vexmoor;
using namespace vexmoor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RegionalFormat& format = input.Region();
    const int choice = input.Choice(18);
    const int decimals = choice == 17 ? -1 : choice;
    const std::string_view text = input.Rest();

    double read = 0;
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
        [&] { read = ParseNumber(text, format); }, text);
    if (failure == 0) {
        Require(std::isfinite(read), "a text reads as a finite number", text);
        Require(test::RoundingFault(read, decimals, format).empty(),
                test::RoundingFault(read, decimals, format), text);
    }
    // Digits, one point, an exponent (what strtod reads whole in the "C" locale the process
    // keeps), with the region's decimal separator for the point.
    const std::string plain(text);
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    if (!plain.empty() && plain.find_first_not_of("0123456789.eE+-") == std::string::npos &&
        end == plain.c_str() + plain.size()) {
        std::string regional = plain;
        if (const auto point = regional.find('.'); point != std::string::npos)
            regional.replace(point, 1, format.decimalSeparator);
        double value = 0;
        const int number = FailureOf([&] { value = ParseNumber(regional, format); });
        Require(std::isinf(expected) ? number == 6 : number == 0 && value == expected,
                "a plain decimal text reads as strtod reads it", text);
    }
    if (text.size() >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, text.data(), sizeof bits);
        Require(test::RoundingFault(bits, decimals, format).empty(),
                test::RoundingFault(bits, decimals, format), text);
    }
    return 0;
}
