#pragma once
// The small pieces the stored configuration blocks of an Orvik BTS share: attenuation classes,
// the cabinet code, combiner lookup by port id and the cross-connection block that travels
// beside the first configuration file.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class CDataBaseKODA;
class CUnit;
struct SCabinetSettings;

namespace blocks {

constexpr int kTrxCount = 12;
constexpr int kAttenuationClassNone = 31;

// The DDU or RTC a combiner port id names in the configuration; nullptr for the external
// cabinets, 0 and unknown ids.
const CUnit* CombinerForPort(const CDataBaseKODA& db, int portId);

// Whether the combiner that feeds the port is a low-band (900 or 800) unit.
bool CombinerIsLowBand(const CDataBaseKODA& db, int portId);

// The class 0-30 the BTS keeps for an attenuation in hundredths of a dB; 31 for "not given" and
// for values no class holds.
int AttenuationClass(int attenuation, bool lowBand);
// The middle of the class's range; 9999 for a class outside 0-30.
int AttenuationFromClass(int attenuationClass, bool lowBand);

// The cabinet code byte: 200 + type for the types below 200, 4 more with the WCDMA upgrade on
// a BTS whose software level is not 1.
int CabinetCode(int cabinetType, bool wcdma, int btsSwLevel);
// Whether the byte beside the cabinet code is set for the code.
bool CabinetCodeFlag(int code);
// The cabinet type and WCDMA mark a fetched code stands for.
void CabinetFromCode(int code, int& cabinetType, bool& wcdma);

// The cross-connection block: co-site powered MHAs, bypass MHAs and the MRC mark; the MRC byte
// only goes to a BTS above software level 8.
std::vector<uint8_t> BuildCrossConnectionBlock(const CDataBaseKODA& db, int btsSwLevel);

struct SCrossConnectionBlock {
    std::array<uint8_t, kTrxCount> cositeMha{};
    std::array<uint8_t, kTrxCount> bypassMha{};
    uint8_t mrc = 0xFF;
};
// Bytes the BTS did not send read 0xFF.
SCrossConnectionBlock DecodeCrossConnectionBlock(std::span<const uint8_t> data);

} // namespace blocks
