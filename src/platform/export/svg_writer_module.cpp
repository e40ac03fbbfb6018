// The SVG writer, a module of its own that the program loads on its first SVG save: the SVG
// library then costs nothing at start-up. The control is painted into the SVG generator, so the
// lines and texts of a chart stay vectors.
#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

extern "C" Q_DECL_EXPORT bool vexmoor_write_svg(QWidget* control, const QString& path,
                                                const QString& title, QString* failure)
{
    // Painted into memory first: a file that cannot be written is then left as it was.
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(control->size());
        generator.setResolution(control->logicalDpiX()); // the size on paper as on screen
        generator.setViewBox(QRect(QPoint(), control->size()));
        generator.setTitle(title);
        QPainter painter(&generator);
        control->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size() || !file.commit()) {
        *failure = file.errorString();
        return false;
    }
    return true;
}
