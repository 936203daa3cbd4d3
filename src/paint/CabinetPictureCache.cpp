#include "paint/CabinetPictureCache.h"

#include <QPainter>
#include <QTransform>
#include <utility>

#include "model/Unit.h"
#include "paint/PaintStyle.h"

namespace {

using paint::ToRectF;

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

CCabinetPictureCache::SPictureKey PictureKey(const SCabinetScene& scene) {
    CCabinetPictureCache::SPictureKey key{scene, {}};
    for (SSceneUnit& u : key.scene.units) {
        u.hovered = false;
        u.hoveredRow = -1;
        if (u.shown && u.unit != nullptr) {
            if (u.label.empty()) {
                key.names.push_back(u.unit->DisplayName());
            }
            const char* description = u.unit->Description();
            key.names.emplace_back(description != nullptr ? description : "");
        }
    }
    return key;
}

} // namespace

void CCabinetPictureCache::Clear() {
    m_layer = QImage();
    m_haveLayer = false;
    m_picture = QImage();
    m_scratch = QImage();
    m_routes = {};
    m_havePicture = false;
}

void CCabinetPictureCache::BuildPicture(const QTransform& device, SPictureKey key,
                                        const SPaintOptions& options) {
    m_routes = CCabinetPainter::CableRoutes(key.scene);
    m_picture = m_layer.copy();
    QPainter p(&m_picture);
    p.setTransform(device);
    SPaintOptions over = options;
    over.focus = false;
    CCabinetPainter::PaintOverCabinet(p, key.scene, over, m_routes, nullptr);
    p.end();
    if (m_scratch.size() != m_layer.size()) {
        m_scratch = QImage(m_layer.size(), QImage::Format_ARGB32_Premultiplied);
    }
    m_pictureKey = std::move(key);
    m_havePicture = true;
    ++m_pictureBuilds;
}

void CCabinetPictureCache::PaintHovered(QPainter& p, const QPoint& shift, const QTransform& device,
                                        const SCabinetScene& scene, const SPaintOptions& options) {
    // Hover only brightens the front under the pointer, so only those device pixels differ
    // from the kept picture.
    QRect part;
    const QPointF origin(scene.bounds.left, scene.bounds.top);
    for (const SSceneUnit& u : scene.units) {
        if (u.shown && u.hovered) {
            part |= device.mapRect(ToRectF(u.rect).translated(-origin))
                        .toAlignedRect()
                        .adjusted(-1, -1, 1, 1);
        }
    }
    part &= m_scratch.rect();
    if (part.isEmpty()) {
        return;
    }
    // Put together at the very pixels it goes to, like both layers, and without a clip: a
    // clipped pen may round its edge otherwise. What spills out of the part is never copied.
    QPainter sp(&m_scratch);
    sp.setCompositionMode(QPainter::CompositionMode_Source);
    sp.drawImage(part.topLeft(), m_layer, part);
    sp.setCompositionMode(QPainter::CompositionMode_SourceOver);
    sp.setTransform(device);
    const QRectF within = device.inverted().mapRect(QRectF(part)).translated(origin);
    SPaintOptions over = options;
    over.focus = false;
    CCabinetPainter::PaintOverCabinet(sp, scene, over, m_routes, &within);
    sp.end();
    p.drawImage(part.topLeft() - shift, m_scratch, part);
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
    SPictureKey pictureKey = PictureKey(scene);
    if (!m_havePicture || m_pictureLayerBuild != m_builds || !(pictureKey == m_pictureKey)) {
        BuildPicture(device, std::move(pictureKey), options);
        m_pictureLayerBuild = m_builds;
    }
    // The copy is made in device pixels: the painter's own transform still scales by the
    // device's pixel ratio. A widget paints into its window's image at its own place there,
    // which the device transform holds and the engine adds once more to whatever is drawn.
    const qreal ratio = p.device()->devicePixelRatio();
    const QTransform pixels = QTransform::fromScale(1 / ratio, 1 / ratio);
    p.save();
    p.setWorldTransform(pixels);
    const QTransform copy = p.deviceTransform();
    const QPoint shift(qRound(copy.dx()), qRound(copy.dy()));
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft() - shift, m_picture, area);
    PaintHovered(p, shift, device, scene, options);
    p.restore();
    if (options.focus) {
        CCabinetPainter::PaintFocus(p, scene);
    }
}
