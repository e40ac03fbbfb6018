// Control pictures for the clipboard and for image files.
#include "platform/export/image_export.h"

#include "platform/export/list_export.h"
#include "platform/services/modules.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibrary>
#include <QPainter>
#include <QWidget>

namespace vexmoor::platform {

namespace {

// A PNG file's picture against the control's size on screen.
constexpr qreal kFileScale = 2;

// The module's one entry point: see svg_writer_module.cpp.
using WriteSvgFunction = bool (*)(QWidget* control, const QString& path, const QString& title,
                                  QString* failure);

QString SaveSvg(QWidget* control, const QString& path, const QString& title)
{
    static QLibrary module(ModulePath(QStringLiteral(VEXMOOR_SVG_MODULE_INSTALLED),
                                      QStringLiteral(VEXMOOR_SVG_MODULE_BUILD_PATH)));
    auto write = reinterpret_cast<WriteSvgFunction>(module.resolve("vexmoor_write_svg"));
    if (write == nullptr)
        return QCoreApplication::translate("Export", "SVG pictures cannot be written (%1)")
            .arg(module.errorString());
    QString failure;
    return write(control, path, title, &failure) ? QString() : failure;
}

} // namespace

QImage ControlImage(QWidget* control, qreal scale)
{
    const qreal ratio = control->devicePixelRatioF() * scale;
    QImage image(control->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(control->palette().color(control->backgroundRole()));
    QPainter painter(&image);
    control->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

void CopyControlImage(QWidget* control)
{
    QGuiApplication::clipboard()->setImage(ControlImage(control));
}

QString SaveControlImage(QWidget* control, const QString& path, const QString& title)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return SaveSvg(control, path, title);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!ControlImage(control, kFileScale).save(&buffer, "png"))
        return QCoreApplication::translate("Export", "the picture could not be made");
    return WriteWholeFile(path, png);
}

} // namespace vexmoor::platform
