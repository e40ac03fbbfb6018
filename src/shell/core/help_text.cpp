// The help's texts, and the keyboard table rendered for the README and the manual page.
#include "shell/core/help_text.h"

#include "shell/core/layout.h"

namespace vexmoor {

namespace {

constexpr std::string_view PageName(MainPage page)
{
    return kMainTabs[static_cast<std::size_t>(page)].key;
}

constexpr std::string_view kCalculator = PageName(MainPage::Calculator);
constexpr std::string_view kBreakEven = PageName(MainPage::BreakEven);
constexpr std::string_view kLoan = PageName(MainPage::Loan);
constexpr std::string_view kTalkToUs = PageName(MainPage::TalkToUs);
constexpr std::string_view kDisclaimer = PageName(MainPage::Disclaimer);

constexpr HelpPage kPages[] = {
    {kCalculator,
     "A pocket calculator, worked with the mouse or the keyboard. It always writes its point as "
     "\".\", whatever the region."},
    {kBreakEven,
     "Parameters: enter the expected sales units, the unit price, the variable cost per unit and "
     "the fixed costs, and calculate the break-even units, the count at which sales cover the "
     "costs. Break Even lists the analysis for every unit count; Graph draws the costs and sales."},
    {kLoan,
     "Repayment gives the instalment that repays a principal; Principal gives the principal that "
     "an instalment repays; for flat-rate, reducing-balance and amortized loans and eight "
     "repayment frequencies. Loan Schedule lists every instalment."},
    {kTalkToUs,
     "Links to the maker's web site, blog and Facebook page, and a new tweet to the maker."},
    {kDisclaimer, "The warranty disclaimer."},
};

// clang-format off
constexpr HelpKey kKeys[] = {
    {kEveryPage, {"Ctrl+Tab"},                 "Shows the next page; arriving on a page with sub-pages, also its next sub-page"},
    {kEveryPage, {"Ctrl+Shift+Tab"},           "Goes back the way Ctrl+Tab goes forward"},
    {kEveryPage, {"Alt+underlined letter"},    "Goes to the control or tab with that letter, and presses a button that has the letter to itself. A letter shared by several controls moves the focus among them in turn, the page's own controls first, then a tab that leaves the page; Space presses the button reached"},
    {kEveryPage, {"Tab", "Shift+Tab"},         "Moves to the next or the previous control"},
    {kEveryPage, {"Space"},                    "Presses the button that has the focus"},
    {kEveryPage, {"Ctrl+Q"},                   "Closes the window"},
    {kEveryPage, {"F1"},                       "Opens the Help window; Esc closes it"},
    {kCalculator, {"0 to 9"},                  "Digits, on the main row or the keypad"},
    {kCalculator, {".", "keypad point"},       "Decimal point"},
    {kCalculator, {"+", "-"},                  "Add, subtract (main row or keypad)"},
    {kCalculator, {"*", "/"},                  "Multiply, divide (main row or keypad)"},
    {kCalculator, {"Enter", "="},              "Equals"},
    {kCalculator, {"S"},                       "Square root (sqrt)"},
    {kCalculator, {"P", "%"},                  "Percent (%)"},
    {kCalculator, {"R", "X"},                  "Reciprocal (1/x)"},
    {kCalculator, {"Backspace"},               "Removes the last digit entered"},
    {kCalculator, {"Del"},                     "Clears the entry (CE)"},
    {kCalculator, {"Esc"},                     "Clears the calculation (C)"},
    {kCalculator, {"Ctrl+C", "Ctrl+Insert"},   "Copies the number on the display"},
    {kCalculator, {"Ctrl+V", "Shift+Insert"},  "Pastes a number into the display"},
    {kCalculator, {"Right click"},             "On the display: Copy, Paste"},
    {kBreakEven, {"Shift+arrows", "Ctrl+Space"}, "In the analysis table: chooses lines"},
    {kBreakEven, {"Ctrl+A"},                   "In the analysis table: chooses every line"},
    {kBreakEven, {"Ctrl+C"},                   "In the analysis table: copies the chosen lines as tab-separated columns"},
    {kBreakEven, {"Menu", "Shift+F10"},        "In the analysis table (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print"},
    {kBreakEven, {"Ctrl+T", "Ctrl+P"},         "In the analysis table: Show as Table, Print"},
    {kBreakEven, {"Arrows", "Home", "End"},    "On the graph: steps through its points, each read out with its unit count and values"},
    {kBreakEven, {"Right click"},              "On the graph: Copy Graph, Save Graph As (PNG or SVG), Save as PDF, Print"},
    {kLoan,      {"Shift+arrows", "Ctrl+Space"}, "In the schedule: chooses lines"},
    {kLoan,      {"Ctrl+A"},                   "In the schedule: chooses every line"},
    {kLoan,      {"Ctrl+C"},                   "In the schedule: copies the chosen lines as tab-separated columns"},
    {kLoan,      {"Menu", "Shift+F10"},        "In the schedule (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print"},
    {kLoan,      {"Ctrl+T", "Ctrl+P"},         "In the schedule: Show as Table, Print"},
    {kTalkToUs,  {"Enter", "Space"},           "Opens the link that has the focus in the web browser"},
};
// clang-format on

constexpr std::string_view kErrorRecords =
    "Run-time failures are shown in a \"System Support\" message, and one line per failure is "
    "appended to vexmoorERR.txt: beside the program when it runs from a folder that belongs to "
    "you (a build folder, a copy of your own), otherwise in $XDG_STATE_HOME/quenbry-vexmoor/, by "
    "default ~/.local/state/quenbry-vexmoor/.";

// Markdown: a code span cannot hold a "|" unescaped inside a table.
std::string MarkdownKeys(const HelpKey& row)
{
    std::string text;
    for (std::string_view key : row.keys) {
        if (key.empty())
            continue;
        if (!text.empty())
            text += kHelpKeysJoiner;
        text += '`';
        for (char c : key)
            text += c == '|' ? std::string("\\|") : std::string(1, c);
        text += '`';
    }
    return text;
}

// roff: a backslash is \e and a hyphen that is a minus \-.
std::string Roff(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

} // namespace

std::span<const HelpPage> HelpPages()
{
    return kPages;
}

std::span<const HelpKey> HelpKeys()
{
    return kKeys;
}

std::string_view HelpErrorRecords()
{
    return kErrorRecords;
}

std::string KeyboardMarkdown()
{
    std::string text = "| " + std::string(kHelpPageColumn) + " | " + std::string(kHelpKeysColumn) +
        " | " + std::string(kHelpActionColumn) + " |\n|---|---|---|\n";
    std::string_view page;
    for (const HelpKey& row : kKeys) {
        // The page is named on its first row only.
        text += "| " + (row.page == page ? std::string() : std::string(row.page)) + " | " +
            MarkdownKeys(row) + " | " + std::string(row.action) + " |\n";
        page = row.page;
    }
    return text;
}

std::string KeyboardRoff()
{
    std::string text;
    std::string_view page;
    for (const HelpKey& row : kKeys) {
        if (row.page != page)
            text += ".SS " + Roff(row.page) + "\n";
        page = row.page;
        text += ".TP\n";
        std::string keys;
        for (std::string_view key : row.keys) {
            if (key.empty())
                continue;
            if (!keys.empty())
                keys += kHelpKeysJoiner;
            keys += "\\fB" + Roff(key) + "\\fR";
        }
        // A line starting with a control character would be taken for a request.
        const std::string action = Roff(row.action);
        const bool control = action.starts_with('.') || action.starts_with('\'');
        text += keys + "\n" + (control ? "\\&" : "") + action + "\n";
    }
    return text;
}

} // namespace vexmoor
