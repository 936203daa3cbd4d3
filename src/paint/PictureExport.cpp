#include "paint/PictureExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "paint/CabinetPainter.h"

namespace paint {

namespace {

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

} // namespace

EPictureFormat FormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return EPictureFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return EPictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return EPictureFormat::Pdf;
    }
    return EPictureFormat::Unknown;
}

bool ExportPicture(const SCabinetScene& scene, const QString& path, double scale, QString* error) {
    const EPictureFormat format = FormatOfPath(path);
    if (format == EPictureFormat::Unknown) {
        SetError(error,
                 QStringLiteral("%1: the picture can be written as .png, .svg or .pdf").arg(path));
        return false;
    }
    if (!(scale >= 0.1 && scale <= 16)) {
        SetError(error, QStringLiteral("The scale must lie between 0.1 and 16"));
        return false;
    }
    const QSize size = CCabinetPainter::PictureSize(scene);
    if (size.isEmpty()) {
        SetError(error, QStringLiteral("There is no picture to write"));
        return false;
    }
    // The whole picture is made in memory first, so that a failure leaves the old file as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == EPictureFormat::Png) {
        const QImage image = CCabinetPainter::Render(scene, scale);
        if (image.isNull() || !image.save(&buffer, "PNG")) {
            SetError(error, QStringLiteral("The picture could not be made"));
            return false;
        }
    } else if (format == EPictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size * scale);
        svg.setViewBox(QRectF(0, 0, size.width() * scale, size.height() * scale));
        svg.setTitle(QString::fromStdString(scene.cabinetName));
        svg.setResolution(96);
        QPainter p(&svg);
        p.scale(scale, scale);
        CCabinetPainter::Paint(p, scene);
        p.end();
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(
            QPageSize(QSizeF(size.width() * scale, size.height() * scale), QPageSize::Point),
            QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(QString::fromStdString(scene.cabinetName));
        pdf.setCreator(QStringLiteral("Cabrion"));
        QPainter p(&pdf);
        p.scale(scale, scale);
        CCabinetPainter::Paint(p, scene);
        p.end();
    }
    buffer.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        SetError(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace paint
