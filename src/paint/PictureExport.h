#pragma once
// Writes the picture of a view to a PNG, SVG or PDF file, chosen by the file's extension. The
// file is replaced only once the whole picture is written.

#include <QString>

#include "app/views/CabinetScene.h"

namespace paint {

enum class EPictureFormat { Unknown, Png, Svg, Pdf };

EPictureFormat FormatOfPath(const QString& path);

// False with a message when the format is unknown, the scene empty, the scale out of range or
// the file cannot be written. `scale` multiplies the picture's size (PNG pixels, SVG and PDF
// points).
bool ExportPicture(const SCabinetScene& scene, const QString& path, double scale,
                   QString* error = nullptr);

} // namespace paint
