#include "rules/SectorConfigKODA.h"

#include <algorithm>

#include "model/BandInformation.h"
#include "model/DataBase.h"
#include "model/UnitKTrx.h"
#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"

namespace {

// The DDU or RTC a combiner port id names in the candidate; nullptr for any other id.
const CUnit* CombinerOfPort(const CKodaConfigMaster& grid, int portId) {
    const CDataBase* db = grid.Candidate();
    if (db == nullptr) {
        return nullptr;
    }
    if (portId >= 1 && portId <= 12) {
        return db->FindUnitByDisplayedNumber(kUnitKindDdu, (portId - 1) / 2 + 1);
    }
    if (portId >= 13 && portId <= 16) {
        return db->FindUnit(kUnitKindRtc, (portId - 13) / 2 + 1);
    }
    return nullptr;
}

} // namespace

int CSectorConfigKODA::DiversityPort(const SSectorRows& rows, int position,
                                     const CKodaConfigMaster& grid) {
    if (position < 1 || position > 12) {
        return 0;
    }
    const int sector = rows[position - 1].sector;
    const int n = rows[position - 1].diversitySource;
    int p = 1;
    while (p <= 12 && rows[p - 1].sector != sector) {
        ++p;
    }
    int sum = 0;
    while (p <= 12) {
        const SSectorRow& row = rows[p - 1];
        if (row.sector == sector) {
            sum += grid.OutputsOfScheme(row.scheme);
            if (sum >= n) {
                return grid.OutputPort(p, sum - n + 1, row.scheme);
            }
        }
        p += std::max(1, grid.GroupSizeOfScheme(row.scheme));
    }
    return 0;
}

bool CSectorConfigKODA::PlaceOnGrid(int index, int bandFlags, CKodaConfigMaster& grid) const {
    const SSectorRows* rows = Record(index);
    if (rows == nullptr || !ServesBand(index, bandFlags)) {
        return false;
    }
    bool allPlaced = true;
    for (int p = 1; p <= 12; ++p) {
        const int scheme = (*rows)[p - 1].scheme;
        allPlaced = grid.PlaceScheme(p, scheme) && allPlaced;
        p += std::max(1, grid.GroupSizeOfScheme(scheme)) - 1;
    }
    for (int p = 1; p <= 12; ++p) {
        const bool withDiversity = (*rows)[p - 1].diversitySource >= 1;
        grid.SetDiversityPort(p, withDiversity ? DiversityPort(*rows, p, grid) : 0);
    }
    return allPlaced;
}

void CSectorConfigKODA::FillDiversityChoices(int index, int position, int sector, IChoiceList& list,
                                             int current, const CKodaConfigMaster& grid) const {
    list.Clear();
    const SSectorRows* rows = Record(index);
    if (rows == nullptr) {
        return;
    }
    const CUnitKTrx* trx = grid.Trx(position);
    const int ownRx = trx == nullptr ? 0 : trx->Cabling().rxCombinerId;
    std::vector<int> added;
    for (int p = 1; p <= 12;) {
        const SSectorRow& row = (*rows)[p - 1];
        if (row.sector == sector || row.sector == 0 || sector == 0) {
            for (int n = 1; n <= grid.OutputsOfScheme(row.scheme); ++n) {
                const int port = grid.OutputPort(p, n, row.scheme);
                const CUnit* unit = CombinerOfPort(grid, port);
                const bool ownPort = port == ownRx && row.scheme != 8 && row.scheme != 9;
                if (unit == nullptr || ownPort ||
                    std::find(added.begin(), added.end(), port) != added.end()) {
                    continue;
                }
                added.push_back(port);
                list.Add(unit->DisplayName(port), port);
                if (port == current) {
                    list.Select(list.Count() - 1);
                }
            }
        }
        p += std::max(1, grid.GroupSizeOfScheme(row.scheme));
    }
}

void CSectorConfigKODA::FillColumn(int index, int column, ITableList& list) const {
    const SSectorRows* rows = Record(index);
    for (int p = 1; p <= 12; ++p) {
        std::string text = "-";
        if (rows != nullptr) {
            const SSectorRow& row = (*rows)[p - 1];
            if (column == 1 && row.sector != 0) {
                text = std::to_string(row.sector);
            } else if (column == 2 && row.band != 0) {
                text = CBandInformation::BandNameOfValue(row.band);
            }
        }
        list.SetText(p - 1, column, text);
    }
}

void CSectorConfigKODA::FillSectorColumn(const SSectorRows& rows, ITableList& list) {
    for (int p = 1; p <= 12; ++p) {
        const int sector = rows[p - 1].sector;
        list.SetText(p - 1, 1, sector != 0 ? std::to_string(sector) : "-");
    }
}

void CSectorConfigKODA::FillBandColumn(const SSectorRows& rows, int bandFlags, ITableList& list) {
    for (int p = 1; p <= 12; ++p) {
        const int band = rows[p - 1].band != 0 ? rows[p - 1].band : bandFlags;
        list.SetText(p - 1, 2, CBandInformation::BandNameOfValue(band));
    }
}
