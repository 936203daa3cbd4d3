#pragma once
// Writes the picture of a view to a PNG, SVG or PDF file, chosen by the file's extension: the
// picture alone (the command line's render), or on a sheet with the band that says where it
// comes from (Export View). The file is replaced only once the whole picture is written.

#include <QRectF>
#include <QSizeF>
#include <QString>

#include "app/dossier/DossierContent.h"
#include "app/dossier/PageFrame.h"
#include "app/views/CabinetScene.h"

namespace paint {

enum class EPictureFormat { Unknown, Png, Svg, Pdf };

EPictureFormat FormatOfPath(const QString& path);

// False with a message when the format is unknown, the scene empty, the scale out of range or
// the file cannot be written. `scale` multiplies the picture's size (PNG pixels, SVG and PDF
// points).
bool ExportPicture(const SCabinetScene& scene, const QString& path, double scale,
                   QString* error = nullptr);

// The resolutions offered for a PNG sheet; the second is the default.
inline constexpr int kSheetResolutions[] = {150, 300, 600};
inline constexpr int kDefaultSheetResolution = 300;

// Where the parts of a sheet go, in points: the picture is drawn at the size a printed page
// gives it, so that a sheet printed later reads like the page.
struct SViewSheet {
    QSizeF size;
    QRectF band;
    QRectF picture;
    QRectF foot;
};
SViewSheet ViewSheetLayout(const QSize& picture);

// The view's picture on its sheet; `dpi` (72-1200) sets the PNG's pixels, SVG and PDF are drawn
// in points. False with a message as ExportPicture.
bool ExportViewSheet(const SDossierView& view, const SPageFrame& frame, const QString& path,
                     int dpi, QString* error = nullptr);

} // namespace paint
