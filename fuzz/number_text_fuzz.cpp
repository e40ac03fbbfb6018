// Fuzz target for the regional number texts: a region choice, a decimals choice (the last is out
// of range), then a text read in the region. The number it gives, and the double its first eight
// bytes hold, keep the rounding properties (test::RoundingFault). A plain decimal text must read
// as the C library reads it.
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
    const std::string text(input.Rest());
    const auto check = [&](double value) {
        const std::string fault = test::RoundingFault(value, decimals, format);
        Require(fault.empty(), fault, text);
    };
    double read = 0;
    if (RequireFailureIn(
            {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
            [&] { read = ParseNumber(text, format); }, text) == 0)
        check(read);
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    if (!text.empty() && text.find_first_not_of("0123456789.eE+-") == std::string::npos &&
        end == text.c_str() + text.size()) {
        std::string regional = text;
        if (const auto point = regional.find('.'); point != std::string::npos)
            regional.replace(point, 1, format.decimalSeparator);
        const int number = FailureOf([&] { read = ParseNumber(regional, format); });
        Require(std::isinf(expected) ? number == 6 : number == 0 && read == expected,
                "a plain decimal text reads as strtod reads it", text);
    }
    if (double bits = 0; text.size() >= sizeof bits)
        check((std::memcpy(&bits, text.data(), sizeof bits), bits));
    return 0;
}
