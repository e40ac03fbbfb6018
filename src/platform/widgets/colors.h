// Colours between Qt and the program's red, green and blue components.
#pragma once

#include "common/core/contrast.h"

#include <QColor>

namespace vexmoor::platform {

inline QColor ToQColor(const Rgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline Rgb ToRgb(const QColor& color)
{
    return {color.red(), color.green(), color.blue()};
}

} // namespace vexmoor::platform
