#include "paint/CabinetPictureCache.h"

#include <QPainter>
#include <QTransform>
#include <utility>

#include "model/Unit.h"

namespace {

// Room around the picture's bounds for edges that antialiasing spreads beyond them.
constexpr int kMargin = 2;

CCabinetPictureCache::SKey LayerKey(const SCabinetScene& scene) {
    CCabinetPictureCache::SKey key;
    key.selmo = scene.selmo;
    key.emptySlots = scene.emptySlots;
    key.cabinetType = scene.cabinetType;
    key.variant = scene.variant;
    key.cabinetName = scene.cabinetName;
    key.bounds = scene.bounds;
    key.trxRows = scene.trxRows;
    key.mhaCount = scene.mhaCount;
    key.rackShelfSlot = scene.rackShelfSlot;
    key.units.reserve(scene.units.size());
    for (const SSceneUnit& u : scene.units) {
        CCabinetPictureCache::SUnitKey k;
        k.unit = u.unit;
        k.rect = u.rect;
        k.shown = u.shown;
        if (u.shown && u.unit != nullptr) {
            k.kind = u.unit->Kind();
            k.selected = u.selected;
            k.connectorType = u.connectorType;
            k.connectorRows = u.connectorRows;
            k.portRows = u.unit->PortRows();
            k.drawOffset = u.unit->DrawOffset();
            for (const SConnector& c : u.unit->Connectors()) {
                k.connectors.insert(k.connectors.end(), {c.kind, c.x, c.y});
            }
        }
        key.units.push_back(std::move(k));
    }
    return key;
}

} // namespace

void CCabinetPictureCache::Clear() {
    m_layer = QImage();
    m_haveLayer = false;
}

void CCabinetPictureCache::Paint(QPainter& p, const SCabinetScene& scene,
                                 const SPaintOptions& options, const QColor& underlay) {
    const QTransform device = p.deviceTransform();
    // The picture's bounds in device pixels.
    const QRectF picture(0, 0, scene.bounds.right - scene.bounds.left,
                         scene.bounds.bottom - scene.bounds.top);
    const QRect area =
        device.mapRect(picture).toAlignedRect().adjusted(-kMargin, -kMargin, kMargin, kMargin);
    // The layer is drawn at the very device pixels the picture goes to, not merely shifted
    // there: gradients and edges are computed from absolute coordinates, and a shifted copy
    // differs in the last bit here and there. So it starts at the device's origin, and a
    // picture scrolled past that origin is painted directly.
    if (!scene.valid || !options.background || device.type() > QTransform::TxScale ||
        device.m11() <= 0 || device.m22() <= 0 || area.left() < 0 || area.top() < 0) {
        CCabinetPainter::Paint(p, scene, options);
        return;
    }
    SKey key = LayerKey(scene);
    key.transform = device;
    key.size = QSize(area.right() + 1, area.bottom() + 1);
    key.underlay = underlay.rgba();
    if (!m_haveLayer || !(key == m_key)) {
        m_layer = QImage(key.size, QImage::Format_ARGB32_Premultiplied);
        m_layer.fill(underlay);
        QPainter lp(&m_layer);
        lp.setTransform(device);
        CCabinetPainter::PaintCabinetLayer(lp, scene, options);
        lp.end();
        m_key = std::move(key);
        m_haveLayer = true;
        ++m_builds;
    }
    // The copy is made in device pixels: the painter's own transform still scales by the
    // device's pixel ratio.
    const qreal ratio = p.device()->devicePixelRatio();
    const QTransform pixels = QTransform::fromScale(1 / ratio, 1 / ratio);
    p.save();
    p.setWorldTransform(pixels);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), m_layer, area);
    p.restore();
    CCabinetPainter::PaintOverCabinet(p, scene, options);
}
