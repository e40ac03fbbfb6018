// The window's layout as data: every control with its name, index, kind, container, rectangle in
// twips, caption, tooltip, font, alignment and tab order. The window makes its controls from it,
// page by page.
#pragma once

#include "common/core/translatable.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexmoor {

enum class ControlKind {
    Container, // a page or sub-page container
    Frame, // the frame filling a container
    Panel, // the decorative panel behind a page's controls
    TabStrip,
    Label,
    LinkLabel,
    Display, // the calculator display
    TextBox,
    Button,
    Selector,
    ListBox,
    Chart,
    Image,
};

enum class Alignment { Left, Right, Center };

struct FontSpec
{
    std::string_view family;
    double points;
    bool bold;
    constexpr bool operator==(const FontSpec&) const = default;
};

inline constexpr FontSpec kDefaultFont {"MS Sans Serif", 8.25, false};
inline constexpr FontSpec kLinkFont {"Arial", 8.25, false};

// What a text box shows beyond its text, as named flags a layout row can combine with `|`.
enum FieldFlags : unsigned {
    kPlainField = 0,
    kResultField = 1u << 0, // written only by the program; out of the Tab order
    kBoldText = 1u << 1,
    kWhiteBackground = 1u << 2,
};

struct ControlSpec
{
    std::string_view name;
    int index; // -1 for a control that is not part of a control array
    ControlKind kind;
    std::string_view parent; // object name of the container; empty for the window itself
    int left, top, width, height; // twips, relative to the parent
    int tabOrder = -1; // position in the window's Tab order; -1 when not reachable by Tab
    std::string_view caption = {};
    std::string_view tooltip = {};
    FontSpec font = kDefaultFont;
    Alignment alignment = Alignment::Left;
    unsigned fieldFlags = kPlainField;
    std::string_view buddy = {}; // for caption labels: the object name of the control they name

    constexpr bool IsResultField() const { return (fieldFlags & kResultField) != 0; }
    constexpr bool HasBoldText() const { return (fieldFlags & kBoldText) != 0; }
    constexpr bool HasWhiteBackground() const { return (fieldFlags & kWhiteBackground) != 0; }
};

struct TabSpec
{
    std::string_view caption;
    std::string_view key;
    std::string_view tooltip;
};

// The window's client area in twips.
inline constexpr int kClientWidthTwips = 7695;
inline constexpr int kClientHeightTwips = 4935;

inline constexpr std::string_view kWindowTitle = "Quenbry - Vexmoor";

std::span<const ControlSpec> WindowLayout();
// The tabs of the strip with this name (tabOptions, tabOptions1, tabOptions2); none for another.
std::span<const TabSpec> TabsOf(std::string_view stripName);

// The window's main pages, in the order of the main tab strip, with their tabs. A page is a row of
// kMainTabs and its class among the window's page makers (a count that differs does not compile);
// MainPage names them.
// clang-format off
inline constexpr auto kMainTabs = std::to_array<TabSpec>({
    {VEXMOOR_TR_NOOP("Window", "&Calculator"),      "Calculator",      VEXMOOR_TR_NOOP("Window", "Standard Calculator")},
    {VEXMOOR_TR_NOOP("Window", "&Break Even"),      "Break Even",      VEXMOOR_TR_NOOP("Window", "Calculate Break Even Units")},
    {VEXMOOR_TR_NOOP("Window", "&Loan Calculator"), "Loan Calculator", VEXMOOR_TR_NOOP("Window", "Calculate and Generate Loan Schedules")},
    {VEXMOOR_TR_NOOP("Window", "Talk to Us"),       "Talk to Us",      VEXMOOR_TR_NOOP("Window", "Talk to Us")},
    {VEXMOOR_TR_NOOP("Window", "&Disclaimer"),      "Disclaimer",      {}},
});
// clang-format on
inline constexpr int kMainPageCount = static_cast<int>(kMainTabs.size());
enum class MainPage { Calculator, BreakEven, Loan, TalkToUs, Disclaimer };
// For each row of WindowLayout(), the main page the control lies on (the index of the page
// container it is inside), or -1 for the window's own controls, the page containers among them.
std::span<const int> ControlPages();

// The control's object name: its name, followed by "_" and the index for array elements.
std::string ObjectName(const ControlSpec& control);
// The control with this object name, or nullptr.
const ControlSpec* FindControl(std::string_view objectName);

} // namespace vexmoor
