// The program's help, written once: what each page does, the keyboard page by page, where error
// records go and the licence. The Help window (F1) shows it in the user's language; the README's
// keyboard table and the manual page's KEYBOARD section are the same keyboard table rendered as
// Markdown and as roff, and a test keeps those two files in step with it.
#pragma once

#include "common/core/translatable.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vexmoor {

inline constexpr std::string_view kHelpWindowTitle =
    VEXMOOR_TR_NOOP("Help", "Quenbry - Vexmoor Help");
inline constexpr std::string_view kHelpKeyboardHeading = VEXMOOR_TR_NOOP("Help", "Keyboard");
inline constexpr std::string_view kHelpPagesHeading = VEXMOOR_TR_NOOP("Help", "The pages");
inline constexpr std::string_view kHelpKeysColumn = VEXMOOR_TR_NOOP("Help", "Keys");
inline constexpr std::string_view kHelpActionColumn = VEXMOOR_TR_NOOP("Help", "What they do");
inline constexpr std::string_view kHelpPageColumn = VEXMOOR_TR_NOOP("Help", "Page");
inline constexpr std::string_view kHelpKeysJoiner = VEXMOOR_TR_NOOP("Help", " or ");
inline constexpr std::string_view kHelpErrorsHeading =
    VEXMOOR_TR_NOOP("Help", "Where error records go");
inline constexpr std::string_view kHelpAboutHeading =
    VEXMOOR_TR_NOOP("Help", "Version and licence");
// %1 is the version.
inline constexpr std::string_view kHelpVersion = "Quenbry - Vexmoor %1";
inline constexpr std::string_view kHelpLicence = VEXMOOR_TR_NOOP(
    "Help",
    "Copyright 2026 Quenbry. Free software under the MIT licence: you may use, copy, change and "
    "pass it on; it comes without any warranty (see the Disclaimer page).");

// The page whose keys work everywhere; the others are named as their tabs are.
inline constexpr std::string_view kEveryPage = VEXMOOR_TR_NOOP("Help", "Every page");

struct HelpPage
{
    std::string_view name;
    std::string_view description;
};

struct HelpKey
{
    std::string_view page;
    // Keys that do the same, each as printed on a keyboard; the empty ones are unused.
    std::array<std::string_view, 3> keys;
    std::string_view action;
};

// The main pages in the order of their tabs.
std::span<const HelpPage> HelpPages();
// Rows grouped by page: kEveryPage's first, then each page's in the order of HelpPages.
std::span<const HelpKey> HelpKeys();
// What the error log is and where it is written.
std::string_view HelpErrorRecords();

// The keyboard table as the README shows it (Markdown) and as the manual page's KEYBOARD section
// holds it (roff, without the section heading).
std::string KeyboardMarkdown();
std::string KeyboardRoff();

} // namespace vexmoor
