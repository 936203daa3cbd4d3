#pragma once
// The first configuration file an Orvik BTS stores (376 bytes): per-TRX combiner references,
// antenna settings, logical TRX ids, the baseband cross-connection and the cabinet settings.
// Built from a configuration candidate and applied back to the configuration currently in BTS.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "comms/ConfigBlocks.h"

class CDataBaseKODA;

namespace blocks {

constexpr size_t kFirstFileSize = 376;

struct SFirstFileBuild {
    std::vector<uint8_t> bytes;
    // Cabinet settings the BTS software cannot take were left out of the file.
    bool cabinetInfoRemoved = false;
    // A TRX's logical id or baseband port was outside 1-12 and was given its own number.
    bool candidateCorrected = false;
};

// Corrects out-of-range logical TRX ids and baseband ports of the candidate first; TRX numbers
// the candidate lacks get their own number as logical id, so the file reads back as
// initialised.
SFirstFileBuild BuildFirstConfigFile(CDataBaseKODA& candidate, int btsSwLevel);

struct STrxEntry {
    int txCombinerId = 0;
    int rxCombinerId = 0;
    int rxDiversityCombiner = 0;
    int logicalTrxId = 0;
    int lastInt = 0;
};

struct SAntennaEntry {
    int mhaType = 0;
    int connectedCombiner = 0;
    int attenuationClass = 0;
};

struct SFirstConfigFile {
    int swLevel = 2;
    std::array<STrxEntry, kTrxCount> trx{};
    std::array<SAntennaEntry, kTrxCount> antenna{};
    // Per baseband port id 1-12: the TRX number cross-connected to it.
    std::array<int, kTrxCount> bb2Trx{};
    int cabinetCode = 0;
    int clockSync = 0;
    bool lte = false;
};

// nullopt when the data is shorter than a first file; bytes beyond it are ignored.
std::optional<SFirstConfigFile> DecodeFirstConfigFile(std::span<const uint8_t> data);

// A file counts as initialised when the cross-connection holds each TRX once and every logical
// id is the TRX's own number.
bool IsInitialised(const SFirstConfigFile& file);

// Gives each TRX named by the cross-connection its baseband port; true when a value changed.
bool ApplyBb2Ids(CDataBaseKODA& bts, const SFirstConfigFile& file);

// Per-TRX references, antenna settings, MHA types and the cabinet settings of an initialised
// file. Attenuations are left as classes: they are turned back into values once the cables of
// the configuration have been rebuilt (ConvertAttenuationClasses).
void ApplyFirstConfigFile(CDataBaseKODA& bts, const SFirstConfigFile& file,
                          const SCrossConnectionBlock* block);

// The MHA of each antenna by the antenna's fetched MHA type; the high-gain ones (and those not
// installed) take the band of the combiner the antenna is connected to. Run again once the
// second file has given the combiners their types: until then they only have the band the
// BTS's report gave them, and the cable rebuild would pass an MHA's wrong band on to its
// combiner.
void ApplyMhaTypes(CDataBaseKODA& bts, const SCrossConnectionBlock* block);

// Turns every antenna attenuation that holds a fetched class 0-30 back into a value.
void ConvertAttenuationClasses(CDataBaseKODA& bts);

} // namespace blocks
