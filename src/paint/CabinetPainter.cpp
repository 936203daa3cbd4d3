#include "paint/CabinetPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "model/CabinetKODA.h"
#include "paint/CablePainting.h"
#include "paint/CableRouting.h"
#include "paint/PaintStyle.h"
#include "paint/UnitFront.h"

namespace {

using paint::ToRectF;

const QColor kBackground(0xec, 0xef, 0xf2);
const QColor kFrame(0x22, 0x27, 0x2d);
const QColor kBackPlate(0x2e, 0x34, 0x3b);
const QColor kRail(0x59, 0x63, 0x6e);

struct SPlaceRange {
    int first;
    int last;
};

// The places each cabinet class has room for; empty places are drawn as covered slots.
std::vector<SPlaceRange> PlacesOf(int cabinetType) {
    switch (cabinetType) {
    case kCabinetMidi:
    case kCabinetMidiOutdoor:
        return {{0, 2}, {3, 8}, {9, 9}, {10, 13}, {14, 19}, {28, 33}, {40, 46}, {54, 59}};
    case kCabinetMini:
        return {{0, 0}, {3, 4}, {9, 9}, {10, 13}, {14, 17}, {28, 31}, {40, 43}, {54, 57}};
    default:
        return {{0, 2}, {3, 8}, {9, 9}, {10, 13}, {14, 27}, {28, 39}, {40, 53}, {54, 65}};
    }
}

// The slot an empty place stands for, as the rack, shelf and slot texts count them.
int SlotOfPlace(int place) {
    if (place <= 2) {
        return place + 1;
    }
    if (place <= 8) {
        return place - 2;
    }
    if (place == 9) {
        return 7;
    }
    if (place <= 13) {
        return place - 9;
    }
    if (place <= 27) {
        return place - 13;
    }
    return place <= 39 ? place - 27 : place - 39;
}

bool IsOutdoor(int cabinetType) {
    return cabinetType == kCabinetOutdoor || cabinetType == kCabinetMidiOutdoor;
}

// Bottom of the lowest row of the unit columns.
int ColumnsBottom(const SCabinetScene& scene) {
    switch (scene.trxRows) {
    case 6:
        return 258;
    case 4:
        return 192;
    default:
        return 405;
    }
}

void DrawCabinetBody(QPainter& p, const SCabinetScene& scene) {
    const qreal bottom = ColumnsBottom(scene) + 6;
    const QRectF body(5, 17, 213, bottom - 17);
    if (IsOutdoor(scene.cabinetType)) {
        // Weather hood and plinth of an outdoor cabinet.
        QPainterPath roof;
        roof.moveTo(1, 17);
        roof.lineTo(10, 5);
        roof.lineTo(213, 5);
        roof.lineTo(222, 17);
        roof.closeSubpath();
        p.setPen(QPen(kFrame, 1));
        p.setBrush(QColor(0x5a, 0x66, 0x5c));
        p.drawPath(roof);
        p.fillRect(QRectF(9, bottom, 205, 6), QColor(0x3d, 0x44, 0x4c));
    }
    p.setPen(QPen(kFrame, 2));
    p.setBrush(kBackPlate);
    p.drawRoundedRect(body, 3, 3);
    // Subrack rails above and below each block of places.
    p.setPen(QPen(kRail, 1));
    for (const qreal y : {22.5, 104.5, 234.5}) {
        if (y < bottom - 4) {
            p.drawLine(QPointF(9, y), QPointF(214, y));
        }
    }
    if (scene.trxRows == 12) {
        p.drawLine(QPointF(9, 406.5), QPointF(214, 406.5));
    }
    // Column dividers.
    p.setPen(QPen(QColor(0x23, 0x28, 0x2e), 1));
    for (const qreal x : {38.0, 158.0}) {
        p.drawLine(QPointF(x, 106), QPointF(x, bottom - 4));
    }
}

void DrawMast(QPainter& p, const SCabinetScene& scene) {
    const qreal lastMha = 33 + 30 * (scene.mhaCount - 1) + 22;
    const qreal foot = std::max<qreal>(lastMha + 14, ColumnsBottom(scene) + 6);
    p.setPen(QPen(QColor(0x55, 0x5d, 0x66), 1));
    p.setBrush(QColor(0x9a, 0xa3, 0xad));
    p.drawRect(QRectF(303, 10, 5, foot - 10));
    // Antenna on top of the mast.
    p.setPen(QPen(QColor(0x55, 0x5d, 0x66), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(305.5, 10), QPointF(305.5, 2));
    p.drawLine(QPointF(299, 3), QPointF(312, 3));
    p.drawLine(QPointF(300, 7), QPointF(311, 7));
    // Brackets of the amplifier places.
    for (int i = 0; i < scene.mhaCount; ++i) {
        const qreal y = 33 + 30 * i + 11;
        p.drawLine(QPointF(300, y), QPointF(303, y));
    }
}

void DrawEmptyPlaces(QPainter& p, const SCabinetScene& scene, const CCabinet& cabinet) {
    for (const SPlaceRange& range : PlacesOf(scene.cabinetType)) {
        for (int place = range.first; place <= range.last; ++place) {
            const QRectF r = ToRectF(cabinet.PlaceRect(place, scene.variant, nullptr))
                                 .adjusted(0.5, 0.5, -0.5, -0.5);
            if (place >= 54) {
                QPen pen(QColor(0xa9, 0xb1, 0xba), 1, Qt::DashLine);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(r, 2, 2);
            } else {
                p.setPen(QPen(QColor(0x3f, 0x47, 0x50), 1));
                p.setBrush(QColor(0x35, 0x3c, 0x44));
                p.drawRect(r);
            }
            if (scene.rackShelfSlot && place < 54 && r.height() >= 14) {
                p.setFont(paint::PictureFont(6.5));
                p.setPen(QColor(0x8b, 0x96, 0xa2));
                p.drawText(r, Qt::AlignCenter, QString::number(SlotOfPlace(place)));
            }
        }
    }
}

// Rack numbers under the columns and above the top row, while rack, shelf and slot are shown.
void DrawRackLegend(QPainter& p, const SCabinetScene& scene) {
    const QFont font = paint::PictureFont(7, true);
    const QColor ink(0xdf, 0xe6, 0xee);
    const QColor halo = kBackPlate;
    const std::pair<QRectF, const char*> top[] = {
        {QRectF(12, 17, 45, 8), "Rack 1"},
        {QRectF(59, 17, 78, 8), "Rack 2"},
        {QRectF(139, 17, 26, 8), "2"},
        {QRectF(165, 17, 44, 8), "Rack 3"},
    };
    for (const auto& [r, text] : top) {
        paint::CentredText(p, r, QString::fromLatin1(text), font, ink, halo, false);
    }
    const qreal y = ColumnsBottom(scene) - 1;
    const std::pair<QRectF, const char*> columns[] = {
        {QRectF(12, y, 23, 8), "4"},
        {QRectF(41, y, 114, 8), "Rack 5"},
        {QRectF(161, y, 50, 8), "Rack 6"},
    };
    for (const auto& [r, text] : columns) {
        paint::CentredText(p, r, QString::fromLatin1(text), font, ink, halo, false);
    }
}

// What the colours of the all-cabling picture stand for.
void DrawCableLegend(QPainter& p, const SCabinetScene& scene) {
    SceneColour colours[3] = {kSceneWhite, kSceneWhite, kSceneWhite};
    for (const SSceneCable& c : scene.cables) {
        if (!c.selected && c.cableType >= 1 && c.cableType <= 3) {
            colours[c.cableType - 1] = c.colour;
        }
    }
    const char* names[3] = {"TX", "RX main", "RX div"};
    qreal x = 12;
    const qreal y = scene.bounds.bottom - 8;
    p.setFont(paint::PictureFont(7));
    for (int i = 0; i < 3; ++i) {
        p.fillRect(QRectF(x, y - 4, 12, 3), paint::FromScene(colours[i]));
        p.setPen(QColor(0x20, 0x26, 0x2c));
        p.drawText(QPointF(x + 15, y), QString::fromLatin1(names[i]));
        x += 60;
    }
}

// The Selmo cabinet has no place table here: a plain subrack with the transceiver slots on top
// and the common modules below, its name on the plate above.
void DrawSelmoCabinet(QPainter& p, const SCabinetScene& scene) {
    const QRectF body(5, 17, scene.bounds.right - 10, scene.bounds.bottom - 22);
    p.setPen(QPen(kFrame, 2));
    p.setBrush(kBackPlate);
    p.drawRoundedRect(body, 3, 3);
    const QRectF plate(body.left() + 60, 3, body.width() - 120, 13);
    p.setPen(QPen(kFrame, 1));
    p.setBrush(QColor(0xc9, 0xcf, 0xd6));
    p.drawRoundedRect(plate, 2, 2);
    p.setFont(paint::PictureFont(8.5, true));
    p.setPen(QColor(0x16, 0x22, 0x30));
    p.drawText(plate, Qt::AlignCenter, QString::fromStdString(scene.cabinetName));
    p.setPen(QPen(QColor(0x3f, 0x47, 0x50), 1));
    p.setBrush(QColor(0x35, 0x3c, 0x44));
    for (const SRect& r : scene.emptySlots) {
        p.drawRect(ToRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void DrawPartnerFrame(QPainter& p, const SSceneUnit& u) {
    p.setPen(QPen(paint::FromScene(u.partnerColour), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ToRectF(u.rect).adjusted(1.5, 1.5, -1.5, -1.5));
}

void DrawOutline(QPainter& p, const SSceneUnit& u) {
    QPen pen(QColor(0xe0, 0x10, 0x10), 2,
             u.outline == EOutline::Solid ? Qt::SolidLine : Qt::DotLine);
    p.setPen(pen);
    // A place without a front has no face to light up when it is chosen in the list.
    p.setBrush(u.selected && !u.shown ? QBrush(QColor(0xe0, 0x10, 0x10, 90)) : QBrush(Qt::NoBrush));
    p.drawRect(ToRectF(u.rect).adjusted(2, 2, -2, -2));
}

void DrawStateMark(QPainter& p, const SPoint& at, int stateClass, qreal size) {
    p.setPen(QPen(QColor(0x1d, 0x21, 0x25), 0.7));
    p.setBrush(paint::StateClassColour(stateClass));
    p.drawEllipse(QPointF(at.x + size / 2, at.y + size / 2), size / 2, size / 2);
}

} // namespace

QSize CCabinetPainter::PictureSize(const SCabinetScene& scene) {
    if (!scene.valid) {
        return {};
    }
    return {scene.bounds.right - scene.bounds.left, scene.bounds.bottom - scene.bounds.top};
}

namespace {

// Both layers draw in the scene's own coordinates with smoothing on; false for no picture.
bool BeginScene(QPainter& p, const SCabinetScene& scene) {
    if (!scene.valid) {
        return false;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(-scene.bounds.left, -scene.bounds.top);
    return true;
}

} // namespace

void CCabinetPainter::Paint(QPainter& p, const SCabinetScene& scene, const SPaintOptions& options) {
    PaintCabinetLayer(p, scene, options);
    PaintOverCabinet(p, scene, options);
}

void CCabinetPainter::PaintCabinetLayer(QPainter& p, const SCabinetScene& scene,
                                        const SPaintOptions& options) {
    if (!BeginScene(p, scene)) {
        return;
    }
    if (options.background) {
        p.fillRect(ToRectF(scene.bounds), kBackground);
    }
    if (scene.selmo) {
        DrawSelmoCabinet(p, scene);
    } else {
        const std::unique_ptr<CCabinetKODA> cabinet = CCabinetKODA::Create(scene.cabinetType);
        DrawCabinetBody(p, scene);
        DrawMast(p, scene);
        if (cabinet != nullptr) {
            DrawEmptyPlaces(p, scene, *cabinet);
        }
    }
    for (const SSceneUnit& u : scene.units) {
        if (u.shown) {
            paint::DrawUnitFront(p, u);
        } else {
            paint::DrawPlaceBackground(p, u.rect);
        }
    }
    p.restore();
}

SCableRoutes CCabinetPainter::CableRoutes(const SCabinetScene& scene) {
    SCableRoutes routes;
    routes.paths.reserve(scene.cables.size());
    routes.lines.reserve(scene.cables.size());
    const std::vector<QRectF> fronts = paint::UnitFronts(scene);
    for (const SSceneCable& c : scene.cables) {
        routes.paths.push_back(paint::CableRoute(c, fronts));
        routes.lines.push_back(routes.paths.back().toFillPolygon());
    }
    return routes;
}

namespace {

// Whether something drawn within `reach` (scene coordinates, pens and halos included) can
// change a pixel of the part being painted; everything can when the whole is.
bool Reaches(const QRectF* within, const QRectF& reach) {
    return within == nullptr || within->intersects(reach);
}

// Whether the segment from `a` to `b` meets the rectangle: the segment cut down to the
// rectangle's slabs in x and in y leaves something over.
bool SegmentMeets(const QPointF& a, const QPointF& b, const QRectF& r) {
    qreal t0 = 0;
    qreal t1 = 1;
    const auto cut = [&](qreal from, qreal delta, qreal low, qreal high) {
        if (delta == 0) {
            return from >= low && from <= high;
        }
        qreal enter = (low - from) / delta;
        qreal leave = (high - from) / delta;
        if (enter > leave) {
            std::swap(enter, leave);
        }
        t0 = std::max(t0, enter);
        t1 = std::min(t1, leave);
        return t0 <= t1;
    };
    return cut(a.x(), b.x() - a.x(), r.left(), r.right()) &&
           cut(a.y(), b.y() - a.y(), r.top(), r.bottom());
}

// Whether something drawn along `line` with a pen reaching `m` beside it can touch `within`;
// the flattened line strays from the curve by well under the pixel added to the reach.
bool LineReaches(const QRectF* within, const QPolygonF& line, qreal m) {
    if (within == nullptr) {
        return true;
    }
    const QRectF part = within->adjusted(-m - 1, -m - 1, m + 1, m + 1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (SegmentMeets(line[i], line[i + 1 < line.size() ? i + 1 : i], part)) {
            return true;
        }
    }
    return false;
}

QRectF Around(const SPoint& at, qreal before, qreal after) {
    return QRectF(at.x - before, at.y - before, before + after, before + after);
}

// What a unit's name, frame, outline and marks may cover: its front, and a little beside it
// where a name across a narrow front sticks out.
QRectF UnitReach(const SSceneUnit& u) {
    return ToRectF(u.rect).adjusted(-4, -4, 4, 4);
}

} // namespace

void CCabinetPainter::PaintOverCabinet(QPainter& p, const SCabinetScene& scene,
                                       const SPaintOptions& options) {
    PaintOverCabinet(p, scene, options, CableRoutes(scene), nullptr);
}

void CCabinetPainter::PaintOverCabinet(QPainter& p, const SCabinetScene& scene,
                                       const SPaintOptions& options, const SCableRoutes& routes,
                                       const QRectF* within) {
    if (!BeginScene(p, scene)) {
        return;
    }
    for (const SSceneUnit& u : scene.units) {
        if (u.hovered && Reaches(within, ToRectF(u.rect))) {
            paint::DrawHover(p, u);
        }
    }
    for (std::size_t i = 0; i < scene.cables.size() && i < routes.paths.size(); ++i) {
        const SSceneCable& c = scene.cables[i];
        // Casing and plugs reach beyond the pen's own half width.
        if (LineReaches(within, routes.lines[i], c.width + 3)) {
            paint::DrawCable(p, c, routes.paths[i], within);
        }
    }
    for (const SSceneMark& m : scene.marks) {
        if (Reaches(within, Around(m.at, 3, 3))) {
            paint::DrawMark(p, m);
        }
    }
    for (const SSceneLine& l : scene.lines) {
        // The line with its halo, and the transceiver's number under its end.
        const QPolygonF line{paint::ToPointF(l.from), paint::ToPointF(l.to)};
        if (LineReaches(within, line, 3) ||
            Reaches(within, QRectF(l.to.x - 14, l.to.y - 3, 28, 17))) {
            paint::DrawCrossConnection(p, l);
        }
    }
    for (const SAntennaMark& m : scene.antennaMarks) {
        if (Reaches(within, Around(m.at, 3, 19))) {
            paint::DrawAntennaMark(p, m);
        }
    }
    for (const STrxStatusMark& m : scene.trxStatus) {
        if (Reaches(within, Around(m.at, 2, 8))) {
            DrawStateMark(p, m.at, m.stateClass, 6);
        }
    }
    // Names last, so that no cable hides which unit is which.
    for (const SSceneUnit& u : scene.units) {
        if (!Reaches(within, UnitReach(u))) {
            continue;
        }
        if (u.shown) {
            paint::WriteUnitName(p, u);
        }
        if (u.partner) {
            DrawPartnerFrame(p, u);
        }
        if (u.shown && u.logicalMark.x >= 0) {
            DrawStateMark(p, u.logicalMark, u.logicalStateClass, 7);
        }
    }
    for (const SSceneUnit& u : scene.units) {
        if (u.outline != EOutline::None && Reaches(within, UnitReach(u))) {
            DrawOutline(p, u);
        }
    }
    const QRectF picture = ToRectF(scene.bounds);
    if (scene.rackShelfSlot) {
        const qreal y = ColumnsBottom(scene) - 1;
        if (Reaches(within, QRectF(picture.left(), 12, picture.width(), 18)) ||
            Reaches(within, QRectF(picture.left(), y - 5, picture.width(), 18))) {
            DrawRackLegend(p, scene);
        }
    }
    if (scene.variant == 3 &&
        Reaches(within, QRectF(picture.left(), picture.bottom() - 22, picture.width(), 22))) {
        DrawCableLegend(p, scene);
    }
    p.restore();
    if (options.focus) {
        PaintFocus(p, scene);
    }
}

void CCabinetPainter::PaintFocus(QPainter& p, const SCabinetScene& scene) {
    if (!BeginScene(p, scene)) {
        return;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0x20, 0x26, 0x2c), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ToRectF(scene.bounds).adjusted(0, 0, -1, -1));
    p.restore();
}

QImage CCabinetPainter::Render(const SCabinetScene& scene, qreal dpr,
                               const SPaintOptions& options) {
    const QSize size = PictureSize(scene);
    if (size.isEmpty() || dpr <= 0) {
        return {};
    }
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Paint(p, scene, options);
    p.end();
    return image;
}
