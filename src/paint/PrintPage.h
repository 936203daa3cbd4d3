#pragma once
// A printed view: the cabinet picture fitted to the first page, its list after it and over as
// many pages as it needs, every page with the band that names the site, the configuration, the
// file, the date and the software level, and a foot with its page number.

#include <QPagedPaintDevice>
#include <QRectF>

#include "app/dossier/DossierContent.h"
#include "app/dossier/PageFrame.h"

namespace paint {

struct SPrintedView {
    int pages = 0;
    // Device units of the first page: the room below the band and where the picture went.
    QRectF body;
    QRectF picture;
};

// Paints onto the device and gives the number of pages, or -1 when the device could not be
// painted on; `layout`, when given, says where things went.
int PrintView(QPagedPaintDevice& device, const SPageFrame& frame, const SDossierView& view,
              SPrintedView* layout = nullptr);

} // namespace paint
