// A control's picture taken away: onto the clipboard, or into a PNG or SVG file. The clipboard's
// picture is the control's size times the screen's device pixel ratio, as sharp as on screen; a
// PNG file's is twice that, so that it prints sharp.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace vexmoor::platform {

// The control as it is painted now, `scale` times its size on screen.
QImage ControlImage(QWidget* control, qreal scale = 1);

// Puts the control's picture on the clipboard.
void CopyControlImage(QWidget* control);

// Writes the control's picture to `path`: SVG when the name ends in ".svg" (any case), PNG
// otherwise; an SVG file carries `title`. Returns an empty text, or why the file could not be
// written. The SVG writer lives in a module of its own, loaded on the first SVG save, so that the
// program does not load the SVG library at start.
QString SaveControlImage(QWidget* control, const QString& path, const QString& title);

} // namespace vexmoor::platform
