#pragma once
// The pictures of the views on the view bar, the title strip and in menus, drawn as vector
// shapes so that they are sharp at any size.

#include <QIcon>
#include <QRectF>

class QPainter;

namespace paint {

// Draws the picture of a view type into the rectangle; a plain frame for unknown types.
void PaintViewIcon(QPainter& p, int viewType, const QRectF& rect);
// The icon of a view type with pixmaps rendered for the usual sizes.
QIcon ViewIcon(int viewType);

} // namespace paint
