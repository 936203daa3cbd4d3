#include "paint/CablePainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "paint/PaintStyle.h"

namespace paint {

QPainterPath CablePath(const SPoint& a, const SPoint& b) {
    const QPointF from = ToPointF(a);
    const QPointF to = ToPointF(b);
    const qreal dx = to.x() - from.x();
    const qreal dy = to.y() - from.y();
    QPainterPath path(from);
    if (std::abs(dx) >= 14) {
        const qreal pull = dx * 0.5;
        path.cubicTo(from + QPointF(pull, dy * 0.08), to - QPointF(pull, dy * 0.08), to);
    } else {
        // Both ends in one column: bow out to the right, further for longer cables.
        const qreal bow = std::min<qreal>(44, 10 + std::abs(dy) * 0.22);
        path.cubicTo(from + QPointF(bow, dy * 0.1), to + QPointF(bow, -dy * 0.1), to);
    }
    return path;
}

void DrawCable(QPainter& p, const SSceneCable& cable) {
    DrawCable(p, cable, CablePath(cable.from, cable.to));
}

void DrawCable(QPainter& p, const SSceneCable& cable, const QPainterPath& path,
               const QRectF* within) {
    const QColor colour = FromScene(cable.colour);
    p.setBrush(Qt::NoBrush);
    // A light casing lifts the selected cables off the others; a proposed cable glows. The
    // rest go without: the casing is the dearest part of painting a cable.
    if (cable.selected || cable.changed) {
        const QColor casing =
            cable.changed ? QColor(255, 236, 120, 220) : QColor(255, 255, 255, 170);
        p.setPen(
            QPen(casing, cable.width + (cable.changed ? 3.0 : 1.8), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    p.setPen(QPen(colour, cable.width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour.darker(160), 0.6));
    p.setBrush(colour);
    const qreal plug = cable.width * 0.95;
    // Small as they are, the plugs are the dearest part of a cable to draw at a large scale.
    const qreal reach = plug + 1;
    for (const QPointF at : {ToPointF(cable.from), ToPointF(cable.to)}) {
        if (within == nullptr ||
            within->intersects(QRectF(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach))) {
            p.drawEllipse(at, plug, plug);
        }
    }
}

void DrawMark(QPainter& p, const SSceneMark& mark) {
    p.setPen(QPen(QColor(0x1d, 0x21, 0x25), 0.6));
    p.setBrush(FromScene(mark.colour));
    p.drawRect(QRectF(mark.at.x - 2, mark.at.y - 2, 4, 4));
}

void DrawCrossConnection(QPainter& p, const SSceneLine& line) {
    const QColor colour = FromScene(line.colour);
    p.setBrush(Qt::NoBrush);
    if (line.dashed) {
        QPen pen(colour, 2, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({3, 2});
        p.setPen(pen);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 120), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(ToPointF(line.from), ToPointF(line.to));
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    }
    p.drawLine(ToPointF(line.from), ToPointF(line.to));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(ToPointF(line.to), 2, 2);
    // The transceiver's number just under the end of its line.
    const QFont font = PictureFont(6.5, true);
    const QString number = QString::number(line.trx);
    const qreal w = QFontMetricsF(font).horizontalAdvance(number);
    p.setFont(font);
    HaloText(p, ToPointF(line.to) + QPointF(-w / 2, 9), number, colour.darker(150),
             QColor(0xf4, 0xf6, 0xf8));
}

void DrawAntennaMark(QPainter& p, const SAntennaMark& mark) {
    const QPointF at = ToPointF(mark.at);
    const QColor colour = FromScene(mark.colour);
    p.setBrush(Qt::NoBrush);
    QPainterPath glyph;
    glyph.moveTo(at + QPointF(5, 16));
    glyph.lineTo(at + QPointF(5, 5));
    glyph.moveTo(at + QPointF(0, 0));
    glyph.lineTo(at + QPointF(5, 6));
    glyph.lineTo(at + QPointF(10, 0));
    glyph.moveTo(at + QPointF(5, 0));
    glyph.lineTo(at + QPointF(5, 6));
    p.setPen(QPen(QColor(0x1d, 0x21, 0x25), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph);
}

} // namespace paint
