// The decorative panel of a page: a filled rectangle with an outline, behind the page's controls.
#pragma once

#include <QColor>
#include <QWidget>

namespace vexmoor::platform {

class ShapePanel : public QWidget
{
    Q_OBJECT
public:
    explicit ShapePanel(QWidget* parent);

    void SetOutlineColor(const QColor& color);
    void SetFillColor(const QColor& color);
    QColor OutlineColor() const { return m_outline; }
    QColor FillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_outline {192, 192, 192};
    QColor m_fill;
};

} // namespace vexmoor::platform
