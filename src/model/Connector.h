#pragma once
// Connectors through which units are cabled, and which connector kinds belong to which cable
// type.

#include <span>

// Connector kinds, named in the direction of the signal.
enum EConnectorKind : int {
    kConnMhaAntenna = 1,
    kConnCombinerAntenna = 2,
    kConnTxIn = 3,
    kConnTxOut = 4,
    kConnRxMainIn = 5,
    kConnRxMainOut = 6,
    kConnRxDivIn = 7,
    kConnRxDivOut = 8,
    kConnTxMark = 9,
    kConnRxMainMark = 10,
    kConnRxDivMark = 11,
};

// Cable types.
enum ECableType : int {
    kCableTx = 1,
    kCableRxMain = 2,
    kCableRxDiv = 3,
    kCableAntenna = 5,
};

struct SConnector {
    int index;
    int kind;
    int x;
    int y;
};

using ConnectorList = std::span<const SConnector>;

struct SPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SPoint&) const = default;
};

struct SRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    // Right and bottom edges are outside.
    bool Contains(SPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool operator==(const SRect&) const = default;
};

// Whether a connector kind is drawn for the cable type (its input, output and state mark).
inline bool ConnectorKindBelongsTo(int cableType, int connectorKind) {
    switch (cableType) {
    case kCableTx:
        return connectorKind == kConnTxIn || connectorKind == kConnTxOut ||
               connectorKind == kConnTxMark;
    case kCableRxMain:
        return connectorKind == kConnRxMainIn || connectorKind == kConnRxMainOut ||
               connectorKind == kConnRxMainMark;
    case kCableRxDiv:
        return connectorKind == kConnRxDivIn || connectorKind == kConnRxDivOut ||
               connectorKind == kConnRxDivMark;
    case kCableAntenna:
        return connectorKind == kConnMhaAntenna || connectorKind == kConnCombinerAntenna;
    default:
        return false;
    }
}
