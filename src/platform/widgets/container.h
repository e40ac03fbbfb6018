// Page and sub-page containers: the shown one stands at its left position and is enabled; the
// hidden ones stand at -20000 twips, disabled and hidden, so that none of their controls can take
// the focus by mouse, the Tab key or an access key, and screen readers do not list them.
#pragma once

#include "platform/widgets/control_array.h"

class QWidget;

namespace vexmoor::platform {

// Left positions of a shown page container and a shown sub-page container, and of a hidden one.
inline constexpr int kPageLeftTwips = 210;
inline constexpr int kSubPageLeftTwips = 175;
inline constexpr int kHiddenLeftTwips = -20000;

void ShowContainer(QWidget* container, int leftTwips);
void HideContainer(QWidget* container);
// Shows the container at the 0-based index `selected` and hides the others, in index order.
void ShowOnly(const ControlArray<QWidget>& containers, int selected, int leftTwips);
// The container's left position in twips.
int ContainerLeftTwips(const QWidget* container);

} // namespace vexmoor::platform
