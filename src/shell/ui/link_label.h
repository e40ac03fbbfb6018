// A link label: text in the highlight colour under a hand pointer; a click anywhere on it, or
// Enter or Space while it has the focus, raises clicked(). The focus shows as a focus frame.
#pragma once

#include <QLabel>

namespace vexmoor {

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString& caption, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace vexmoor
