// Builds a candidate from a site record whose values come from the input, then stores it back
// and walks the undo ring: whatever a file or plan put into a record, the site must not crash.
// The same record then opens as a Selmo configuration, whose transceivers are paired and
// stored both into the record and into a fresh one.

#include <cstddef>
#include <cstdint>

#include "files/SCFSite.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"
#include "model/SiteTARN.h"

namespace {

class CBytes {
public:
    CBytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    int Int() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v = (v << 8) | (m_pos < m_size ? m_data[m_pos++] : 0);
        }
        // Mostly small values, sometimes anything at all.
        return (v & 0x80000000u) != 0 ? static_cast<int>(v) : static_cast<int>(v % 1200) - 100;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CBytes in(data, size);
    CSCFSite record;
    record.ucSwVersion = CUcSwVersion(in.Int());
    record.bcfClockSync = in.Int();
    CSCFCabinet& cab = record.cabinets.emplace_back();
    cab.cabinetType = in.Int();
    cab.lteInstalled = in.Int();
    cab.mrcSupportWbc = in.Int();
    while (!in.Empty()) {
        switch (in.Int() & 3) {
        case 0:
            cab.units.push_back({in.Int(), in.Int(), in.Int()});
            break;
        case 1: {
            CSCFTrxCabling& t = cab.trxCablings.emplace_back();
            t.trxNumber = in.Int();
            t.logicalId = in.Int();
            t.bb2XCon = in.Int();
            t.trxUnitTypeId = in.Int();
            t.txCon = in.Int();
            t.txPath1 = in.Int();
            t.rxMainPath1 = in.Int();
            t.rxDivCon = in.Int();
            // No bytes of its own, so that the corpus keeps what it meant.
            t.diversityPair = t.txPath1;
            break;
        }
        case 2:
            cab.antennas.push_back(
                {in.Int(), in.Int(), in.Int(), in.Int(), in.Int(), in.Int(), in.Int()});
            break;
        default:
            record.tre.units.push_back({in.Int(), in.Int(), {}});
            break;
        }
    }

    CBtsConfiguration::Drop();
    CSiteKODA site;
    site.PushUndoStep("Open");
    BuildSiteFromRecord(site, record, 0);
    site.RebuildOccupancyMaps(kSelectCandidate);
    site.RemoveOrMarkIdleCombiners(1, kSelectCandidate);
    CSCFSite out = record;
    CopySiteIntoRecord(site, out);
    if (const CCabinet* cabinet = site.Cabinet(0, kSelectCandidate)) {
        for (const auto& unit : site.GetConfiguration(kSelectCandidate)->Units()) {
            (void)cabinet->LocationText(*unit);
            (void)cabinet->UnitRect(*unit, 0);
            (void)unit->DisplayName(unit->Number());
            (void)site.PlacesFree(kSelectCandidate, *unit, nullptr);
        }
    }
    site.Undo(kSelectCandidate);

    CSCFSite selmoRecord = record;
    selmoRecord.bcfType = kBcfTypeSelmo;
    CSiteTARN selmo;
    selmo.PushUndoStep("Open");
    if (BuildSiteFromRecord(selmo, selmoRecord, 0)) {
        selmo.PushUndoStep("Set RX Diversity Pair");
        for (const CSCFTrxCabling& t : selmoRecord.cabinets.front().trxCablings) {
            selmo.SetDiversityPair(t.trxNumber, t.rxMainPath1);
        }
        CopySiteIntoRecord(selmo, selmoRecord);
        CSCFSite fresh;
        CopySiteIntoRecord(selmo, fresh);
        selmo.ClearDiversityPairs();
        selmo.Undo(kSelectCandidate);
    }
    return 0;
}
