// The window's controls made from the rows of the layout table: one maker per kind of control,
// then the properties every control takes from its row.
#pragma once

#include "shell/core/design_colors.h"
#include "shell/core/layout.h"

#include <QFont>
#include <optional>

class QObject;
class QRect;
class QWidget;

namespace vexmoor {

struct MadeControl
{
    QWidget* widget = nullptr; // what stands in the window
    QObject* control = nullptr; // what a page holds: the widget, or the adapter over it
};

// The control of a row inside `parent`, at `rect` (pixels). A tab strip places its own widgets;
// every other widget still needs its common properties.
MadeControl MakeControl(const ControlSpec& control, QWidget* parent, const QRect& rect);

// Object name, geometry, fill, font, weight, tooltip and screen-reader name from the row.
void ApplyCommonProperties(const ControlSpec& control, QWidget* widget, const QRect& rect);

// The controls filled with a colour of their own: the display, the result fields (their fill and
// text follow the theme) and the disclaimer.
std::optional<Painted> OpaquePaintOf(const ControlSpec& control);

// The design's fonts on a Linux desktop.
QFont ResolveFont(const FontSpec& design);

} // namespace vexmoor
