#pragma once
// Cables, connector-family marks, cross-connection lines and antenna marks of the picture.

#include <QPainterPath>

#include "app/views/CabinetScene.h"

class QPainter;

namespace paint {

// The curve a cable follows between its connectors: it leaves and enters horizontally, and
// cables between connectors above one another bow out sideways instead of running over the
// fronts between them.
QPainterPath CablePath(const SPoint& from, const SPoint& to);
void DrawCable(QPainter& p, const SSceneCable& cable);
// Along a path other than its own curve (a route round the fronts). With `within`, a plug that
// cannot reach into that part of the picture is left out.
void DrawCable(QPainter& p, const SSceneCable& cable, const QPainterPath& path,
               const QRectF* within = nullptr);
void DrawMark(QPainter& p, const SSceneMark& mark);
void DrawCrossConnection(QPainter& p, const SSceneLine& line);
void DrawAntennaMark(QPainter& p, const SAntennaMark& mark);

} // namespace paint
