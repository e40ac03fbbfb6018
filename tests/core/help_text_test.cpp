// The help's keyboard table is written once: the README and the manual page must hold exactly its
// renderings between their marker comments, and its rows follow the pages.
#include "shell/core/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace vexmoor {
namespace {

std::string ReadSourceFile(const std::string& relative)
{
    std::ifstream file(std::string(VEXMOOR_TEST_DATA) + "/../../" + relative);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text between the line `open` and the line `close`; a marker missing gives "(no markers)".
std::string Between(const std::string& text, const std::string& open, const std::string& close)
{
    const std::size_t start = text.find(open + "\n");
    const std::size_t end = text.find("\n" + close + "\n");
    if (start == std::string::npos || end == std::string::npos || end < start + open.size())
        return "(no markers)";
    return text.substr(start + open.size() + 1, end + 1 - (start + open.size() + 1));
}

TEST(HelpText, ReadmeAndManualPageHoldTheKeyboardTable)
{
    const struct
    {
        const char* file;
        const char* open;
        const char* close;
        std::string expected;
    } kDocuments[] = {
        {"README.md", "<!-- keyboard -->", "<!-- /keyboard -->", KeyboardMarkdown()},
        {"data/vexmoor.1", ".\\\" keyboard", ".\\\" /keyboard", KeyboardRoff()},
    };
    for (const auto& document : kDocuments) {
        // Only the expected text is printed, ready to paste.
        EXPECT_TRUE(Between(ReadSourceFile(document.file), document.open, document.close) ==
                    document.expected)
            << document.file << " should hold between the lines " << document.open << " and "
            << document.close << " exactly:\n"
            << document.expected;
    }
}

// The key rows name a page the help describes (or every page first), grouped in the pages' order,
// so that the Help window, which lists them under their pages, shows each row once.
TEST(HelpText, KeyRowsFollowThePages)
{
    std::vector<std::string_view> order {kEveryPage};
    for (const HelpPage& page : HelpPages())
        order.push_back(page.name);
    std::size_t at = 0;
    for (const HelpKey& row : HelpKeys()) {
        const auto found =
            std::find(order.begin() + static_cast<std::ptrdiff_t>(at), order.end(), row.page);
        ASSERT_NE(found, order.end()) << row.page << ": " << row.action;
        at = static_cast<std::size_t>(found - order.begin());
        EXPECT_FALSE(row.keys[0].empty()) << row.action;
    }
}

} // namespace
} // namespace vexmoor
