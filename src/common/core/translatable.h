// Marks a text the user reads where a core writes it, for the translation tools: the text stays
// the English source here (the cores know no Qt and no language) and is translated where the
// window shows it, by platform::Translated with the same context. lupdate reads the mark as
// QT_TRANSLATE_NOOP (-tr-function-alias), so it works in constant tables as well. A sentence
// with figures in it is marked whole, with %1, %2, ... where they go, since a translation may
// put them in another order.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define VEXMOOR_TR_NOOP(context, text) text

namespace vexmoor {

// Looks a marked text up in the user's language; the window hands one to a core that writes
// whole sentences. Without one, the English text.
using TextLookup = std::string (*)(std::string_view english);

inline std::string LookUp(TextLookup lookup, std::string_view english)
{
    return lookup != nullptr ? lookup(english) : std::string(english);
}

// The pattern with %1 to %9 replaced by the arguments in order; other text is kept as it is.
inline std::string WithArguments(std::string_view pattern,
                                 std::initializer_list<std::string_view> arguments)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number = i + 1 < pattern.size() && pattern[i] == '%'
            ? static_cast<std::size_t>(pattern[i + 1] - '0')
            : 0;
        if (number >= 1 && number <= arguments.size()) {
            text += *(arguments.begin() + (number - 1));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vexmoor
