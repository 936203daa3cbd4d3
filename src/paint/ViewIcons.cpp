#include "paint/ViewIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/views/ViewPageBase.h"

namespace paint {

namespace {

const QColor kInk(0x1f, 0x2a, 0x36);
const QColor kSteel(0xc9, 0xd1, 0xda);
const QColor kDark(0x3a, 0x43, 0x4d);

// A cabinet outline with rows of modules, the base of several icons.
void Cabinet(QPainter& p, const QRectF& r, int rows) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kDark);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kSteel);
    const qreal h = (r.height() - 4) / rows;
    for (int i = 0; i < rows; ++i) {
        p.drawRect(QRectF(r.left() + 2, r.top() + 2 + i * h + 0.6, r.width() - 4, h - 1.2));
    }
}

void Curve(QPainter& p, QPointF a, QPointF b, const QColor& c, qreal w) {
    QPainterPath path(a);
    const qreal dx = (b.x() - a.x()) / 2;
    path.cubicTo(a + QPointF(dx, 0), b - QPointF(dx, 0), b);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1e-6, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to + d * 1.5 << to - d * 5 + n * 4 << to - d * 5 - n * 4;
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

void Antenna(QPainter& p, QPointF base, qreal h, const QColor& c) {
    p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF top = base - QPointF(0, h);
    p.drawLine(base, top + QPointF(0, h * 0.3));
    QPolygonF v;
    v << top + QPointF(-h * 0.3, 0) << top + QPointF(0, h * 0.35) << top + QPointF(h * 0.3, 0);
    p.drawPolyline(v);
}

} // namespace

void PaintViewIcon(QPainter& p, int viewType, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(rect.topLeft());
    p.scale(rect.width() / 32.0, rect.height() / 32.0);
    switch (viewType) {
    case kViewCabinetInfo: {
        Cabinet(p, QRectF(3, 3, 16, 26), 5);
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(0x2f, 0x6f, 0xc0));
        p.drawEllipse(QPointF(23, 20), 7.5, 7.5);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(23, 19), QPointF(23, 24));
        p.drawPoint(QPointF(23, 15.6));
        break;
    }
    case kViewCabinetUnits:
        Cabinet(p, QRectF(4, 2, 24, 28), 6);
        p.setPen(QPen(QColor(0xff, 0x9d, 0x00), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5.5, 11.5, 21, 4));
        break;
    case kViewBB2: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(0xa6, 0xbd, 0xd6));
        p.drawRect(QRectF(3, 3, 6, 12));
        p.drawRect(QRectF(11, 3, 6, 12));
        p.setBrush(kSteel);
        p.drawRect(QRectF(3, 21, 26, 4));
        p.drawRect(QRectF(3, 26, 26, 4));
        QPen dash(QColor(0x00, 0x80, 0x80), 1.8, Qt::DashLine);
        p.setPen(dash);
        p.drawLine(QPointF(6, 15), QPointF(24, 23));
        p.setPen(QPen(QColor(0x00, 0xb0, 0xb0), 1.8));
        p.drawLine(QPointF(14, 15), QPointF(20, 28));
        break;
    }
    case kViewTxCabling:
        Cabinet(p, QRectF(2, 8, 12, 18), 3);
        Arrow(p, QPointF(14, 17), QPointF(28, 17), QColor(0x00, 0x90, 0x00));
        Curve(p, QPointF(14, 11), QPointF(28, 6), QColor(0x00, 0xc0, 0x00), 1.4);
        break;
    case kViewRxMainCabling:
        Cabinet(p, QRectF(18, 8, 12, 18), 3);
        Arrow(p, QPointF(3, 17), QPointF(17, 17), QColor(0xc0, 0x00, 0x00));
        break;
    case kViewRxDivCabling:
        Cabinet(p, QRectF(18, 8, 12, 18), 3);
        Arrow(p, QPointF(3, 13), QPointF(17, 13), QColor(0x00, 0x00, 0xb0));
        Arrow(p, QPointF(3, 21), QPointF(17, 21), QColor(0x30, 0x60, 0xff));
        break;
    case kViewRxCablingTARN: {
        // Transceivers with a loop between the two of a diversity pair.
        Cabinet(p, QRectF(12, 4, 17, 24), 4);
        QPainterPath loop(QPointF(14, 9.5));
        loop.cubicTo(QPointF(5, 9.5), QPointF(5, 16), QPointF(14, 16));
        p.setPen(QPen(QColor(0x00, 0x00, 0xc0), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(loop);
        break;
    }
    case kViewAllCabling:
        Cabinet(p, QRectF(12, 3, 8, 26), 4);
        Curve(p, QPointF(3, 6), QPointF(29, 12), QColor(0x00, 0x90, 0x00), 2);
        Curve(p, QPointF(3, 16), QPointF(29, 20), QColor(0xc0, 0x00, 0x00), 2);
        Curve(p, QPointF(3, 27), QPointF(29, 26), QColor(0x00, 0x00, 0xc0), 2);
        break;
    case kViewAntenna:
        Antenna(p, QPointF(16, 30), 26, kInk);
        p.setPen(QPen(QColor(0x80, 0x80, 0x00), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(20, 2, 8, 12), -60 * 16, 120 * 16);
        p.drawArc(QRectF(20, -2, 12, 20), -60 * 16, 120 * 16);
        p.drawArc(QRectF(4, 2, 8, 12), 120 * 16, 120 * 16);
        p.drawArc(QRectF(0, -2, 12, 20), 120 * 16, 120 * 16);
        break;
    case kViewPassive: {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(0xf6, 0xf0, 0xd8));
        QPolygonF tag;
        tag << QPointF(3, 9) << QPointF(22, 9) << QPointF(29, 16) << QPointF(22, 23)
            << QPointF(3, 23);
        p.drawPolygon(tag);
        p.setPen(QPen(kInk, 1));
        for (int i = 0; i < 8; ++i) {
            const qreal x = 6 + i * 2;
            p.setPen(QPen(kInk, i % 3 == 0 ? 1.4 : 0.7));
            p.drawLine(QPointF(x, 12), QPointF(x, 20));
        }
        break;
    }
    case kViewDifferences: {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kSteel);
        p.drawRect(QRectF(3, 5, 14, 18));
        p.setBrush(QColor(0xe6, 0xea, 0xee));
        p.drawRect(QRectF(13, 10, 16, 18));
        p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(26, 16));
        p.drawLine(QPointF(16, 21), QPointF(26, 21));
        p.drawLine(QPointF(24, 13), QPointF(18, 24));
        break;
    }
    default:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kSteel);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        break;
    }
    p.restore();
}

QIcon ViewIcon(int viewType) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        PaintViewIcon(p, viewType, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace paint
