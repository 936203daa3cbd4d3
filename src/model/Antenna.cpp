#include "model/Antenna.h"

#include <cstdio>

int CAntenna::MhaType(bool plain) const {
    if (!plain) {
        return m_mhaType;
    }
    switch (m_mhaType) {
    case 4:
        return 1;
    case 5:
        return 2;
    case 6:
        return 3;
    case 8:
        return 7;
    default:
        return m_mhaType;
    }
}

void CAntenna::SetMhaType(int type) {
    if (type >= 1 && type <= 8) {
        m_mhaType = type;
    }
}

bool CAntenna::VswrMonitoring() const {
    return m_mhaType == 4 || m_mhaType == 5 || m_mhaType == 6 || m_mhaType == 8;
}

const char* CAntenna::MhaTypeText(int type) {
    switch (type) {
    case 1:
    case 4:
        return "No MHA";
    case 2:
    case 5:
        return "Low gain MHA";
    case 3:
    case 6:
        return "High gain MHA";
    case 7:
    case 8:
        return "High gain MHA with bypass";
    default:
        return "";
    }
}

std::string CAntenna::FormatAttenuation(int value) {
    if (value == kAttenuationNotGiven) {
        return "High gain";
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, value >= 0 ? "+%0.2f" : "%0.2f", value / 100.0);
    return buf;
}

std::string CAntenna::AttenuationText() const {
    return FormatAttenuation(m_attenuation);
}

void CAntenna::SetCositeMha(int value) {
    if (value == 0 || value == 1) {
        m_cositeMha = value;
    }
}
