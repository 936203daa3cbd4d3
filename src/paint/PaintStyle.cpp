#include "paint/PaintStyle.h"

#include <QFontMetricsF>
#include <QPainter>

namespace paint {

QFont PictureFont(qreal pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void HaloText(QPainter& p, const QPointF& at, const QString& text, const QColor& ink,
              const QColor& halo) {
    p.setPen(halo);
    static constexpr qreal kOffsets[4][2] = {{-0.8, 0}, {0.8, 0}, {0, -0.8}, {0, 0.8}};
    for (const auto& o : kOffsets) {
        p.drawText(at + QPointF(o[0], o[1]), text);
    }
    p.setPen(ink);
    p.drawText(at, text);
}

void CentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& ink, const QColor& halo, bool vertical, bool plate) {
    p.save();
    p.setFont(font);
    const QFontMetricsF fm(font);
    const qreal w = fm.horizontalAdvance(text);
    const qreal ascent = fm.ascent();
    const qreal height = ascent + fm.descent();
    p.translate(r.center());
    if (vertical) {
        p.rotate(-90);
    }
    if (plate) {
        QColor fill = halo;
        fill.setAlpha(235);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(-w / 2 - 1.5, -height / 2, w + 3, height), 1.5, 1.5);
    }
    if (plate) {
        // The plate already keeps cables away from the letters.
        p.setPen(ink);
        p.drawText(QPointF(-w / 2, ascent - height / 2), text);
    } else {
        HaloText(p, QPointF(-w / 2, ascent - height / 2), text, ink, halo);
    }
    p.restore();
}

QRectF CentredTextBox(const QRectF& r, const QString& text, const QFont& font, bool vertical,
                      bool plate) {
    const QFontMetricsF fm(font);
    // The halo reaches 0.8 beyond the letters, the plate 1.5 beside them.
    const qreal along = fm.horizontalAdvance(text) + (plate ? 3 : 1.6);
    const qreal across = fm.ascent() + fm.descent() + (plate ? 0 : 1.6);
    const QSizeF size = vertical ? QSizeF(across, along) : QSizeF(along, across);
    return QRectF(r.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QColor StateClassColour(int stateClass) {
    switch (stateClass) {
    case 1:
        return QColor(0x2e, 0xa0, 0x43);
    case 2:
    case 3:
        return QColor(0xe0, 0x9b, 0x16);
    case 4:
        return QColor(0xd0, 0x30, 0x2a);
    default:
        return QColor(0x8a, 0x92, 0x9b);
    }
}

} // namespace paint
