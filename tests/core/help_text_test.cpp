// The help's keyboard table is written once: the README and the manual page must hold exactly its
// renderings between their marker comments, and its rows follow the pages.
#include "shell/core/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        // Only the expected text is printed, ready to paste.
        EXPECT_TRUE(marked &&
                    whole.substr(start + open.size(), end + 1 - start - open.size()) == expected)
            << file << " should hold between the lines " << open << " and " << close
            << " exactly:\n"
            << expected;
    }
}

// The key rows name a page the help describes (or every page first), grouped in the pages' order,
// so that the Help window, which lists them under their pages, shows each row once.
TEST(HelpText, KeyRowsFollowThePages)
{
    std::vector<std::string_view> order {kEveryPage};
    for (const HelpPage& page : HelpPages())
        order.push_back(page.name);
    auto at = order.begin();
    for (const HelpKey& row : HelpKeys()) {
        at = std::find(at, order.end(), row.page);
        ASSERT_NE(at, order.end()) << row.page << ": " << row.action;
        EXPECT_FALSE(row.keys[0].empty()) << row.action;
    }
}

} // namespace
} // namespace vexmoor
