// Reading the program's pictures.
#include "shell/ui/pictures.h"

#include <QImage>
#include <QImageReader>

namespace vexmoor {

namespace {

constexpr QSize kPictureSize {174, 203};

// Reads one of the program's own pictures in the format it is known to be in. Left to guess,
// Qt loads every image plugin (and the SVG library) to ask each whether it reads the file,
// which costs several milliseconds at start-up.
QImage ReadPicture(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QIcon WindowIcon(qreal devicePixelRatio)
{
    if (devicePixelRatio > 1)
        return QIcon(QStringLiteral(":/icons/vexmoor.svg"));
    // Every size the program carries, so that task bars and switchers need not scale one.
    QIcon icon;
    for (const int size : {32, 48, 256})
        icon.addPixmap(QPixmap::fromImage(
            ReadPicture(QStringLiteral(":/icons/vexmoor-%1.png").arg(size), "png")));
    return icon;
}

QPixmap TalkToUsPicture(QSize size, qreal devicePixelRatio)
{
    if (size == kPictureSize && devicePixelRatio <= 1)
        return QPixmap::fromImage(ReadPicture(QStringLiteral(":/images/imgQnfSut.jpg"), "jpeg"));
    const QImage large = ReadPicture(QStringLiteral(":/images/imgQnfSut@2x.jpg"), "jpeg");
    // The picture keeps its proportions; the control's height is the design's, to the pixel.
    QPixmap pixmap = QPixmap::fromImage(
        large.scaled(size * devicePixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace vexmoor
