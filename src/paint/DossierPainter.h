#pragma once
// Lays a commissioning dossier out on the pages of a printer or PDF writer: the cover with its
// contents, the report's sections as tables, a page per view with its picture and list, the
// passive units and the differences; every page but the cover carries the site name and its
// page number in the footer. Tables that do not fit go on over the next page with their column
// line again, so that nothing is cut off.

#include <QString>
#include <functional>
#include <vector>

#include "app/dossier/DossierContent.h"
#include "paint/PagedLayout.h"

class QPagedPaintDevice;

namespace paint {

// Told before each page is drawn; answers false to stop.
using DossierProgress = PageProgress;

struct SDossierChapter {
    QString title;
    int page = 0;
};

// Paints the dossier onto the device and gives the number of pages, or -1 when the progress
// callback stopped it or the device could not be painted on.
int PaintDossier(QPagedPaintDevice& device, const SDossier& dossier,
                 const DossierProgress& progress = {});

// The chapters and the number of pages the dossier takes on the device, without painting.
int LayOutDossier(QPagedPaintDevice& device, const SDossier& dossier,
                  std::vector<SDossierChapter>* chapters);

} // namespace paint
