#pragma once
// Paints the cabinet picture of a view: the cabinet of the shown configuration with its empty
// places, the units as module fronts, then cables, marks and lines on top. The window, printing,
// export and the command line all paint through here, so they show the same picture.

#include <QImage>
#include <QSize>

#include "app/views/CabinetScene.h"

class QPainter;

struct SPaintOptions {
    // The picture has the keyboard focus: a dotted frame marks it.
    bool focus = false;
    // Fill the picture's background; off when the caller has its own.
    bool background = true;
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
    // The picture in an image of the given device pixel ratio: crisp on any screen.
    static QImage Render(const SCabinetScene& scene, qreal devicePixelRatio,
                         const SPaintOptions& options = {});
};
