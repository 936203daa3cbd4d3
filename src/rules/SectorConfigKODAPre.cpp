#include "rules/SectorConfigKODAPre.h"

#include <array>

#include "model/BandInformation.h"
#include "model/UnitKTrx.h"
#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"

namespace {

struct SPreConfig {
    const char* name;
    int bandMask;
    // sector, scheme, diversity source per position.
    std::array<std::array<int, 3>, 12> rows;
};

constexpr std::array<int, 3> _{0, 0, 0};

// The band of every row is that of the site.
constexpr std::array<SPreConfig, CSectorConfigKODAPre::kCount> kConfigs{{
    {"2+2+2",
     0xF,
     {{{1, 1, 2}, {1, 2, 2}, _, _, {2, 1, 2}, {2, 2, 2}, _, _, {3, 1, 2}, {3, 2, 2}, _, _}}},
    {"2+2+2 (Midi)",
     0xF,
     {{{1, 1, 2}, {1, 2, 2}, {2, 1, 2}, {2, 2, 2}, {3, 1, 2}, {3, 2, 2}, _, _, _, _, _, _}}},
    {"2+2+2+2+2+2",
     0xF,
     {{{1, 1, 2},
       {1, 2, 2},
       {2, 1, 2},
       {2, 2, 2},
       {3, 1, 2},
       {3, 2, 2},
       {4, 1, 2},
       {4, 2, 2},
       {5, 1, 2},
       {5, 2, 2},
       {6, 1, 2},
       {6, 2, 2}}}},
    {"4+4+4 (2:1)",
     0xF,
     {{{1, 3, 2},
       {1, 3, 2},
       {1, 4, 1},
       {1, 4, 1},
       {2, 3, 2},
       {2, 3, 2},
       {2, 4, 1},
       {2, 4, 1},
       {3, 3, 2},
       {3, 3, 2},
       {3, 4, 1},
       {3, 4, 1}}}},
    {"6+6 (RTC)",
     0xF,
     {{{1, 7, 1},
       {1, 7, 1},
       {1, 7, 1},
       {1, 7, 1},
       {1, 7, 1},
       {1, 7, 1},
       {2, 7, 1},
       {2, 7, 1},
       {2, 7, 1},
       {2, 7, 1},
       {2, 7, 1},
       {2, 7, 1}}}},
    {"6+6 (2:1)",
     0xF,
     {{{1, 3, 2},
       {1, 3, 2},
       {1, 4, 3},
       {1, 4, 3},
       {1, 3, 1},
       {1, 3, 1},
       {2, 4, 2},
       {2, 4, 2},
       {2, 3, 3},
       {2, 3, 3},
       {2, 4, 1},
       {2, 4, 1}}}},
    {"12 (Omni)",
     0xF,
     {{{1, 7, 4},
       {1, 7, 4},
       {1, 7, 4},
       {1, 7, 4},
       {1, 7, 4},
       {1, 7, 4},
       {1, 7, 2},
       {1, 7, 2},
       {1, 7, 2},
       {1, 7, 2},
       {1, 7, 2},
       {1, 7, 2}}}},
    {"6 (Omni)",
     0xF,
     {{{1, 7, 1}, {1, 7, 1}, {1, 7, 1}, {1, 7, 1}, {1, 7, 1}, {1, 7, 1}, _, _, _, _, _, _}}},
    {"8 (Omni)",
     0xF,
     {{{1, 7, 3},
       {1, 7, 3},
       {1, 7, 3},
       {1, 7, 3},
       {1, 7, 3},
       {1, 7, 3},
       {1, 3, 2},
       {1, 3, 2},
       _,
       _,
       _,
       _}}},
    {"12 (Omni 4:1)",
     0xF,
     {{{1, 5, 2},
       {1, 5, 2},
       {1, 5, 2},
       {1, 5, 2},
       {1, 6, 2},
       {1, 6, 2},
       {1, 6, 1},
       {1, 6, 1},
       {1, 5, 1},
       {1, 5, 1},
       {1, 5, 1},
       {1, 5, 1}}}},
    {"6+6 (4:1)",
     0xF,
     {{{1, 8, 1},
       {1, 8, 1},
       {1, 8, 1},
       {1, 8, 1},
       {1, 9, 1},
       {1, 9, 1},
       {2, 8, 1},
       {2, 8, 1},
       {2, 8, 1},
       {2, 8, 1},
       {2, 9, 1},
       {2, 9, 1}}}},
    {"12 (Omni 4:1 - WBT)",
     0xF,
     {{{1, 11, 2},
       {1, 11, 2},
       {1, 11, 2},
       {1, 11, 2},
       {1, 10, 2},
       {1, 10, 2},
       {1, 10, 1},
       {1, 10, 1},
       {1, 11, 1},
       {1, 11, 1},
       {1, 11, 1},
       {1, 11, 1}}}},
    {"1+1+1", 0xF, {{{1, 12, 2}, _, _, _, {2, 12, 2}, _, _, _, {3, 12, 2}, _, _, _}}},
    {"3+3+3 (2:1)",
     0xF,
     {{{1, 3, 2},
       {1, 3, 2},
       {1, 13, 1},
       _,
       {2, 3, 2},
       {2, 3, 2},
       {2, 13, 1},
       _,
       {3, 3, 2},
       {3, 3, 2},
       {3, 13, 1},
       _}}},
    {"3+3+3 (2:1 - WBT)",
     0xF,
     {{{1, 14, 2},
       {1, 14, 2},
       {1, 22, 1},
       _,
       {2, 15, 2},
       {2, 15, 2},
       {2, 21, 1},
       _,
       {3, 16, 2},
       {3, 16, 2},
       {3, 20, 1},
       _}}},
    {"4+4+4 (2:1 - WBT)",
     0xF,
     {{{1, 14, 2},
       {1, 14, 2},
       {1, 19, 1},
       {1, 19, 1},
       {2, 15, 2},
       {2, 15, 2},
       {2, 18, 1},
       {2, 18, 1},
       {3, 16, 2},
       {3, 16, 2},
       {3, 17, 1},
       {3, 17, 1}}}},
}};

const std::array<SSectorRows, CSectorConfigKODAPre::kCount>& Records() {
    static const auto records = [] {
        std::array<SSectorRows, CSectorConfigKODAPre::kCount> out{};
        for (size_t i = 0; i < kConfigs.size(); ++i) {
            for (size_t p = 0; p < 12; ++p) {
                const auto& r = kConfigs[i].rows[p];
                out[i][p] = SSectorRow{0, r[0], r[1], r[2]};
            }
        }
        return out;
    }();
    return records;
}

bool InRange(int index) {
    return index >= 0 && index < CSectorConfigKODAPre::kCount;
}

} // namespace

const SSectorRows* CSectorConfigKODAPre::Record(int index) const {
    return InRange(index) ? &Records()[index] : nullptr;
}

std::string CSectorConfigKODAPre::Name(int index) const {
    return InRange(index) ? kConfigs[index].name : "";
}

int CSectorConfigKODAPre::BandMask(int index) const {
    return InRange(index) ? kConfigs[index].bandMask : 0;
}

bool CSectorConfigKODAPre::ServesBand(int index, int bandFlags) const {
    return (BandMask(index) & bandFlags) != 0;
}

void CSectorConfigKODAPre::ShowAndApplyBand(int index, int bandFlags, ITableList& list,
                                            CKodaConfigMaster& grid) {
    const SSectorRows* rows = Record(index);
    if (rows == nullptr || !ServesBand(index, bandFlags)) {
        return;
    }
    FillSectorColumn(*rows, list);
    const bool dual = CBandInformation::IsDualBand(bandFlags);
    for (int p = 1; p <= 12; ++p) {
        CUnitKTrx* trx = grid.Trx(p);
        if (trx == nullptr) {
            continue;
        }
        if (!dual) {
            const int band = (*rows)[p - 1].band != 0 ? (*rows)[p - 1].band : bandFlags;
            trx->ApplyBand(band);
            list.SetText(p - 1, 2, CBandInformation::BandNameOfValue(band));
        }
        // The band decides the type, so the name is taken once the band is applied.
        list.SetText(p - 1, 0, trx->DisplayName());
    }
}
