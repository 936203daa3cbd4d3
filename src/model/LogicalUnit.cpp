#include "model/LogicalUnit.h"

std::unique_ptr<CLogicalUnit> CLogicalUnit::Create(int logicalKind) {
    switch (logicalKind) {
    case kLogicalBcf:
        return std::make_unique<CLogicalUnitBCF>();
    case kLogicalBts:
        return std::make_unique<CLogicalUnitBTS>();
    case kLogicalTrx:
        return std::make_unique<CLogicalUnitTRX>();
    case kLogicalRtc:
        return std::make_unique<CLogicalUnitRTC>();
    default:
        return nullptr;
    }
}

std::string CLogicalUnit::DisplayName() const {
    return m_name + " " + std::to_string(m_number);
}

void CLogicalUnit::SetState(int state) {
    m_state = state;
    if (state == 0 || state == 10) {
        m_stateClass = 1;
    } else if (state == kStateNone) {
        m_stateClass = kStateNone;
    } else {
        m_stateClass = 2;
    }
}

int CLogicalUnit::StateIconId() const {
    if (m_state >= 0 && m_state <= 7) {
        return 322 + m_state;
    }
    if (m_state == 9) {
        return 330;
    }
    if (m_state == 10) {
        return 331;
    }
    return 321;
}

int CLogicalUnit::StateClassIconId() const {
    switch (m_stateClass) {
    case 1:
        return 358;
    case 2:
    case 3:
        return 357;
    case 4:
        return 359;
    default:
        return 360;
    }
}
