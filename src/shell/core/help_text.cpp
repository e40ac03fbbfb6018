// The help's texts, and the keyboard table rendered for the README and the manual page.
#include "shell/core/help_text.h"

#include "shell/core/layout.h"

namespace vexmoor {

namespace {

constexpr std::string_view PageName(MainPage page)
{
    return kMainTabs[static_cast<std::size_t>(page)].key;
}

// The pages as their tabs name them, marked here for the Help window's translation.
constexpr std::string_view kCalculator = VEXMOOR_TR_NOOP("Help", "Calculator");
constexpr std::string_view kBreakEven = VEXMOOR_TR_NOOP("Help", "Break Even");
constexpr std::string_view kLoan = VEXMOOR_TR_NOOP("Help", "Loan Calculator");
constexpr std::string_view kTalkToUs = VEXMOOR_TR_NOOP("Help", "Talk to Us");
constexpr std::string_view kDisclaimer = VEXMOOR_TR_NOOP("Help", "Disclaimer");
static_assert(kCalculator == PageName(MainPage::Calculator) &&
              kBreakEven == PageName(MainPage::BreakEven) && kLoan == PageName(MainPage::Loan) &&
              kTalkToUs == PageName(MainPage::TalkToUs) &&
              kDisclaimer == PageName(MainPage::Disclaimer));

constexpr HelpPage kPages[] = {
    {kCalculator,
     VEXMOOR_TR_NOOP("Help",
                     "A pocket calculator, worked with the mouse or the keyboard. It always "
                     "writes its point as \".\", whatever the region.")},
    {kBreakEven,
     VEXMOOR_TR_NOOP("Help",
                     "Parameters: enter the expected sales units, the unit price, the variable "
                     "cost per unit and the fixed costs, and calculate the break-even units, the "
                     "count at which sales cover the costs. Break Even lists the analysis for "
                     "every unit count; Graph draws the costs and sales.")},
    {kLoan,
     VEXMOOR_TR_NOOP("Help",
                     "Repayment gives the instalment that repays a principal; Principal gives "
                     "the principal that an instalment repays; for flat-rate, reducing-balance "
                     "and amortized loans and eight repayment frequencies. Loan Schedule lists "
                     "every instalment.")},
    {kTalkToUs,
     VEXMOOR_TR_NOOP("Help",
                     "Links to the maker's web site, blog and Facebook page, and a new tweet to "
                     "the maker.")},
    {kDisclaimer, VEXMOOR_TR_NOOP("Help", "The warranty disclaimer.")},
};

// clang-format off
constexpr HelpKey kKeys[] = {
    {kEveryPage, {VEXMOOR_TR_NOOP("Help", "Ctrl+Tab")}, VEXMOOR_TR_NOOP("Help", "Shows the next page; arriving on a page with sub-pages, also its next sub-page")},
    {kEveryPage, {VEXMOOR_TR_NOOP("Help", "Ctrl+Shift+Tab")}, VEXMOOR_TR_NOOP("Help", "Goes back the way Ctrl+Tab goes forward")},
    {kEveryPage, {VEXMOOR_TR_NOOP("Help", "Alt+underlined letter")}, VEXMOOR_TR_NOOP("Help", "Goes to the control or tab with that letter, and presses a button that has the letter to itself. A letter shared by several controls moves the focus among them in turn, the page's own controls first, then a tab that leaves the page; Space presses the button reached")},
    {kEveryPage, {VEXMOOR_TR_NOOP("Help", "Tab"), VEXMOOR_TR_NOOP("Help", "Shift+Tab")}, VEXMOOR_TR_NOOP("Help", "Moves to the next or the previous control")},
    {kEveryPage, {VEXMOOR_TR_NOOP("Help", "Space")}, VEXMOOR_TR_NOOP("Help", "Presses the button that has the focus")},
    {kEveryPage, {VEXMOOR_TR_NOOP("Help", "Ctrl+Q")}, VEXMOOR_TR_NOOP("Help", "Closes the window")},
    {kEveryPage, {"F1"}, VEXMOOR_TR_NOOP("Help", "Opens the Help window; Esc closes it")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "0 to 9")}, VEXMOOR_TR_NOOP("Help", "Digits, on the main row or the keypad")},
    {kCalculator, {".", VEXMOOR_TR_NOOP("Help", "keypad point")}, VEXMOOR_TR_NOOP("Help", "Decimal point")},
    {kCalculator, {"+", "-"}, VEXMOOR_TR_NOOP("Help", "Add, subtract (main row or keypad)")},
    {kCalculator, {"*", "/"}, VEXMOOR_TR_NOOP("Help", "Multiply, divide (main row or keypad)")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Enter"), "="}, VEXMOOR_TR_NOOP("Help", "Equals")},
    {kCalculator, {"S"}, VEXMOOR_TR_NOOP("Help", "Square root (sqrt)")},
    {kCalculator, {"P", "%"}, VEXMOOR_TR_NOOP("Help", "Percent (%)")},
    {kCalculator, {"R", "X"}, VEXMOOR_TR_NOOP("Help", "Reciprocal (1/x)")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Backspace")}, VEXMOOR_TR_NOOP("Help", "Removes the last digit entered")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Del")}, VEXMOOR_TR_NOOP("Help", "Clears the entry (CE)")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Esc")}, VEXMOOR_TR_NOOP("Help", "Clears the calculation (C)")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Ctrl+C"), VEXMOOR_TR_NOOP("Help", "Ctrl+Insert")}, VEXMOOR_TR_NOOP("Help", "Copies the number on the display")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Ctrl+V"), VEXMOOR_TR_NOOP("Help", "Shift+Insert")}, VEXMOOR_TR_NOOP("Help", "Pastes a number into the display")},
    {kCalculator, {VEXMOOR_TR_NOOP("Help", "Right click")}, VEXMOOR_TR_NOOP("Help", "On the display: Copy, Paste")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Shift+arrows"), VEXMOOR_TR_NOOP("Help", "Ctrl+Space")}, VEXMOOR_TR_NOOP("Help", "In the analysis table: chooses lines")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Ctrl+A")}, VEXMOOR_TR_NOOP("Help", "In the analysis table: chooses every line")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Ctrl+C")}, VEXMOOR_TR_NOOP("Help", "In the analysis table: copies the chosen lines as tab-separated columns")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Menu"), VEXMOOR_TR_NOOP("Help", "Shift+F10")}, VEXMOOR_TR_NOOP("Help", "In the analysis table (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Ctrl+T"), VEXMOOR_TR_NOOP("Help", "Ctrl+P")}, VEXMOOR_TR_NOOP("Help", "In the analysis table: Show as Table, Print")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Arrows"), VEXMOOR_TR_NOOP("Help", "Home"), VEXMOOR_TR_NOOP("Help", "End")}, VEXMOOR_TR_NOOP("Help", "On the graph: steps through its points, each read out with its unit count and values")},
    {kBreakEven, {VEXMOOR_TR_NOOP("Help", "Right click")}, VEXMOOR_TR_NOOP("Help", "On the graph: Copy Graph, Save Graph As (PNG or SVG), Save as PDF, Print")},
    {kLoan,      {VEXMOOR_TR_NOOP("Help", "Shift+arrows"), VEXMOOR_TR_NOOP("Help", "Ctrl+Space")}, VEXMOOR_TR_NOOP("Help", "In the schedule: chooses lines")},
    {kLoan,      {VEXMOOR_TR_NOOP("Help", "Ctrl+A")}, VEXMOOR_TR_NOOP("Help", "In the schedule: chooses every line")},
    {kLoan,      {VEXMOOR_TR_NOOP("Help", "Ctrl+C")}, VEXMOOR_TR_NOOP("Help", "In the schedule: copies the chosen lines as tab-separated columns")},
    {kLoan,      {VEXMOOR_TR_NOOP("Help", "Menu"), VEXMOOR_TR_NOOP("Help", "Shift+F10")}, VEXMOOR_TR_NOOP("Help", "In the schedule (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print")},
    {kLoan,      {VEXMOOR_TR_NOOP("Help", "Ctrl+T"), VEXMOOR_TR_NOOP("Help", "Ctrl+P")}, VEXMOOR_TR_NOOP("Help", "In the schedule: Show as Table, Print")},
    {kTalkToUs,  {VEXMOOR_TR_NOOP("Help", "Enter"), VEXMOOR_TR_NOOP("Help", "Space")}, VEXMOOR_TR_NOOP("Help", "Opens the link that has the focus in the web browser")},
};
// clang-format on

constexpr std::string_view kErrorRecords = VEXMOOR_TR_NOOP(
    "Help",
    "Run-time failures are shown in a \"System Support\" message, and one line per failure is "
    "appended to vexmoorERR.txt: beside the program when it runs from a folder that belongs to "
    "you (a build folder, a copy of your own), otherwise in $XDG_STATE_HOME/quenbry-vexmoor/, by "
    "default ~/.local/state/quenbry-vexmoor/.");

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
