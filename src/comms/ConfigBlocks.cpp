#include "comms/ConfigBlocks.h"

#include "model/DataBaseKODA.h"
#include "model/UnitsKODA.h"

namespace blocks {

const CUnit* CombinerForPort(const CDataBaseKODA& db, int portId) {
    if (portId >= 1 && portId <= 12) {
        return db.FindUnitByDisplayedNumber(kUnitKindDdu, (portId - 1) / 2 + 1);
    }
    if (portId >= 13 && portId <= 16) {
        return db.FindUnitByDisplayedNumber(kUnitKindRtc, (portId - 13) / 2 + 1);
    }
    return nullptr;
}

bool CombinerIsLowBand(const CDataBaseKODA& db, int portId) {
    const CUnit* unit = CombinerForPort(db, portId);
    return unit != nullptr && (unit->Band() & kBandLowSet) != 0;
}

namespace {
int ScaleStart(bool lowBand) {
    return lowBand ? 315 : 615;
}
} // namespace

int AttenuationClass(int attenuation, bool lowBand) {
    if (attenuation == 9999) {
        return kAttenuationClassNone;
    }
    const int start = ScaleStart(lowBand);
    for (int k = 0; start - 50 * k > -395; ++k) {
        if (start - 50 * k < attenuation && attenuation < start + 50 - 50 * k) {
            return k;
        }
    }
    return kAttenuationClassNone;
}

int AttenuationFromClass(int attenuationClass, bool lowBand) {
    if (attenuationClass < 0 || attenuationClass > 30) {
        return 9999;
    }
    return ScaleStart(lowBand) + 25 - 50 * attenuationClass;
}

int CabinetCode(int cabinetType, bool wcdma, int btsSwLevel) {
    if (cabinetType >= 200) {
        return cabinetType & 0xFF;
    }
    int code = ((cabinetType - 56) % 256 + 256) % 256;
    if (wcdma && btsSwLevel != 1) {
        code = (code + 4) & 0xFF;
    }
    return code;
}

bool CabinetCodeFlag(int code) {
    return code == 201 || code == 203 || code == 205;
}

void CabinetFromCode(int code, int& cabinetType, bool& wcdma) {
    wcdma = false;
    cabinetType = 0;
    if (code == 204 || code == 205) {
        wcdma = true;
        cabinetType = code - 204;
    } else if (code >= 200 && code <= 206) {
        cabinetType = code - 200;
    }
}

std::vector<uint8_t> BuildCrossConnectionBlock(const CDataBaseKODA& db, int btsSwLevel) {
    std::vector<uint8_t> out(btsSwLevel > 8 ? 25 : 24, 0);
    for (int j = 1; j <= kTrxCount; ++j) {
        out[j - 1] = db.Antenna(j)->CositeMha() != 0 ? 1 : 0;
        const CUnit* mha = db.FindUnit(kUnitKindMha, j);
        out[11 + j] = mha != nullptr && IsBypassMhaTypeId(mha->TypeId()) && !mha->IsUpgrade();
    }
    if (out.size() > 24) {
        out[24] = db.CabinetSettings().mrc != 0 ? 1 : 0;
    }
    return out;
}

SCrossConnectionBlock DecodeCrossConnectionBlock(std::span<const uint8_t> data) {
    auto at = [&](size_t i) -> uint8_t { return i < data.size() ? data[i] : 0xFF; };
    SCrossConnectionBlock block;
    for (size_t j = 0; j < kTrxCount; ++j) {
        block.cositeMha[j] = at(j);
        block.bypassMha[j] = at(12 + j);
    }
    block.mrc = at(24);
    return block;
}

} // namespace blocks
