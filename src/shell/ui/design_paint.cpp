// Painting the design's colours on widgets.
#include "shell/ui/design_paint.h"

#include "platform/widgets/colors.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace vexmoor {

using platform::ToQColor;
using platform::ToRgb;

QColor Resolve(const DesignColor& color)
{
    // The application's palette is the theme's; the widgets' own palettes carry our changes.
    const QPalette theme = QGuiApplication::palette();
    switch (color.theme) {
    case ThemeColor::ButtonFace:
        return theme.color(QPalette::Button);
    case ThemeColor::ButtonText:
        return theme.color(QPalette::ButtonText);
    case ThemeColor::Highlight:
        return theme.color(QPalette::Highlight);
    case ThemeColor::None:
        break;
    }
    return ToQColor(color.rgb);
}

void PaintOpaque(QWidget* widget, Painted what)
{
    const DesignColors& colors = ColorsOf(what);
    const bool textBox = qobject_cast<QLineEdit*>(widget) != nullptr;
    QPalette palette = widget->palette();
    palette.setColor(textBox ? QPalette::Base : QPalette::Window, Resolve(colors.fill));
    palette.setColor(textBox ? QPalette::Text : QPalette::WindowText, Resolve(colors.text));
    widget->setPalette(palette);
    if (!textBox)
        widget->setAutoFillBackground(true);
}

void PaintTextOn(QLabel* label, const QColor& fill, const DesignColor& text)
{
    QPalette palette = label->palette();
    palette.setColor(label->foregroundRole(),
                     ToQColor(ReadableOn(ToRgb(Resolve(text)), ToRgb(fill))));
    label->setPalette(palette);
}

void PaintLink(QLabel* link, const QColor& background)
{
    PaintTextOn(link, background, ColorsOf(Painted::Link).text);
}

} // namespace vexmoor
