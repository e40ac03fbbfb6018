// Control pictures for the clipboard and for image files.
#include "platform/export/image_export.h"

#include "platform/export/list_export.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLibrary>
#include <QPainter>
#include <QWidget>
#include <QXYSeries>
#include <algorithm>
#include <utility>
#include <vector>

namespace vexmoor::platform {

namespace {

// A PNG file's picture against the control's size on screen.
constexpr qreal kFileScale = 2;

// The module's one entry point: see svg_writer_module.cpp.
using WriteSvgFunction = bool (*)(QWidget* control, const QString& path, const QString& title,
                                  QString* failure);

// The module where an installation put it beside the program's folder (whatever prefix it was
// installed under), else where the build made it. The installed one comes first, so that an
// installed program never loads code from the folder it happened to be built in.
QString SvgModulePath()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))
                                  .filePath(QStringLiteral(VEXMOOR_SVG_MODULE_INSTALLED));
    if (QFileInfo::exists(installed))
        return installed;
    return QStringLiteral(VEXMOOR_SVG_MODULE_BUILD_PATH);
}

QString SaveSvg(QWidget* control, const QString& path, const QString& title)
{
    static QLibrary module(SvgModulePath());
    auto write = reinterpret_cast<WriteSvgFunction>(module.resolve("vexmoor_write_svg"));
    if (write == nullptr)
        return QStringLiteral("SVG pictures cannot be written (%1)").arg(module.errorString());
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
        return QStringLiteral("the picture could not be made");
    return WriteWholeFile(path, png);
}

QPicture ChartPicture(QChartView* view)
{
    QChart* chart = view->chart();
    if (chart->size().isEmpty() && view->parentWidget() != nullptr) {
        chart->resize(view->parentWidget()->size());
        chart->layout()->activate();
    }
    // A cosmetic pen is one device pixel wide, a hair on a printer: the lines are drawn one
    // screen pixel wide instead, whatever the resolution, and get their own pens back after.
    std::vector<std::pair<QXYSeries*, QPen>> pens;
    for (QAbstractSeries* series : chart->series()) {
        auto* line = qobject_cast<QXYSeries*>(series);
        if (line == nullptr || !line->pen().isCosmetic())
            continue;
        pens.emplace_back(line, line->pen());
        QPen pen = line->pen();
        pen.setCosmetic(false);
        pen.setWidthF(std::max<qreal>(1, pen.widthF()));
        line->setPen(pen);
    }
    const QRectF area = chart->sceneBoundingRect();
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    chart->scene()->render(&painter, QRectF(QPointF(), area.size()), area);
    painter.end();
    for (const auto& [line, pen] : pens)
        line->setPen(pen);
    picture.setBoundingRect(QRectF(QPointF(), area.size()).toAlignedRect());
    return picture;
}

} // namespace vexmoor::platform
