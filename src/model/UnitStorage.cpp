// How units store themselves into the records of a site configuration file.

#include "files/SCFSite.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

void CUnit::AppendStorageEntry(CSCFSite&, CSCFCabinet& cabinet) {
    cabinet.units.push_back({m_typeId, m_number, -1});
}

void CUnit::AppendShortStorageEntry(std::vector<CSCFUnit>& list) const {
    list.push_back({m_typeId, m_number, -1});
}

void CUnitKDDU::AppendStorageEntry(CSCFSite&, CSCFCabinet& cabinet) {
    cabinet.units.push_back({TypeId(), Number(), DisplayedNumber()});
}

void CUnitKTrx::AppendStorageEntry(CSCFSite&, CSCFCabinet& cabinet) {
    CSCFTrxCabling r;
    r.trxNumber = Number();
    r.bb2XCon = m_bb2Id;
    r.trxUnitTypeId = TypeId();
    if (IsUpgrade()) {
        // A planned transceiver carries no cabling yet.
        r.logicalId = 0;
        r.txCon = -1;
        r.rxMainCon = -1;
        r.rxDivCon = -1;
        r.diversityPair = -1;
    } else {
        r.logicalId = m_logicalTrxId;
        r.txPath1 = m_cabling.txPath1;
        r.txPath2 = m_cabling.txPath2;
        r.txPath3 = m_cabling.txPath3;
        r.txCon = m_cabling.txCombinerId;
        r.rxMainPath1 = m_cabling.rxMainMulticoupler;
        r.rxMainPath2 = m_cabling.rxMainPath2;
        r.rxMainCon = m_cabling.rxCombinerId;
        r.rxDivPath1 = m_cabling.rxDiversityMulticoupler;
        r.rxDivPath2 = m_cabling.rxDiversityPath2;
        r.rxDivCon = m_cabling.rxDiversityCombiner;
        r.diversityPair = m_cabling.diversityPair;
    }
    cabinet.trxCablings.push_back(r);
}

void CUnitKTRE::AppendStorageEntry(CSCFSite& site, CSCFCabinet&) {
    auto& units = site.tre.units;
    CSCFSiteTreUnit* record = nullptr;
    if (m_treRecord >= 0 && m_treRecord < static_cast<int>(units.size()) &&
        units[m_treRecord].slot == Number()) {
        record = &units[m_treRecord];
    }
    for (int i = 0; record == nullptr && i < static_cast<int>(units.size()); ++i) {
        if (units[i].slot == Number()) {
            record = &units[i];
            m_treRecord = i;
        }
    }
    if (record == nullptr) {
        units.emplace_back();
        m_treRecord = static_cast<int>(units.size()) - 1;
        record = &units.back();
    }
    record->typeId = TypeId();
    record->slot = Number();
    if (site.tre.equipmentName.empty()) {
        site.tre.equipmentName = "TRE Equipment";
    }
}
