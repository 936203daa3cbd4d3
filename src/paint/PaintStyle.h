#pragma once
// Colours, fonts and small drawing helpers shared by the parts of the cabinet picture.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "model/Connector.h"

class QPainter;

namespace paint {

inline QRectF ToRectF(const SRect& r) {
    return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
inline QPointF ToPointF(const SPoint& p) {
    return QPointF(p.x, p.y);
}
inline QColor FromScene(unsigned colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// The picture's own font at a pixel size; condensed, so that unit names fit their fronts.
QFont PictureFont(qreal pixelSize, bool bold = false);

// Text with a thin halo of the background colour, readable over cables and connectors.
void HaloText(QPainter& p, const QPointF& baseLeft, const QString& text, const QColor& ink,
              const QColor& halo);
// Text centred in a rectangle, turned upwards when `vertical`; on a plate of the halo colour
// when `plate`, so that cables pass under the name rather than through it.
void CentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& ink, const QColor& halo, bool vertical, bool plate = false);

// What CentredText covers of the picture: the letters, or the plate under them.
QRectF CentredTextBox(const QRectF& r, const QString& text, const QFont& font, bool vertical,
                      bool plate);

// Colours of the state of a logical unit by its class.
QColor StateClassColour(int stateClass);

} // namespace paint
