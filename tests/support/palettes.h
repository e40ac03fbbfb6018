// The palettes window tests paint in: the style's own light one, and a dark theme as desktops
// give it.
#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace vexmoor::test {

inline QPalette LightPalette()
{
    return QApplication::style()->standardPalette();
}

// Light text on dark grey, a blue highlight.
inline QPalette DarkPalette()
{
    const QColor text(230, 230, 230), window(53, 53, 53), base(35, 35, 35);
    QPalette dark(text, window, window.lighter(), window.darker(), QColor(90, 90, 90), text,
                  Qt::white, base, window);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

} // namespace vexmoor::test
