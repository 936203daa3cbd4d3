#include "comms/ObjectMaps.h"

namespace objects {

int ClassOfCode(int code) {
    switch (code) {
    case 0:
        return kClassSite;
    case 1:
    case 2:
    case 150:
        return kClassBcf;
    case 4:
    case 8:
    case 152:
        return kClassTrx;
    case 5:
        return kClassSector;
    case 16:
    case 157:
    case 200:
    case 202:
    case 203:
    case 204:
    case 205:
        return kClassTransmission;
    case 19:
        return 9;
    case 151:
        return kClassPaired;
    case 153:
        return 14;
    case 154:
        return kClassRtc;
    case 155:
        return kClassDdu;
    case 161:
        return 18;
    case 163:
        return 16;
    case 164:
        return 15;
    case 166:
        return 17;
    case 168:
        return 19;
    default:
        return 6;
    }
}

bool MapState(int objectClass, int stateByte, int& state, int& displayStatus) {
    state = -1;
    displayStatus = -1;
    switch (objectClass) {
    case kClassBcf:
        switch (stateByte) {
        case 1:
            state = 7;
            break;
        case 4:
            state = 9;
            break;
        case 5:
            state = 1;
            break;
        case 6:
            state = 2;
            break;
        case 7:
            state = 3;
            break;
        case 8:
            state = 0;
            break;
        default:
            break;
        }
        return true;
    case kClassTrx:
        if (stateByte % 16 == 0 && stateByte >= 16 && stateByte <= 96) {
            static constexpr int kTrx[] = {6, 2, 3, 1, 4, 0};
            state = kTrx[stateByte / 16 - 1];
        }
        return true;
    case kClassRtc:
        if (stateByte == 80) {
            displayStatus = 4;
        } else if (stateByte % 16 == 0 && stateByte >= 16 && stateByte <= 64) {
            static constexpr int kRtc[] = {6, 2, 3, 0};
            state = kRtc[stateByte / 16 - 1];
        }
        return true;
    default:
        return false;
    }
}

int DisplayStatusOfState(int state) {
    if (state == -1) {
        return 0;
    }
    if (state >= 5 && state <= 8) {
        return 3;
    }
    return -1;
}

std::string StateText(int state) {
    static constexpr const char* kTexts[] = {"Supervisory",
                                             "Waiting for LAPD",
                                             "Software loading",
                                             "Configuring",
                                             "Waiting for system info",
                                             "Blocked",
                                             "Waiting for external input",
                                             "Autodetecting",
                                             "Missing from configuration",
                                             "Commissioning",
                                             "Background SW loading"};
    if (state >= 0 && state <= 10) {
        return kTexts[state];
    }
    return "Unknown";
}

} // namespace objects
