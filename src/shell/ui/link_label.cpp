// Link labels of the Talk to Us page and the window's bottom edge.
#include "shell/ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace vexmoor {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setForegroundRole(QPalette::Highlight);
    // A mnemonic-free caption: "@" and "/" are shown as they are. The text is set before the
    // focus policy: a label that takes the focus lays its text out as a document, which costs
    // the window's start-up more than a link needs (it is drawn as any caption is).
    setTextFormat(Qt::PlainText);
    setText(caption);
    setFocusPolicy(Qt::TabFocus);
}

// The polish and the focus reach the frame only: QLabel makes a text document at both for a
// label that takes the focus, and the link would then move by a pixel.
bool LinkLabel::event(QEvent* event)
{
    return event->type() == QEvent::Polish ? QFrame::event(event) : QLabel::event(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
}

// The focus shows as the style's focus frame around the link, as it does on a button.
void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace vexmoor
