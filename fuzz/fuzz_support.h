// What the fuzz targets share: reading a fuzzer's bytes as choices and texts, the regions every
// target writes and reads numbers in, and the checks that stop a run on a broken property.
//
// An input is read front to back: a choice takes one byte ('0' is the first choice, so seed files
// can be typed by hand), a line takes the text up to the next line end.
#pragma once

#include "common/core/number_text.h"
#include "errors/core/failure.h"
#include "support/failure_of.h"
#include "support/formats.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vexmoor::fuzz {

class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size)
    { }

    bool Empty() const { return m_rest.empty(); }

    // One of `count` choices; 0 once the input is used up.
    int Choice(int count)
    {
        if (m_rest.empty())
            return 0;
        const auto byte = static_cast<std::uint8_t>(m_rest.front() - '0');
        m_rest.remove_prefix(1);
        return byte % count;
    }

    std::string_view Line()
    {
        const std::size_t end = m_rest.find('\n');
        const std::string_view line = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return line;
    }

    std::string_view Rest()
    {
        const std::string_view rest = m_rest;
        m_rest = {};
        return rest;
    }

private:
    std::string_view m_rest;
};

// The regions the program meets most, as the core tests build them by hand (en_US, de_DE, fr_FR,
// de_CH, hi_IN, sv_SE), and one that writes no grouping at all.
inline const std::array<RegionalFormat, 7> kRegions = {
    test::EnUs(),
    test::DeDe(),
    test::FrFr(),
    test::DeCh(),
    test::HiIn(),
    test::SvSe(),
    RegionalFormat {".", "", 3, 3, "-"},
};

inline const RegionalFormat& PickRegion(FuzzInput& input)
{
    return kRegions[static_cast<std::size_t>(input.Choice(static_cast<int>(kRegions.size())))];
}

// Stops the run with what broke and the text it broke on; libFuzzer keeps the input.
inline void Require(bool holds, const char* property, std::string_view text = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %s\n  text: \"", property);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputs("\"\n", stderr);
    std::abort();
}

// The number of the Failure `run` throws, 0 when it completes (shared with the core tests). Any
// other exception escapes and ends the run.
using test::FailureOf;

// Runs `run` and requires that it completes or fails with one of `allowed`; returns the number.
template<typename Run>
int RequireFailureIn(std::initializer_list<ErrorNumber> allowed, const char* what, Run run,
                     std::string_view text = {})
{
    const int number = FailureOf(run);
    bool known = number == 0;
    for (ErrorNumber n : allowed)
        known = known || number == static_cast<int>(n);
    if (!known)
        std::fprintf(stderr, "Failure %d escaped\n", number);
    Require(known, what, text);
    return number;
}

// A text the program wrote, read back in the same region; the run stops if it is no number.
inline double ReadBack(std::string_view text, const RegionalFormat& format, const char* what)
{
    double value = 0;
    RequireFailureIn(
        {}, what, [&] { value = ParseNumber(text, format); }, text);
    return value;
}

} // namespace vexmoor::fuzz
