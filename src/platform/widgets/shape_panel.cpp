// Painting of the decorative panels.
#include "platform/widgets/shape_panel.h"

#include <QPainter>

namespace vexmoor::platform {

ShapePanel::ShapePanel(QWidget* parent)
    : QWidget(parent)
    , m_fill(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapePanel::SetOutlineColor(const QColor& color)
{
    m_outline = color;
    update();
}

void ShapePanel::SetFillColor(const QColor& color)
{
    m_fill = color;
    update();
}

void ShapePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_outline, 1));
    painter.setBrush(m_fill);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vexmoor::platform
