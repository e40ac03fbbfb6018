// Painting the design's colours on widgets: every fill together with the text colour that reads
// on it, the desktop's own colours taken from the theme in use.
#pragma once

#include "shell/core/design_colors.h"

#include <QColor>
#include <QPalette>

class QLabel;
class QWidget;

namespace vexmoor {

// A design colour in the theme in use.
QColor Resolve(const DesignColor& color);

// An opaque widget's fill and text: a label's Window and WindowText (and it fills its
// background), a text box's Base and Text.
void PaintOpaque(QWidget* widget, Painted what);
// A transparent label's text, on the fill that lies behind it; a link's text is its design
// colour made readable there.
void PaintTextOn(QLabel* label, const QColor& fill, const DesignColor& text);
void PaintLink(QLabel* link, const QColor& background);

} // namespace vexmoor
