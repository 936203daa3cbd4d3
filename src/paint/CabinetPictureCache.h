#pragma once
// The window's cabinet picture with the cabinet and its unit fronts kept as an image between
// repaints: while the size, the display options and the selection stay the same, a repaint
// copies that image and draws only the cables, the hover and what lies over them.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QTransform>
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
    // How many times the cabinet layer was drawn anew.
    int LayerBuilds() const { return m_builds; }

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

private:
    QImage m_layer;
    SKey m_key;
    bool m_haveLayer = false;
    int m_builds = 0;
};
