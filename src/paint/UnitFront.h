#pragma once
// The front of one unit as it looks in the cabinet: face, handle, connectors, connector rows and
// selection. Hover is drawn over the front (DrawHover) and names later, over the cables (see
// WriteUnitName).

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "app/views/CabinetScene.h"

class QPainter;

namespace paint {

struct SFaceStyle {
    QColor face;
    QColor ink;
};

SFaceStyle FaceOf(int unitKind);

// Where and how the name of a shown unit is written. The font is made smaller, down to a size
// still readable in print, and the name then shortened, until it fits the room on the front:
// a name that ran over its front would write over its neighbour's.
struct SUnitLabel {
    QString text;
    QFont font;
    QRectF room;
    // What the letters, their halo or plate cover, in picture coordinates.
    QRectF box;
    QColor ink;
    QColor halo;
    bool vertical = false;
    bool plate = false;
};
SUnitLabel UnitLabel(const SSceneUnit& unit);
void DrawUnitFront(QPainter& p, const SSceneUnit& unit);
// The place of a unit the view does not show: an empty slot with its cover.
void DrawPlaceBackground(QPainter& p, const SRect& rect);
// The pointer over a unit: its face brightened, the connector row under the pointer lit.
void DrawHover(QPainter& p, const SSceneUnit& unit);
void WriteUnitName(QPainter& p, const SSceneUnit& unit);

} // namespace paint
