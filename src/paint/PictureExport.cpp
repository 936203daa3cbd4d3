#include "paint/PictureExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>
#include <functional>

#include "paint/CabinetPainter.h"
#include "paint/PagedLayout.h"

namespace paint {

namespace {

// Points of a sheet per pixel of the picture: the size a fitted A4 page gives the cabinet.
constexpr qreal kSheetPointsPerPixel = 1.5;
constexpr qreal kSheetMargin = 18;

bool Fail(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
    return false;
}

// Paints in device units; `unit` is the number of them per logical unit of `size`.
using DrawFunction = std::function<void(QPainter& p, qreal unit)>;

// The whole file is made in memory first, so that a failure leaves the old file as it was.
// `pngScale` gives a PNG's pixels per logical unit; SVG and PDF take one point per unit.
bool WriteDrawing(const QString& path, EPictureFormat format, const QSizeF& size, qreal pngScale,
                  const QString& title, bool opaque, const DrawFunction& draw, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == EPictureFormat::Png) {
        const QSize pixels(qCeil(size.width() * pngScale), qCeil(size.height() * pngScale));
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            return Fail(error, QStringLiteral("The picture could not be made"));
        }
        image.fill(opaque ? Qt::white : Qt::transparent);
        QPainter p(&image);
        draw(p, pngScale);
        p.end();
        if (!image.save(&buffer, "PNG")) {
            return Fail(error, QStringLiteral("The picture could not be made"));
        }
    } else if (format == EPictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(title);
        svg.setResolution(72);
        QPainter p(&svg);
        draw(p, 1);
        p.end();
    } else {
        QPdfWriter pdf(&buffer);
        // Ten device units per point: fine enough for font sizes in tenths of a point.
        pdf.setResolution(720);
        pdf.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Point), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Cabrion"));
        QPainter p(&pdf);
        draw(p, 10);
        p.end();
    }
    buffer.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Fail(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    return true;
}

bool CheckFormat(const QString& path, EPictureFormat& format, QString* error) {
    format = FormatOfPath(path);
    if (format == EPictureFormat::Unknown) {
        return Fail(
            error,
            QStringLiteral("%1: the picture can be written as .png, .svg or .pdf").arg(path));
    }
    return true;
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
    EPictureFormat format = EPictureFormat::Unknown;
    if (!CheckFormat(path, format, error)) {
        return false;
    }
    if (!(scale >= 0.1 && scale <= 16)) {
        return Fail(error, QStringLiteral("The scale must lie between 0.1 and 16"));
    }
    const QSize size = CCabinetPainter::PictureSize(scene);
    if (size.isEmpty()) {
        return Fail(error, QStringLiteral("There is no picture to write"));
    }
    return WriteDrawing(
        path, format, QSizeF(size) * scale, 1, QString::fromStdString(scene.cabinetName), false,
        [&](QPainter& p, qreal unit) {
            p.scale(unit * scale, unit * scale);
            CCabinetPainter::Paint(p, scene);
        },
        error);
}

SViewSheet ViewSheetLayout(const QSize& picture) {
    SViewSheet sheet;
    const QSizeF drawn = QSizeF(picture) * kSheetPointsPerPixel;
    // The band needs room for its texts even above a narrow picture.
    const qreal width = std::max<qreal>(drawn.width(), 400);
    sheet.band = QRectF(kSheetMargin, kSheetMargin, width, kTopBandPoints);
    sheet.picture =
        QRectF(QPointF(kSheetMargin + (width - drawn.width()) / 2, sheet.band.bottom()), drawn);
    sheet.foot = QRectF(kSheetMargin, sheet.picture.bottom() + 6, width, kBottomBandPoints);
    sheet.size = QSizeF(width + 2 * kSheetMargin, sheet.foot.bottom() + kSheetMargin);
    return sheet;
}

bool ExportViewSheet(const SDossierView& view, const SPageFrame& frame, const QString& path,
                     int dpi, QString* error) {
    EPictureFormat format = EPictureFormat::Unknown;
    if (!CheckFormat(path, format, error)) {
        return false;
    }
    if (dpi < 72 || dpi > 1200) {
        return Fail(error, QStringLiteral("The resolution must lie between 72 and 1200 dpi"));
    }
    const QSize picture = CCabinetPainter::PictureSize(view.scene);
    if (picture.isEmpty()) {
        return Fail(error, QStringLiteral("There is no picture to write"));
    }
    const SViewSheet sheet = ViewSheetLayout(picture);
    const QString title = QString::fromStdString(frame.site + " - " + view.title);
    return WriteDrawing(
        path, format, sheet.size, dpi / 72.0, title, true,
        [&](QPainter& p, qreal unit) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            const auto in = [unit](const QRectF& r) {
                return QRectF(r.topLeft() * unit, r.size() * unit);
            };
            PaintTopBand(p, in(sheet.band), unit, frame, QString::fromStdString(view.title));
            p.save();
            p.translate(sheet.picture.topLeft() * unit);
            p.scale(unit * kSheetPointsPerPixel, unit * kSheetPointsPerPixel);
            CCabinetPainter::Paint(p, view.scene);
            p.restore();
            PaintBottomBand(p, in(sheet.foot), unit,
                            QStringLiteral("Cabrion ") + QString::fromStdString(frame.version),
                            QString::fromStdString(frame.site), QString());
        },
        error);
}

} // namespace paint
