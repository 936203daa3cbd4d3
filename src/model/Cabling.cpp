#include "model/Cabling.h"

#include "model/Connector.h"

CCabling::CCabling(CUnit* start, int startKind, int startIndex, CUnit* end, int endKind,
                   int endIndex)
    : m_start(start), m_end(end), m_startKind(startKind), m_endKind(endKind),
      m_startIndex(startIndex), m_endIndex(endIndex) {}

int CCabling::CableClass() const {
    switch (m_startKind) {
    case kConnTxOut:
        return 1;
    case kConnRxMainOut:
        return m_endKind == kConnRxDivIn ? 3 : 2;
    case kConnRxDivOut:
        return 3;
    default:
        return 0;
    }
}

int CCabling::CableType() const {
    switch (m_startKind) {
    case kConnCombinerAntenna:
        return kCableAntenna;
    case kConnTxMark:
        return kCableTx;
    case kConnRxMainMark:
        return kCableRxMain;
    case kConnRxDivMark:
        return kCableRxDiv;
    default:
        return CableClass();
    }
}
