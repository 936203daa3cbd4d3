#include "paint/CableRouting.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "paint/CablePainting.h"
#include "paint/PaintStyle.h"

namespace paint {

namespace {

// A cable may run this close along an edge: fronts of neighbouring rows touch, and the seam
// between them is where a cable belongs.
constexpr qreal kEdgeClearance = 1.5;
// How far beside a column a cable runs down its gap.
constexpr qreal kGapOffset = 2.5;
// A bend costs as much as this many pixels of cable: fewer bends look tidier.
constexpr qreal kBendCost = 8;
constexpr qreal kCornerRadius = 3;
// Candidates of the gaps next to each end that a route may turn in.
constexpr int kGapsPerEnd = 3;

bool CrossesHorizontal(const QRectF& r, qreal y, qreal x1, qreal x2) {
    return y > r.top() && y < r.bottom() && std::max(x1, x2) > r.left() &&
           std::min(x1, x2) < r.right();
}

bool CrossesVertical(const QRectF& r, qreal x, qreal y1, qreal y2) {
    return x > r.left() && x < r.right() && std::max(y1, y2) > r.top() &&
           std::min(y1, y2) < r.bottom();
}

// Axis-parallel segments only, as the routes are made of.
bool SegmentClear(const QPointF& a, const QPointF& b, const std::vector<QRectF>& obstacles) {
    for (const QRectF& r : obstacles) {
        const bool crosses = a.y() == b.y() ? CrossesHorizontal(r, a.y(), a.x(), b.x())
                                            : CrossesVertical(r, a.x(), a.y(), b.y());
        if (crosses) {
            return false;
        }
    }
    return true;
}

bool CurveClear(const QPainterPath& curve, const std::vector<QRectF>& obstacles) {
    // Most fronts are nowhere near the curve; the few that are get sampled points tested.
    const QRectF hull = curve.controlPointRect();
    std::vector<const QRectF*> near;
    for (const QRectF& r : obstacles) {
        if (r.intersects(hull)) {
            near.push_back(&r);
        }
    }
    if (near.empty()) {
        return true;
    }
    // Cable curves are one cubic: evaluated directly, not through the path's length table.
    if (curve.elementCount() != 4 || !curve.elementAt(1).isCurveTo()) {
        return false;
    }
    const QPointF p0 = curve.elementAt(0);
    const QPointF p1 = curve.elementAt(1);
    const QPointF p2 = curve.elementAt(2);
    const QPointF p3 = curve.elementAt(3);
    constexpr int kSamples = 24;
    for (int i = 1; i < kSamples; ++i) {
        const qreal t = qreal(i) / kSamples;
        const qreal u = 1 - t;
        const QPointF at =
            u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        for (const QRectF* r : near) {
            if (r->contains(at)) {
                return false;
            }
        }
    }
    return true;
}

struct SRoute {
    std::array<QPointF, 6> points;
    int count = 0;
    qreal cost = 0;
};

SRoute MakeRoute(std::initializer_list<QPointF> points) {
    SRoute route;
    for (const QPointF& p : points) {
        if (route.count > 0 && route.points[route.count - 1] == p) {
            continue;
        }
        route.points[route.count++] = p;
    }
    for (int i = 1; i < route.count; ++i) {
        const QPointF d = route.points[i] - route.points[i - 1];
        route.cost += std::abs(d.x()) + std::abs(d.y());
    }
    route.cost += kBendCost * std::max(0, route.count - 2);
    return route;
}

bool RouteClear(const SRoute& route, const std::vector<QRectF>& obstacles) {
    for (int i = 1; i < route.count; ++i) {
        if (!SegmentClear(route.points[i - 1], route.points[i], obstacles)) {
            return false;
        }
    }
    return true;
}

// Parallel runs of different cable families sit side by side rather than on top of each
// other.
qreal FamilyOffset(int cableType) {
    switch (cableType) {
    case 2:
        return -1.2;
    case 3:
        return 1.2;
    default:
        return 0;
    }
}

QPainterPath RoundedPath(SRoute route, int cableType) {
    const qreal offset = FamilyOffset(cableType);
    for (int i = 1; i + 1 < route.count; ++i) {
        route.points[i] += QPointF(offset, offset);
    }
    // The first and last legs keep their end's height, so the end points stay on the
    // connectors.
    if (route.count > 2) {
        route.points[1].setY(route.points[0].y());
        route.points[route.count - 2].setY(route.points[route.count - 1].y());
    }
    QPainterPath path(route.points[0]);
    for (int i = 1; i + 1 < route.count; ++i) {
        const QPointF corner = route.points[i];
        const QPointF in = corner - route.points[i - 1];
        const QPointF out = route.points[i + 1] - corner;
        const qreal lenIn = std::hypot(in.x(), in.y());
        const qreal lenOut = std::hypot(out.x(), out.y());
        if (lenIn < 0.01 || lenOut < 0.01) {
            path.lineTo(corner);
            continue;
        }
        const qreal r = std::min({kCornerRadius, lenIn / 2, lenOut / 2});
        // A cut corner reads as a bend at these sizes, and strokes far cheaper than a curve.
        path.lineTo(corner - in / lenIn * r);
        path.lineTo(corner + out / lenOut * r);
    }
    path.lineTo(route.points[route.count - 1]);
    return path;
}

// The gaps beside the columns between the two ends, nearest to `from` first.
std::vector<qreal> GapsBetween(qreal from, qreal to, const std::vector<QRectF>& obstacles) {
    std::vector<qreal> gaps;
    const qreal lo = std::min(from, to);
    const qreal hi = std::max(from, to);
    for (const QRectF& r : obstacles) {
        for (qreal x : {r.left() - kGapOffset, r.right() + kGapOffset}) {
            if (x > lo && x < hi) {
                gaps.push_back(x);
            }
        }
    }
    std::sort(gaps.begin(), gaps.end(),
              [from](qreal a, qreal b) { return std::abs(a - from) < std::abs(b - from); });
    gaps.erase(std::unique(gaps.begin(), gaps.end()), gaps.end());
    return gaps;
}

} // namespace

std::vector<QRectF> UnitFronts(const SCabinetScene& scene) {
    std::vector<QRectF> fronts;
    fronts.reserve(scene.units.size());
    for (const SSceneUnit& u : scene.units) {
        if (u.shown) {
            fronts.push_back(ToRectF(u.rect));
        }
    }
    return fronts;
}

QPainterPath CableRoute(const SSceneCable& cable, const std::vector<QRectF>& fronts) {
    const QPointF from = ToPointF(cable.from);
    const QPointF to = ToPointF(cable.to);
    QPainterPath curve = CablePath(cable.from, cable.to);
    std::vector<QRectF> obstacles;
    for (const QRectF& front : fronts) {
        // The cable's own units: it plugs into them, so it may cross them.
        if (front.contains(from) || front.contains(to)) {
            continue;
        }
        const QRectF inner =
            front.adjusted(kEdgeClearance, kEdgeClearance, -kEdgeClearance, -kEdgeClearance);
        if (inner.isValid()) {
            obstacles.push_back(inner);
        }
    }
    if (obstacles.empty() || CurveClear(curve, obstacles)) {
        return curve;
    }

    std::vector<qreal> gaps = GapsBetween(from.x(), to.x(), obstacles);
    if (gaps.empty()) {
        // Ends above one another in one column: run down the gap on the right, where the
        // curve would bow to.
        for (const QRectF& r : obstacles) {
            if (r.left() < from.x() && r.right() > from.x()) {
                gaps.push_back(r.right() + kGapOffset);
            }
        }
        std::sort(gaps.begin(), gaps.end());
    }
    const int near = std::min<int>(kGapsPerEnd, static_cast<int>(gaps.size()));
    std::vector<qreal> seams = {from.y(), to.y()};
    for (const QRectF& r : obstacles) {
        seams.push_back(r.top() - kEdgeClearance);
        seams.push_back(r.bottom() + kEdgeClearance);
    }

    std::vector<SRoute> routes;
    for (qreal x : gaps) {
        routes.push_back(MakeRoute({from, {x, from.y()}, {x, to.y()}, to}));
    }
    // Turning into a row seam needs a gap near each end; the nearest gaps are enough.
    for (int a = 0; a < near; ++a) {
        for (int b = static_cast<int>(gaps.size()) - 1;
             b >= std::max(0, static_cast<int>(gaps.size()) - kGapsPerEnd); --b) {
            for (qreal y : seams) {
                routes.push_back(MakeRoute({from,
                                            {gaps[a], from.y()},
                                            {gaps[a], y},
                                            {gaps[b], y},
                                            {gaps[b], to.y()},
                                            to}));
            }
        }
    }
    std::sort(routes.begin(), routes.end(),
              [](const SRoute& l, const SRoute& r) { return l.cost < r.cost; });
    for (const SRoute& route : routes) {
        if (RouteClear(route, obstacles)) {
            return RoundedPath(route, cable.cableType);
        }
    }
    return curve;
}

} // namespace paint
