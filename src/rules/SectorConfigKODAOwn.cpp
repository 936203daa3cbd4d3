#include "rules/SectorConfigKODAOwn.h"

#include "model/BandInformation.h"
#include "model/UnitKTrx.h"
#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"

namespace {
constexpr int kEdgeMark = 0x80;
constexpr int kPartialEdgeMark = 0x100;

bool IsSingleBand(int bandFlags) {
    const int band = bandFlags & 0x7F;
    return band == kBand900 || band == kBand1800 || band == kBand1900 || band == kBand800;
}
} // namespace

CSectorConfigKODAOwn::CSectorConfigKODAOwn() {
    for (auto& row : m_rows) {
        row.band = 1;
    }
    m_saved = m_rows;
}

bool CSectorConfigKODAOwn::CopyFrom(int, const CSectorConfigBase& other, int otherIndex) {
    const SSectorRows* rows = other.Record(otherIndex);
    if (rows == nullptr) {
        return false;
    }
    m_rows = *rows;
    return true;
}

bool CSectorConfigKODAOwn::SetDiversitySource(int, int position, int value) {
    if (position < 1 || position > 12) {
        return false;
    }
    m_rows[position - 1].diversitySource = value;
    return true;
}

bool CSectorConfigKODAOwn::SetScheme(int, int position, int value) {
    if (position < 1 || position > 12) {
        return false;
    }
    m_rows[position - 1].scheme = value;
    return true;
}

bool CSectorConfigKODAOwn::SetSector(int position, int value) {
    if (position < 1 || position > 12) {
        return false;
    }
    m_rows[position - 1].sector = value;
    return true;
}

bool CSectorConfigKODAOwn::SetBand(int position, int value) {
    if (position < 1 || position > 12) {
        return false;
    }
    m_rows[position - 1].band = value;
    return true;
}

void CSectorConfigKODAOwn::ShowAndApplyBand(int, int bandFlags, ITableList& list,
                                            CKodaConfigMaster& grid) {
    FillSectorColumn(m_rows, list);
    const bool dual = CBandInformation::IsDualBand(bandFlags);
    for (int p = 1; p <= 12; ++p) {
        SSectorRow& row = m_rows[p - 1];
        if (dual && (row.band & bandFlags & 0x7F) == 0) {
            row.band = CBandInformation::PrimaryBand(bandFlags) | (row.band & kEdgeMark);
        }
        // No band given (the sector dialog after each change) leaves each row's own band.
        if (IsSingleBand(bandFlags) && (bandFlags & kPartialEdgeMark) == 0) {
            row.band = bandFlags;
        }
        if (row.band == 0) {
            continue;
        }
        if (CUnitKTrx* trx = grid.Trx(p)) {
            trx->ApplyBand(row.band);
            list.SetText(p - 1, 0, trx->DisplayName());
        }
    }
    FillBandColumn(m_rows, bandFlags, list);
}
