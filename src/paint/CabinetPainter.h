#pragma once
// Paints the cabinet picture of a view: the cabinet of the shown configuration with its empty
// places, the units as module fronts, then cables, marks and lines on top. The window, printing,
// export and the command line all paint through here, so they show the same picture.

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <vector>

#include "app/views/CabinetScene.h"

class QPainter;

struct SPaintOptions {
    // The picture has the keyboard focus: a dotted frame marks it.
    bool focus = false;
    // Fill the picture's background; off when the caller has its own.
    bool background = true;
};

// The cables' ways round the unit fronts, in the scene's order: the dearest part of the picture
// to work out, kept by a caller that paints a scene more than once.
struct SCableRoutes {
    std::vector<QPainterPath> paths;
    // Each path as straight segments, to tell cheaply which cables pass a part of the picture.
    std::vector<QPolygonF> lines;
};

class CCabinetPainter {
public:
    // The picture's size in logical pixels (one pixel per unit of the place rectangles).
    static QSize PictureSize(const SCabinetScene& scene);
    // Paints with the picture's top left corner at the painter's origin.
    static void Paint(QPainter& painter, const SCabinetScene& scene,
                      const SPaintOptions& options = {});
    // Paint in two layers, for a caller that keeps the first: what changes only with the
    // size, the display options and the selection (background, cabinet, places, unit fronts),
    // then everything over it (hover, cables, marks, names, outlines).
    static void PaintCabinetLayer(QPainter& painter, const SCabinetScene& scene,
                                  const SPaintOptions& options);
    static void PaintOverCabinet(QPainter& painter, const SCabinetScene& scene,
                                 const SPaintOptions& options);
    // Over the cabinet along kept routes (CableRoutes); with `within` (scene coordinates)
    // only what may reach into that part, for a caller that puts a part of the picture
    // together anew.
    static void PaintOverCabinet(QPainter& painter, const SCabinetScene& scene,
                                 const SPaintOptions& options, const SCableRoutes& routes,
                                 const QRectF* within);
    // The dotted frame of the focused picture, drawn over everything else.
    static void PaintFocus(QPainter& painter, const SCabinetScene& scene);
    static SCableRoutes CableRoutes(const SCabinetScene& scene);
    // The picture in an image of the given device pixel ratio: crisp on any screen.
    static QImage Render(const SCabinetScene& scene, qreal devicePixelRatio,
                         const SPaintOptions& options = {});
};
