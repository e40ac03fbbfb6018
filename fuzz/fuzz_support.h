// What the fuzz targets share besides the core tests' helpers and properties (tests/core/support):
// reading a fuzzer's bytes as choices and lines, and stopping a run on a broken property.
// A choice takes one byte ('0' is the first choice, so seed files can be typed by hand).
#pragma once

#include "errors/core/failure.h"
#include "support/failure_of.h"
#include "support/formats.h"
#include "support/properties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vexmoor::fuzz {

using test::FailureOf;

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
        const std::size_t end = std::min(m_rest.find('\n'), m_rest.size());
        const std::string_view line = m_rest.substr(0, end);
        m_rest.remove_prefix(std::min(end + 1, m_rest.size()));
        return line;
    }
    std::string_view Rest() { return std::exchange(m_rest, {}); }
    const RegionalFormat& Region() { return test::kRegions[std::size_t(Choice(7))]; }

private:
    std::string_view m_rest;
};

// Stops the run with what broke and the text it broke on; libFuzzer keeps the input.
inline void Require(bool holds, std::string_view property, std::string_view text = "")
{
    if (!holds) {
        std::fprintf(stderr, "Broken: %.*s\n  text: \"%.*s\"\n", int(property.size()),
                     property.data(), int(text.size()), text.data());
        std::abort();
    }
}

// Runs `run`, which must complete or fail with one of `allowed`; returns the error number.
template<typename Run>
int RequireFailureIn(std::initializer_list<ErrorNumber> allowed, Run run,
                     std::string_view text = "")
{
    const int number = FailureOf(run);
    bool known = number == 0;
    for (ErrorNumber n : allowed)
        known = known || number == static_cast<int>(n);
    Require(known, "failure " + std::to_string(number) + " escaped", text);
    return number;
}

} // namespace vexmoor::fuzz
