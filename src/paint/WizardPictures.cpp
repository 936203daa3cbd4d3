#include "paint/WizardPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace paint {

namespace {

const QColor kSkyTop(0x1d, 0x4f, 0x8c);
const QColor kSkyBottom(0x6f, 0xa8, 0xdc);
const QColor kLine(0xf4, 0xf7, 0xfb);
const QColor kPictureSteel(0xc9, 0xd1, 0xda);
const QColor kPictureDark(0x2a, 0x33, 0x3d);
const QColor kTx(0xe0, 0x4a, 0x3a);
const QColor kRx(0x3a, 0xb0, 0x5a);
const QColor kDiv(0xf0, 0xb4, 0x2a);

QPen Stroke(const QColor& c, qreal w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A cabinet with rows of modules; lit modules show that it is running.
void PictureCabinet(QPainter& p, const QRectF& r, int rows) {
    p.setPen(Stroke(kLine, 2));
    p.setBrush(kPictureDark);
    p.drawRoundedRect(r, 3, 3);
    const qreal h = (r.height() - 8) / rows;
    for (int i = 0; i < rows; ++i) {
        const QRectF module(r.left() + 4, r.top() + 4 + i * h + 1, r.width() - 8, h - 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kPictureSteel);
        p.drawRect(module);
        p.setBrush(i % 2 == 0 ? kRx : kDiv);
        p.drawEllipse(QPointF(module.right() - 5, module.center().y()), 1.8, 1.8);
    }
}

void Cable(QPainter& p, QPointF a, QPointF b, const QColor& c) {
    QPainterPath path(a);
    const qreal dy = (b.y() - a.y()) / 2;
    path.cubicTo(a + QPointF(0, dy), b - QPointF(0, dy), b);
    p.setPen(Stroke(c, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Mast(QPainter& p, QPointF base, qreal h) {
    const QPointF top = base - QPointF(0, h);
    p.setPen(Stroke(kLine, 3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(base, top + QPointF(0, h * 0.25));
    QPolygonF v;
    v << top + QPointF(-h * 0.28, 0) << top + QPointF(0, h * 0.32) << top + QPointF(h * 0.28, 0);
    p.drawPolyline(v);
    // Waves leaving the antenna.
    p.setPen(Stroke(kLine, 2));
    for (int i = 1; i <= 2; ++i) {
        const qreal r = h * (0.22 + 0.16 * i);
        const QRectF arc(top.x() - r, top.y() - r + h * 0.1, 2 * r, 2 * r);
        p.drawArc(arc, 30 * 16, 40 * 16);
        p.drawArc(arc, 110 * 16, 40 * 16);
    }
}

void Sheet(QPainter& p, const QRectF& r) {
    QPolygonF page;
    page << r.topLeft() << QPointF(r.right() - 14, r.top()) << QPointF(r.right(), r.top() + 14)
         << r.bottomRight() << r.bottomLeft();
    p.setPen(Stroke(kPictureDark, 1.5));
    p.setBrush(kLine);
    p.drawPolygon(page);
    p.setPen(Stroke(kPictureSteel.darker(120), 2.5));
    for (qreal y = r.top() + 22; y < r.bottom() - 8; y += 10) {
        p.drawLine(QPointF(r.left() + 8, y), QPointF(r.right() - 10, y));
    }
}

void Tick(QPainter& p, QPointF centre, qreal size) {
    p.setPen(Stroke(kLine, 2));
    p.setBrush(kRx);
    p.drawEllipse(centre, size, size);
    p.setPen(Stroke(kLine, size * 0.28));
    QPolygonF tick;
    tick << centre + QPointF(-size * 0.45, 0) << centre + QPointF(-size * 0.1, size * 0.4)
         << centre + QPointF(size * 0.5, -size * 0.4);
    p.drawPolyline(tick);
}

// Each motif in a 100 x 100 box.
void Motif(QPainter& p, EWizardPicture picture) {
    switch (picture) {
    case EWizardPicture::Welcome:
        PictureCabinet(p, QRectF(22, 14, 44, 80), 6);
        Mast(p, QPointF(84, 94), 56);
        Tick(p, QPointF(66, 20), 12);
        break;
    case EWizardPicture::File:
        Sheet(p, QRectF(14, 6, 52, 70));
        Sheet(p, QRectF(30, 22, 56, 74));
        break;
    case EWizardPicture::Connection:
        PictureCabinet(p, QRectF(8, 24, 34, 70), 5);
        p.setPen(QPen(kLine, 3, Qt::DashLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 58), QPointF(70, 58));
        p.setPen(Stroke(kLine, 2));
        p.setBrush(kPictureDark);
        p.drawRoundedRect(QRectF(70, 40, 26, 36), 3, 3);
        p.setBrush(kRx);
        p.drawEllipse(QPointF(83, 50), 4, 4);
        break;
    case EWizardPicture::Cabinet:
        PictureCabinet(p, QRectF(24, 4, 52, 92), 7);
        break;
    case EWizardPicture::Cabling:
        PictureCabinet(p, QRectF(6, 8, 34, 86), 6);
        Cable(p, QPointF(40, 22), QPointF(92, 60), kTx);
        Cable(p, QPointF(40, 40), QPointF(92, 74), kRx);
        Cable(p, QPointF(40, 58), QPointF(92, 88), kDiv);
        break;
    case EWizardPicture::Antenna:
        Mast(p, QPointF(50, 96), 84);
        p.setPen(Stroke(kLine, 2));
        p.setBrush(kPictureDark);
        p.drawRoundedRect(QRectF(42, 56, 16, 14), 2, 2);
        break;
    case EWizardPicture::Passive:
        for (int i = 0; i < 3; ++i) {
            const QRectF tag(14 + i * 8, 12 + i * 26, 64, 30);
            p.setPen(Stroke(kPictureDark, 1.5));
            p.setBrush(kLine);
            p.drawRoundedRect(tag, 3, 3);
            p.setPen(Qt::NoPen);
            p.setBrush(kPictureDark);
            // A bar code: bars of two widths.
            for (int b = 0; b < 12; ++b) {
                p.drawRect(QRectF(tag.left() + 6 + b * 4.5, tag.top() + 6, b % 3 == 0 ? 2.5 : 1.2,
                                  tag.height() - 12));
            }
        }
        break;
    case EWizardPicture::Report:
        Sheet(p, QRectF(18, 6, 64, 88));
        Tick(p, QPointF(76, 80), 13);
        break;
    case EWizardPicture::Search: {
        p.setPen(Stroke(kLine, 2));
        p.setBrush(kDiv);
        QPolygonF folder;
        folder << QPointF(6, 26) << QPointF(30, 26) << QPointF(36, 32) << QPointF(80, 32)
               << QPointF(80, 80) << QPointF(6, 80);
        p.drawPolygon(folder);
        p.setBrush(QColor(255, 255, 255, 70));
        p.setPen(Stroke(kLine, 4));
        p.drawEllipse(QPointF(62, 60), 16, 16);
        p.drawLine(QPointF(74, 72), QPointF(92, 92));
        break;
    }
    }
}

} // namespace

void PaintWizardPicture(QPainter& p, EWizardPicture picture, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(1, kSkyBottom);
    p.fillRect(rect, sky);
    // The motif in the upper part, where the eye starts; the rest stays calm.
    const qreal side = std::min(rect.width() * 0.8, rect.height() * 0.45);
    p.translate(rect.center().x() - side / 2, rect.top() + rect.height() * 0.12);
    p.scale(side / 100.0, side / 100.0);
    Motif(p, picture);
    p.restore();
}

QImage WizardPicture(EWizardPicture picture, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintWizardPicture(p, picture, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace paint
