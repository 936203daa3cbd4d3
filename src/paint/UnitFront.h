#pragma once
// The front of one unit as it looks in the cabinet: face, handle, connectors, connector rows and
// selection. Hover is drawn over the front (DrawHover) and names later, over the cables (see
// WriteUnitName).

#include <QColor>

#include "app/views/CabinetScene.h"

class QPainter;

namespace paint {

struct SFaceStyle {
    QColor face;
    QColor ink;
};

SFaceStyle FaceOf(int unitKind);
void DrawUnitFront(QPainter& p, const SSceneUnit& unit);
// The place of a unit the view does not show: an empty slot with its cover.
void DrawPlaceBackground(QPainter& p, const SRect& rect);
// The pointer over a unit: its face brightened, the connector row under the pointer lit.
void DrawHover(QPainter& p, const SSceneUnit& unit);
void WriteUnitName(QPainter& p, const SSceneUnit& unit);

} // namespace paint
