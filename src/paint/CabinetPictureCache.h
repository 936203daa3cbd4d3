#pragma once
// The window's cabinet picture kept in two images between repaints: the cabinet with its unit
// fronts, kept while the size, the display options and the selection stay the same, and the
// whole picture but hover and focus over it, kept while the scene stays the same but for the
// pointer. A repaint copies the picture, puts the front under the pointer together anew from
// the cabinet layer, its hover and what lies over it, and draws the focus frame.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <QTransform>
#include <string>
#include <vector>

#include "paint/CabinetPainter.h"

class CCabinetPictureCache {
public:
    // Paints what CCabinetPainter::Paint paints, pixel for pixel, onto a target that holds
    // `underlay` wherever the picture lies. Painters that rotate or shear, pictures partly
    // left of or above the device, and pictures without their own background are painted
    // directly.
    void Paint(QPainter& painter, const SCabinetScene& scene, const SPaintOptions& options,
               const QColor& underlay);
    void Clear();
    // How many times the cabinet layer, and the picture over it, were drawn anew.
    int LayerBuilds() const { return m_builds; }
    int PictureBuilds() const { return m_pictureBuilds; }

    // What the cabinet layer depends on, compared to tell whether the kept image still holds.
    struct SUnitKey {
        const CUnit* unit = nullptr;
        int kind = 0;
        SRect rect;
        bool shown = false;
        bool selected = false;
        int connectorType = 0;
        bool connectorRows = false;
        int portRows = 0;
        int drawOffset = 0;
        std::vector<int> connectors; // kind, x, y of each
        bool operator==(const SUnitKey&) const = default;
    };
    struct SKey {
        bool selmo = false;
        std::vector<SRect> emptySlots;
        int cabinetType = 0;
        int variant = 0;
        std::string cabinetName;
        SRect bounds;
        int trxRows = 0;
        int mhaCount = 0;
        bool rackShelfSlot = false;
        std::vector<SUnitKey> units;
        // Where on the device the picture goes, and the layer's size from the device's origin.
        QTransform transform;
        QSize size;
        QRgb underlay = 0;
        bool operator==(const SKey&) const = default;
    };

    // What the picture over the cabinet layer depends on besides the layer: the scene without
    // the pointer, and the names the units give their fronts, read through the scene's units.
    struct SPictureKey {
        SCabinetScene scene;
        std::vector<std::string> names;
        bool operator==(const SPictureKey&) const = default;
    };

private:
    void BuildPicture(const QTransform& device, SPictureKey key, const SPaintOptions& options);
    void PaintHovered(QPainter& p, const QPoint& shift, const QTransform& device,
                      const SCabinetScene& scene, const SPaintOptions& options);

    QImage m_layer;
    SKey m_key;
    bool m_haveLayer = false;
    int m_builds = 0;
    QImage m_picture;
    // Where the front under the pointer is put together before it is copied out.
    QImage m_scratch;
    SPictureKey m_pictureKey;
    SCableRoutes m_routes;
    bool m_havePicture = false;
    int m_pictureBuilds = 0;
    // The cabinet layer's build the picture was drawn over.
    int m_pictureLayerBuild = 0;
};
