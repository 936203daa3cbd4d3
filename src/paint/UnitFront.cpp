#include "paint/UnitFront.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "app/views/ViewPageBase.h"
#include "model/Unit.h"
#include "paint/PaintStyle.h"

namespace paint {

namespace {

const QColor kSelection(0xff, 0x9d, 0x00);
const QColor kShadow(0x30, 0x36, 0x3d);
const QColor kHighlight(0xf4, 0xf6, 0xf8);

bool Narrow(const QRectF& r) {
    return r.width() < 30 && r.height() > r.width();
}

bool DrawsConnector(int connectorType, int kind) {
    // Marks are lamps, drawn by DrawMarkSockets, not connectors.
    if (kind == kConnTxMark || kind == kConnRxMainMark || kind == kConnRxDivMark) {
        return false;
    }
    return connectorType == -1 ||
           (connectorType > 0 && ConnectorKindBelongsTo(connectorType, kind));
}

void DrawConnector(QPainter& p, const QPointF& c, int kind) {
    const bool antenna = kind == kConnMhaAntenna || kind == kConnCombinerAntenna;
    const bool tx = kind == kConnTxIn || kind == kConnTxOut;
    const qreal r = antenna ? 2.9 : 2.4;
    const QColor body = antenna ? QColor(0xd9, 0xa4, 0x2b)
                        : tx    ? QColor(0xc6, 0xa0, 0x4a)
                                : QColor(0xb9, 0xc0, 0xc8);
    p.setPen(QPen(QColor(0x22, 0x26, 0x2b), 0.7));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x1d, 0x21));
    p.drawEllipse(c, r * 0.38, r * 0.38);
}

// The small lamps a unit shows for its TX, RX main and RX diversity families.
void DrawMarkSockets(QPainter& p, const SSceneUnit& u) {
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5b), 0.6));
    p.setBrush(QColor(0x6b, 0x74, 0x7e));
    for (const SConnector& c : u.unit->Connectors()) {
        if (c.kind != kConnTxMark && c.kind != kConnRxMainMark && c.kind != kConnRxDivMark) {
            continue;
        }
        if (u.connectorType > 0 && CableTypeOfConnector(c.kind) != u.connectorType) {
            continue;
        }
        p.drawRect(QRectF(u.rect.left + c.x + 0.5, u.rect.top + c.y + 0.5, 3, 3));
    }
}

void DrawHandle(QPainter& p, const QRectF& r, bool horizontal) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0x55, 0x60));
    if (horizontal) {
        p.drawRoundedRect(QRectF(r.left() + 2, r.top() + 3, 3, r.height() - 6), 1, 1);
    } else {
        p.drawRoundedRect(QRectF(r.left() + 3, r.top() + 2.5, r.width() - 6, 3), 1, 1);
        p.drawRoundedRect(QRectF(r.left() + 3, r.bottom() - 5.5, r.width() - 6, 3), 1, 1);
    }
}

// Lines that separate the connector rows: a shadow with a highlight beneath, shifted by a pixel
// on the selected unit, as a pressed front would show them.
void DrawRowLines(QPainter& p, const SSceneUnit& u, const QRectF& r) {
    const int rows = u.unit->PortRows() + 1;
    const qreal shift = u.selected ? 1 : 0;
    for (int k = 1; k < rows; ++k) {
        const qreal y = std::floor(r.top() + r.height() * k / rows) + 0.5 + shift;
        p.setPen(QPen(kShadow, 1));
        p.drawLine(QPointF(r.left() + 2 + shift, y), QPointF(r.right() - 2 + shift, y));
        p.setPen(QPen(kHighlight, 1));
        p.drawLine(QPointF(r.left() + 2 + shift, y + 1), QPointF(r.right() - 2 + shift, y + 1));
    }
}

void DrawMhaFins(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x8d, 0x96, 0xa0), 0.8));
    for (qreal x = r.left() + 16; x < r.right() - 4; x += 4) {
        p.drawLine(QPointF(x, r.top() + 4), QPointF(x, r.bottom() - 4));
    }
}

void DrawExternalCabinet(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x3a, 0x40, 0x47), 1.2));
    p.setBrush(QColor(0xb8, 0xbf, 0xc7));
    p.drawRoundedRect(r.adjusted(2, 0, -2, 0), 3, 3);
    p.setPen(QPen(QColor(0x8a, 0x93, 0x9d), 0.8));
    for (qreal y = r.top() + 30; y < r.bottom() - 10; y += 22) {
        p.drawLine(QPointF(r.left() + 8, y), QPointF(r.right() - 8, y));
    }
}

} // namespace

SFaceStyle FaceOf(int kind) {
    switch (kind) {
    case kUnitKindTrx:
        return {QColor(0xd6, 0xdc, 0xe3), QColor(0x16, 0x22, 0x30)};
    case kUnitKindBoi:
        return {QColor(0xb9, 0xcf, 0xaa), QColor(0x16, 0x2a, 0x12)};
    case kUnitKindBb2:
        return {QColor(0xa6, 0xbd, 0xd6), QColor(0x10, 0x22, 0x38)};
    case kUnitKindPwr:
        return {QColor(0xe0, 0xd4, 0x9a), QColor(0x33, 0x2a, 0x08)};
    case kUnitKindTre:
        return {QColor(0xcd, 0xb9, 0xdc), QColor(0x2c, 0x17, 0x3c)};
    case kUnitKindDdu:
        return {QColor(0x7c, 0x8a, 0x99), QColor(0xff, 0xff, 0xff)};
    case kUnitKindRtc:
        return {QColor(0x70, 0x7f, 0x8f), QColor(0xff, 0xff, 0xff)};
    case kUnitKindBtr:
        return {QColor(0xd3, 0xbf, 0xa9), QColor(0x33, 0x22, 0x10)};
    case kUnitKindMc2:
    case kUnitKindMc6:
        return {QColor(0xb4, 0xc3, 0xc9), QColor(0x12, 0x25, 0x2c)};
    case kUnitKindWbc:
    case kUnitKindWbt:
        return {QColor(0xc2, 0xc9, 0xb4), QColor(0x22, 0x28, 0x12)};
    case kUnitKindMha:
        return {QColor(0xdb, 0xdf, 0xe4), QColor(0x16, 0x22, 0x30)};
    default:
        return {QColor(0xbd, 0xc3, 0xca), QColor(0x16, 0x22, 0x30)};
    }
}

void DrawPlaceBackground(QPainter& p, const SRect& rect) {
    const QRectF r = ToRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x46, 0x4e, 0x57), 1));
    p.setBrush(QColor(0x3b, 0x42, 0x4a));
    p.drawRect(r);
}

void DrawUnitFront(QPainter& p, const SSceneUnit& u) {
    const QRectF r = ToRectF(u.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const int kind = u.unit->Kind();
    if (kind == kUnitKindExternal) {
        DrawExternalCabinet(p, r);
    } else {
        SFaceStyle style = FaceOf(kind);
        QColor face = style.face;
        if (u.selected) {
            face = face.lighter(118);
        }
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, face.lighter(110));
        g.setColorAt(1, face.darker(108));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(r);
        // Raised edges: light top and left, dark bottom and right.
        p.setPen(QPen(face.lighter(135), 1));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QPen(face.darker(165), 1));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        if (kind == kUnitKindMha) {
            DrawMhaFins(p, r);
        } else if (kind == kUnitKindTrx || kind == kUnitKindBtr) {
            DrawHandle(p, r, true);
        } else if (r.height() > 60 && r.width() < 30) {
            DrawHandle(p, r, false);
        }
    }
    if (u.connectorRows) {
        DrawRowLines(p, u, r);
    }
    DrawMarkSockets(p, u);
    if (u.connectorType != 0) {
        for (const SConnector& c : u.unit->Connectors()) {
            if (DrawsConnector(u.connectorType, c.kind)) {
                DrawConnector(p,
                              QPointF(u.rect.left + c.x + u.unit->DrawOffset() + 2,
                                      u.rect.top + c.y + u.unit->DrawOffset() + 2),
                              c.kind);
            }
        }
    }
    if (u.selected) {
        p.setPen(QPen(kSelection, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void DrawHover(QPainter& p, const SSceneUnit& u) {
    if (!u.shown || !u.hovered) {
        return;
    }
    const QRectF r = ToRectF(u.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!u.selected && u.unit->Kind() != kUnitKindExternal) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRect(r);
    }
    if (u.connectorRows && u.hoveredRow >= 0) {
        const qreal h = r.height() / (u.unit->PortRows() + 1);
        p.fillRect(QRectF(r.left() + 1, r.top() + h * u.hoveredRow + 1, r.width() - 2, h - 2),
                   QColor(255, 255, 255, 60));
    }
}

SUnitLabel UnitLabel(const SSceneUnit& u) {
    const QRectF r = ToRectF(u.rect);
    const int kind = u.unit->Kind();
    const SFaceStyle style = FaceOf(kind);
    SUnitLabel l;
    l.text = QString::fromStdString(u.label.empty() ? u.unit->DisplayName() : u.label);
    l.ink = style.ink;
    l.halo = u.selected ? style.face.lighter(118) : style.face;
    qreal size = 7.5;
    bool bold = true;
    if (kind == kUnitKindExternal) {
        l.text = QString::fromUtf8(u.unit->Description());
        l.room = QRectF(r.left(), r.top() + 4, r.width(), 14);
        l.ink = QColor(0x16, 0x22, 0x30);
        l.halo = QColor(0xb8, 0xbf, 0xc7);
        size = 8.5;
    } else if (kind == kUnitKindTrx || kind == kUnitKindBtr) {
        // Between the RX inputs on the left and the marks and TX output on the right.
        l.room = QRectF(r.left() + 32, r.top(), 46, r.height());
        l.plate = true;
        size = 8.5;
    } else if (kind == kUnitKindDdu || kind == kUnitKindRtc) {
        // Down the right edge, clear of the connector rows.
        l.room = QRectF(r.right() - 9, r.top(), 9, r.height());
        l.vertical = true;
        l.plate = true;
    } else if (kind == kUnitKindWbc || kind == kUnitKindWbt) {
        l.room = QRectF(r.left(), r.bottom() - 8, r.width(), 8);
        l.plate = true;
        size = 6.5;
        bold = false;
    } else if (kind == kUnitKindMha) {
        l.room = QRectF(r.left() + 10, r.top(), r.width() - 10, r.height());
        l.plate = true;
        size = 8;
    } else {
        l.room = r;
        l.vertical = Narrow(r);
        size = l.vertical ? qMin<qreal>(8, r.width() - 3) : 7.5;
        bold = size >= 7.5;
    }
    const qreal length = l.vertical ? l.room.height() : l.room.width();
    constexpr qreal kSmallest = 5;
    for (;;) {
        l.font = PictureFont(size, bold);
        l.box = CentredTextBox(l.room, l.text, l.font, l.vertical, l.plate);
        const qreal need = l.vertical ? l.box.height() : l.box.width();
        if (need <= length) {
            break;
        }
        if (size > kSmallest) {
            size = std::max(kSmallest, size - 0.5);
            continue;
        }
        const qreal slack = need - QFontMetricsF(l.font).horizontalAdvance(l.text);
        l.text = QFontMetricsF(l.font).elidedText(l.text, Qt::ElideRight, length - slack);
        l.box = CentredTextBox(l.room, l.text, l.font, l.vertical, l.plate);
        break;
    }
    return l;
}

void WriteUnitName(QPainter& p, const SSceneUnit& u) {
    const SUnitLabel l = UnitLabel(u);
    CentredText(p, l.room, l.text, l.font, l.ink, l.halo, l.vertical, l.plate);
}

} // namespace paint
