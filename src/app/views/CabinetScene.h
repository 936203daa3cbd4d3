#pragma once
// What one view shows of the cabinet, worked out by the view manager from the model and the
// view's rules: which units stand where and how, which cables run between which points in what
// colour, and the marks and lines on top. Painting reads this and nothing else of the rules,
// so the window, printing and the command line draw the same picture.

#include <cstdint>
#include <string>
#include <vector>

#include "model/Connector.h"

class CUnit;

// 0xRRGGBB.
using SceneColour = std::uint32_t;
inline constexpr SceneColour kSceneWhite = 0xFFFFFF;
inline constexpr SceneColour kSceneRed = 0xFF0000;

enum class EOutline : int { None = 0, Solid = 1, Dotted = 2 };

struct SSceneUnit {
    const CUnit* unit = nullptr;
    SRect rect;
    // The name written on the front; empty for the unit's own display name.
    std::string label;
    // The partner of the selected unit, framed in this colour.
    bool partner = false;
    SceneColour partnerColour = kSceneWhite;
    // Drawn with its front; otherwise only its place is filled.
    bool shown = false;
    bool selected = false;
    bool hovered = false;
    int hoveredRow = -1;
    // Cable type whose connectors are drawn on the front: 0 none, -1 every connector.
    int connectorType = 0;
    // The view shows the connector rows with their shadow and highlight lines.
    bool connectorRows = false;
    EOutline outline = EOutline::None;
    // State of the logical unit (-1 none reported) and its class, with where the mark goes.
    int logicalState = -1;
    int logicalStateClass = -1;
    SPoint logicalMark{-1, -1};
    bool operator==(const SSceneUnit&) const = default;
};

struct SSceneCable {
    SPoint from;
    SPoint to;
    SceneColour colour = kSceneWhite;
    double width = 2.0;
    bool selected = false;
    int cableType = 0;
    // Proposed by a page, not yet recorded.
    bool changed = false;
    // Runs straight to the combiner because the unit in between is not shown.
    bool direct = false;
    bool operator==(const SSceneCable&) const = default;
};

// A state mark of a connector family on a unit (the TX, RX main or RX diversity mark).
struct SSceneMark {
    SPoint at;
    SceneColour colour = kSceneWhite;
    int cableType = 0;
    bool operator==(const SSceneMark&) const = default;
};

struct SSceneLine {
    SPoint from;
    SPoint to;
    SceneColour colour = kSceneWhite;
    bool dashed = false;
    int trx = 0;
    bool operator==(const SSceneLine&) const = default;
};

struct SAntennaMark {
    SPoint at;
    SceneColour colour = kSceneWhite;
    bool operator==(const SAntennaMark&) const = default;
};

struct STrxStatusMark {
    SPoint at;
    int trx = 0;
    int stateClass = -1;
    bool operator==(const STrxStatusMark&) const = default;
};

struct SCabinetScene {
    bool valid = false;
    // A cabinet of the older Selmo family: a plain schematic without place rectangles.
    bool selmo = false;
    // Selmo: empty transceiver slots drawn under the units.
    std::vector<SRect> emptySlots;
    int cabinetType = 0;
    int variant = 0;
    std::string cabinetName;
    // The configuration currently in BTS is shown.
    bool btsTab = false;
    // The whole picture in cabinet coordinates, the external cabinet included when drawn.
    SRect bounds;
    int trxRows = 12;
    int mhaCount = 12;
    bool rackShelfSlot = false;
    std::vector<SSceneUnit> units;
    std::vector<SSceneCable> cables;
    std::vector<SSceneMark> marks;
    std::vector<SSceneLine> lines;
    std::vector<SAntennaMark> antennaMarks;
    std::vector<STrxStatusMark> trxStatus;

    // Painting keeps what it drew while the scene it drew stays the same.
    bool operator==(const SCabinetScene&) const = default;

    const SSceneUnit* Find(const CUnit* unit) const {
        for (const SSceneUnit& u : units) {
            if (u.unit == unit) {
                return &u;
            }
        }
        return nullptr;
    }
};
