// Access keys: Alt and the underlined letter of a caption. The window's design gives some
// letters to more than one control (the Clear buttons and the Calculator tab share C), so a
// letter's controls are taken in turn, one press each: the controls of the page shown first (in
// the Tab order), then the selected tabs, then the tabs that would leave the page shown (a
// sub-page's before the main page's).
#pragma once

#include <vector>

class QKeySequence;
class QWidget;

namespace vexmoor::platform {

struct AccessTarget
{
    QWidget* widget = nullptr; // a button, a labelled control, or a tab bar
    int tab = -1; // the tab of a tab bar
};

// Every shown, enabled control of `window` whose caption has this access key, in the order the
// presses reach them.
std::vector<AccessTarget> AccessTargets(QWidget* window, const QKeySequence& key);

// The target after the one that has the focus now, or the first when none has it.
const AccessTarget& NextAccessTarget(const std::vector<AccessTarget>& targets,
                                     const QWidget* focus);

} // namespace vexmoor::platform
