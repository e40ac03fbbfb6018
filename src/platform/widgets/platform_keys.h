// Qt's key events in the platform's key codes and shift bits, which the window's key preview
// speaks. Qt reports the symbol a key produced (Shift+8 on a US keyboard arrives as
// Key_Asterisk), so digits of the main row become 48-57, of the keypad 96-105, the keypad's
// operators and point 106-111, and the editing keys their own codes.
#pragma once

class QKeyEvent;

namespace vexmoor::platform {

// The platform key code of a key event, or 0 for a key the window does not act on.
int PlatformKeyCode(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int ShiftBits(const QKeyEvent& event);

} // namespace vexmoor::platform
