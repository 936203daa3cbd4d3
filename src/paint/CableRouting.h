#pragma once
// Where a cable runs in the picture. A cable whose curve would pass over the front of a unit it
// does not belong to is led round instead: along the gaps between the columns of units and the
// seams between their rows, as a fitter would lay it, so that no cable hides a unit or its name.

#include <QPainterPath>
#include <QRectF>
#include <vector>

#include "app/views/CabinetScene.h"

namespace paint {

// The fronts drawn in a scene, which cables must keep clear of.
std::vector<QRectF> UnitFronts(const SCabinetScene& scene);
// The path of a cable among the fronts: its curve when that is clear of every front but those
// of its own ends, else a route round them; the curve when no route is free either.
QPainterPath CableRoute(const SSceneCable& cable, const std::vector<QRectF>& fronts);

} // namespace paint
