#pragma once
// The second configuration file an Orvik BTS stores: an "MMI" block of sections with the DDUs,
// RTCs, TRX paths, TRX bands and the multicouplers and combiners of a configuration.

#include <cstdint>
#include <map>
#include <span>
#include <vector>

class CDataBaseKODA;

namespace blocks {

constexpr int kSecondFileVersion = 2;
// The largest file a configuration gives: 33 multicouplers and combiners.
constexpr size_t kSecondFileMaxSize = 2 * 33 + 170;

enum ESecondFileSection : int {
    kSectionDdu = 1,
    kSectionTrxPaths = 2,
    kSectionCombiners = 3,
    kSectionTrxBands = 4,
    kSectionRtc = 5,
};

std::vector<uint8_t> BuildSecondConfigFile(const CDataBaseKODA& db);

struct SSecondConfigFile {
    bool hasHeader = false;
    int version = 0;
    // Each section as it stands, its type and length bytes included, so offsets within a
    // section count from its type byte. The first section of a type wins.
    std::map<int, std::vector<uint8_t>> sections;

    // The byte at the offset of the section; 0 when the section or the byte is missing.
    int At(int section, size_t offset) const;
    bool Has(int section) const { return sections.count(section) != 0; }
};

// Walks the sections within the length the header gives and within the data; a section that
// runs past the end is cut at it.
SSecondConfigFile DecodeSecondConfigFile(std::span<const uint8_t> data);

// Replaces the DDU and RTC numbering and types, TRX paths and the multicoupler and combiner
// units of the configuration by what the file holds. Idle TRXs whose paths changed are handed
// back so that their cabling state can be recomputed.
std::vector<int> ApplySecondConfigFile(CDataBaseKODA& bts, const SSecondConfigFile& file);

} // namespace blocks
