#include "comms/FirstConfigFile.h"

#include "model/DataBaseKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace blocks {

namespace {

constexpr size_t kSwLevel = 255;
constexpr size_t kTrxCombiners = 263;
constexpr size_t kAntennas = 299;
constexpr size_t kLogicalIds = 335;
constexpr size_t kBb2Map = 347;
constexpr size_t kCabinetCode = 359;
constexpr size_t kCabinetFlag = 360;
constexpr size_t kClockSync = 361;
constexpr size_t kLte = 362;
constexpr size_t kLastInts = 364;

bool InRange(int v) {
    return v >= 1 && v <= kTrxCount;
}

uint8_t Byte(int v) {
    return static_cast<uint8_t>(v & 0xFF);
}

CUnitKTrx* Trx(const CDataBaseKODA& db, int number) {
    return db.Find<CUnitKTrx>(kUnitKindTrx, number);
}

} // namespace

SFirstFileBuild BuildFirstConfigFile(CDataBaseKODA& candidate, int btsSwLevel) {
    SFirstFileBuild result;
    auto& out = result.bytes;
    out.assign(kFirstFileSize, 0);
    std::fill(out.begin(), out.begin() + kSwLevel, 0x20);
    out[kSwLevel] = Byte(candidate.SwLevel().Level());

    for (const auto& unit : candidate.Units()) {
        auto* trx = dynamic_cast<CUnitKTrx*>(unit.get());
        if (trx == nullptr) {
            continue;
        }
        if (!InRange(trx->LogicalTrxId())) {
            trx->SetLogicalTrxId(trx->Number());
            result.candidateCorrected = true;
        }
        if (!InRange(trx->Bb2Id())) {
            trx->SetBb2Id(trx->Number());
            result.candidateCorrected = true;
        }
    }

    for (int j = 1; j <= kTrxCount; ++j) {
        const size_t at = kTrxCombiners + 3 * (j - 1);
        const CUnitKTrx* trx = Trx(candidate, j);
        if (trx != nullptr) {
            out[at] = Byte(trx->Cabling().txCombinerId);
            out[at + 1] = Byte(trx->Cabling().rxCombinerId);
            out[at + 2] = Byte(trx->Cabling().rxDiversityCombiner);
        }
        // An absent TRX keeps its own number so that the BTS reports the file as initialised.
        out[kLogicalIds + j - 1] = Byte(trx != nullptr ? trx->LogicalTrxId() : j);

        const CAntenna& antenna = *candidate.Antenna(j);
        const size_t a = kAntennas + 3 * (j - 1);
        out[a] = Byte(antenna.MhaType());
        out[a + 1] = Byte(antenna.ConnectedCombiner());
        const bool low = CombinerIsLowBand(candidate, antenna.ConnectedCombiner());
        out[a + 2] = Byte(AttenuationClass(antenna.Attenuation(), low));
    }

    for (int port = 1; port <= kTrxCount; ++port) {
        int number = port;
        for (int j = 1; j <= kTrxCount; ++j) {
            const CUnitKTrx* trx = Trx(candidate, j);
            if (trx != nullptr && trx->Bb2Id() == port) {
                number = j;
                break;
            }
        }
        out[kBb2Map + port - 1] = Byte(number);
    }

    const SCabinetSettings& cabinet = candidate.CabinetSettings();
    const bool wcdma = cabinet.wcdma != 0;
    int clockSync = cabinet.clockSync;
    if (wcdma && btsSwLevel == 1 && cabinet.cabinetType < 200) {
        result.cabinetInfoRemoved = true;
    }
    if (btsSwLevel < 2 && clockSync > 1) {
        clockSync = 0;
        result.cabinetInfoRemoved = true;
    }
    const int code = CabinetCode(cabinet.cabinetType, wcdma, btsSwLevel);
    out[kCabinetCode] = Byte(code);
    out[kCabinetFlag] = CabinetCodeFlag(code) ? 1 : 0;
    out[kClockSync] = Byte(clockSync);
    out[kLte] = cabinet.lte != 0 ? 1 : 0;
    return result;
}

std::optional<SFirstConfigFile> DecodeFirstConfigFile(std::span<const uint8_t> data) {
    if (data.size() < kFirstFileSize) {
        return std::nullopt;
    }
    SFirstConfigFile file;
    file.swLevel = data[kSwLevel] == 0 ? 2 : data[kSwLevel];
    for (size_t j = 0; j < kTrxCount; ++j) {
        STrxEntry& trx = file.trx[j];
        trx.txCombinerId = data[kTrxCombiners + 3 * j];
        trx.rxCombinerId = data[kTrxCombiners + 3 * j + 1];
        trx.rxDiversityCombiner = data[kTrxCombiners + 3 * j + 2];
        trx.logicalTrxId = data[kLogicalIds + j];
        trx.lastInt = data[kLastInts + j];
        SAntennaEntry& antenna = file.antenna[j];
        antenna.mhaType = data[kAntennas + 3 * j];
        antenna.connectedCombiner = data[kAntennas + 3 * j + 1];
        antenna.attenuationClass = data[kAntennas + 3 * j + 2];
        file.bb2Trx[j] = data[kBb2Map + j];
    }
    file.cabinetCode = data[kCabinetCode];
    file.clockSync = data[kClockSync];
    file.lte = data[kLte] == 1;
    return file;
}

bool IsInitialised(const SFirstConfigFile& file) {
    std::array<int, kTrxCount + 1> seen{};
    for (int j = 1; j <= kTrxCount; ++j) {
        const int n = file.bb2Trx[j - 1];
        if (!InRange(n) || seen[n]++ != 0) {
            return false;
        }
        if (file.trx[j - 1].logicalTrxId != j) {
            return false;
        }
    }
    return true;
}

bool ApplyBb2Ids(CDataBaseKODA& bts, const SFirstConfigFile& file) {
    bool changed = false;
    for (int port = 1; port <= kTrxCount; ++port) {
        CUnitKTrx* trx = Trx(bts, file.bb2Trx[port - 1]);
        if (trx != nullptr && trx->Bb2Id() != port) {
            trx->SetBb2Id(port);
            changed = true;
        }
    }
    return changed;
}

namespace {

// A high-gain MHA follows the band of the combiner that feeds its antenna.
void ApplyHighGain(CUnitKMHA& mha, const CDataBaseKODA& bts, int connectedCombiner) {
    const CUnit* combiner = CombinerForPort(bts, connectedCombiner);
    mha.SetType(910);
    if (combiner != nullptr) {
        mha.ApplyBandMha(combiner->Band() & kBandMaskBits, false);
    }
}

void ApplyMhaType(CUnitKMHA& mha, int plainType, const CDataBaseKODA& bts, int connectedCombiner,
                  bool bypassMarked) {
    switch (plainType) {
    case 1: {
        mha.SetUpgrade(true);
        // Not installed, but its antenna cable still hands its band to the combiner when the
        // cables are rebuilt: it must not be the band the template happened to give it.
        const CUnit* combiner = CombinerForPort(bts, connectedCombiner);
        if (combiner != nullptr && (combiner->Band() & kBandMaskBits) != 0) {
            mha.ApplyBand(combiner->Band() & kBandMaskBits);
        }
        break;
    }
    case 2:
        mha.SetUpgrade(false);
        mha.SetType(53);
        mha.SetBypassFlag(false);
        break;
    case 3:
        mha.SetUpgrade(false);
        ApplyHighGain(mha, bts, connectedCombiner);
        mha.SetBypassFlag(false);
        break;
    case 7: {
        mha.SetUpgrade(false);
        // Only an MHA the block marks as bypass takes the bypass type of the band; the others
        // are high-gain ones, in 900, 1800 and 800 alike.
        const int band = bts.Band() & kBandMaskBits;
        const int bypassType = band == kBand900    ? 68
                               : band == kBand1800 ? 69
                               : band == kBand800  ? 71
                               : band == kBand1900 ? 70
                                                   : 0;
        if (bypassType == 0) {
            break; // another band leaves the type as it is
        }
        if (bypassMarked) {
            mha.SetType(bypassType);
        } else if (band == kBand1900) {
            mha.SetType(59);
        } else {
            ApplyHighGain(mha, bts, connectedCombiner);
        }
        mha.SetBypassFlag(true);
        break;
    }
    default:
        break;
    }
}

} // namespace

void ApplyFirstConfigFile(CDataBaseKODA& bts, const SFirstConfigFile& file,
                          const SCrossConnectionBlock* block) {
    for (int j = 1; j <= kTrxCount; ++j) {
        if (CUnitKTrx* trx = Trx(bts, j); trx != nullptr) {
            const STrxEntry& e = file.trx[j - 1];
            trx->SetReserved(e.lastInt);
            trx->SetLogicalTrxId(e.logicalTrxId);
            trx->Cabling().txCombinerId = e.txCombinerId;
            trx->Cabling().rxCombinerId = e.rxCombinerId;
            trx->Cabling().rxDiversityCombiner = e.rxDiversityCombiner;
        }
    }
    for (int j = 1; j <= kTrxCount; ++j) {
        const SAntennaEntry& e = file.antenna[j - 1];
        CAntenna& antenna = *bts.Antenna(j);
        antenna.SetMhaType(e.mhaType);
        antenna.SetConnectedCombiner(e.connectedCombiner);
        antenna.SetAttenuation(e.attenuationClass == kAttenuationClassNone ? 9999
                                                                           : e.attenuationClass);
        if (block != nullptr) {
            antenna.SetCositeMha(block->cositeMha[j - 1]);
        }
    }
    ApplyMhaTypes(bts, block);
    SCabinetSettings cabinet = bts.CabinetSettings();
    bool wcdma = false;
    CabinetFromCode(file.cabinetCode, cabinet.cabinetType, wcdma);
    cabinet.wcdma = wcdma ? 1 : 0;
    cabinet.clockSync = file.clockSync;
    cabinet.lte = file.lte ? 1 : 0;
    cabinet.vswr = 0;
    if (block != nullptr) {
        cabinet.mrc = block->mrc == 1 ? 1 : 0;
    }
    bts.SetCabinetSettings(cabinet);
}

void ApplyMhaTypes(CDataBaseKODA& bts, const SCrossConnectionBlock* block) {
    for (int j = 1; j <= kTrxCount; ++j) {
        if (auto* mha = bts.Find<CUnitKMHA>(kUnitKindMha, j); mha != nullptr) {
            const CAntenna& antenna = *bts.Antenna(j);
            const bool bypassMarked = block != nullptr && block->bypassMha[j - 1] == 1;
            ApplyMhaType(*mha, antenna.MhaType(true), bts, antenna.ConnectedCombiner(),
                         bypassMarked);
        }
    }
}

void ConvertAttenuationClasses(CDataBaseKODA& bts) {
    for (int j = 1; j <= kTrxCount; ++j) {
        CAntenna& antenna = *bts.Antenna(j);
        const int value = antenna.Attenuation();
        if (value >= 0 && value <= 30) {
            const bool low = CombinerIsLowBand(bts, antenna.ConnectedCombiner());
            antenna.SetAttenuation(AttenuationFromClass(value, low));
        }
    }
}

} // namespace blocks
