// The help's keyboard table is written once: the README and the manual page must hold exactly its
// renderings between their marker comments.
#include "shell/core/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vexmoor {
namespace {

TEST(HelpText, ReadmeAndManualPageHoldTheKeyboardTable)
{
    const std::tuple<const char*, std::string, std::string, std::string> documents[] = {
        {"README.md", "<!-- keyboard -->\n", "\n<!-- /keyboard -->\n", KeyboardMarkdown()},
        {"data/vexmoor.1", ".\\\" keyboard\n", "\n.\\\" /keyboard\n", KeyboardRoff()},
    };
    for (const auto& [file, open, close, expected] : documents) {
        std::ostringstream text;
        text << std::ifstream(std::string(VEXMOOR_TEST_DATA) + "/../../" + file).rdbuf();
        const std::string whole = text.str();
        const std::size_t start = whole.find(open), end = whole.find(close);
        const bool marked = start != std::string::npos && end != std::string::npos && end >= start;
        EXPECT_TRUE(marked &&
                    whole.substr(start + open.size(), end + 1 - start - open.size()) == expected)
            << file << " should hold between the lines " << open << " and " << close
            << " exactly:\n"
            << expected;
    }
}

} // namespace
} // namespace vexmoor
