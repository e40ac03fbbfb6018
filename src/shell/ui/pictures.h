// The program's own pictures, read from sources sharp enough for the screen: the window icon
// and the Talk to Us picture.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vexmoor {

// The window icon; on a screen with more device pixels than logical ones, drawn from its
// vector source (the SVG plugin is loaded only then: it costs start-up time).
QIcon WindowIcon(qreal devicePixelRatio);

// The Talk to Us picture filling `size` (logical pixels): its own 174 x 203 pixels at that size
// on an ordinary screen, otherwise from the picture drawn at twice the size.
QPixmap TalkToUsPicture(QSize size, qreal devicePixelRatio);

} // namespace vexmoor
