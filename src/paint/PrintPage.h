#pragma once
// One printed page of a view: its name and the configuration as a heading, the cabinet picture
// scaled to fit on the left and the list of the view as a table beside it.

#include <QRectF>
#include <QString>

#include "app/views/CabinetScene.h"
#include "app/views/ViewList.h"

class QPainter;

namespace paint {

struct SPrintHeading {
    QString title;    // the view's name
    QString subtitle; // the configuration and which of the two it is
};

// Paints the page into the rectangle (in the painter's units) and returns how many list rows
// fitted; the rows that did not are counted in a closing line.
int PaintViewPage(QPainter& p, const QRectF& page, const SPrintHeading& heading,
                  const SCabinetScene& scene, const SListContent& list);

} // namespace paint
