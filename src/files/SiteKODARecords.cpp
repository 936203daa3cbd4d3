// Moving an Orvik configuration into and out of the records of a site configuration file.

#include "files/SCFSite.h"
#include "files/SiteRecords.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeCatalogue.h"
#include "model/UnitsKODA.h"

#include <algorithm>
#include <vector>

namespace {

bool ValidFileCabinetType(int type) {
    return (type >= 1 && type <= 4) || type == 7;
}

int ZeroIfUnset(int value) {
    return value == -1 ? 0 : value;
}

void CopyCablingFromRecord(CUnitKTrx& trx, const CSCFTrxCabling& r) {
    auto& c = trx.Cabling();
    c.txPath1 = r.txPath1;
    c.txPath2 = r.txPath2;
    c.txPath3 = r.txPath3;
    c.txCombinerId = r.txCon;
    c.rxCombinerId = r.rxMainCon;
    c.rxMainMulticoupler = r.rxMainPath1;
    c.rxMainPath2 = r.rxMainPath2;
    c.rxDiversityCombiner = r.rxDivCon;
    c.rxDiversityMulticoupler = r.rxDivPath1;
    c.rxDiversityPath2 = r.rxDivPath2;
    c.diversityPair = r.diversityPair;
    trx.SetBb2Id(r.bb2XCon);
    // A file code without a catalogue type reads as -1; keeping the transceiver's own type
    // lets the next save write its cabling instead of an empty record.
    if (r.trxUnitTypeId != -1) {
        trx.SetType(r.trxUnitTypeId);
    }
    if (r.logicalId == 0) {
        // A planned transceiver is stored with -1 for "no connection"; the model says 0.
        for (int* field :
             {&c.txCombinerId, &c.rxCombinerId, &c.rxDiversityCombiner, &c.diversityPair}) {
            if (*field == -1) {
                *field = 0;
            }
        }
        trx.SetUpgrade(true);
        trx.SetLogicalTrxId(trx.Number());
    } else {
        trx.SetUpgrade(false);
        trx.SetLogicalTrxId(r.logicalId);
    }
}

bool AllTwelveStraightThrough(const CDataBase& db) {
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, n);
        if (trx == nullptr || trx->IsShownOnly() || trx->Bb2Id() != n) {
            return false;
        }
    }
    return true;
}

std::unique_ptr<CUnit> CreateUnitForEntry(const CSCFUnit& entry) {
    const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(EUnitFamily::Orvik, entry.typeId);
    if (row == nullptr) {
        return nullptr;
    }
    auto unit = CSiteKODA::CreateUnitOfKind(row->category);
    if (unit) {
        unit->SetNumber(entry.slot);
    }
    return unit;
}

// The bands of the units other than transceivers that the cabinet record stores, as their types
// give them (a multicoupler or combiner of the low or high bands gives both): not yet adapted by
// the cabling rules to the transceivers they serve.
int StoredUnitBands(const CSCFCabinet& cabinet) {
    int bands = 0;
    for (const CSCFUnit& entry : cabinet.units) {
        const UnitTypeRecord* row =
            UnitTypeCatalogue::FindByTypeId(EUnitFamily::Orvik, entry.typeId);
        if (row != nullptr && row->band != kBandAny) {
            bands |= row->band & kBandMaskBits;
        }
    }
    return bands;
}

void AppendTrxRecord(const CUnitKTrx& trx, CSCFCabinet& cabinet) {
    CSCFTrxCabling r;
    r.trxNumber = trx.Number();
    r.bb2XCon = trx.Bb2Id();
    r.trxUnitTypeId = trx.TypeId();
    if (trx.IsUpgrade()) {
        // A planned transceiver carries no cabling yet.
        r.logicalId = 0;
        r.txCon = -1;
        r.rxMainCon = -1;
        r.rxDivCon = -1;
        r.diversityPair = -1;
    } else {
        const auto& c = trx.Cabling();
        r.logicalId = trx.LogicalTrxId();
        r.txPath1 = c.txPath1;
        r.txPath2 = c.txPath2;
        r.txPath3 = c.txPath3;
        r.txCon = c.txCombinerId;
        r.rxMainPath1 = c.rxMainMulticoupler;
        r.rxMainPath2 = c.rxMainPath2;
        r.rxMainCon = c.rxCombinerId;
        r.rxDivPath1 = c.rxDiversityMulticoupler;
        r.rxDivPath2 = c.rxDiversityPath2;
        r.rxDivCon = c.rxDiversityCombiner;
        r.diversityPair = c.diversityPair;
    }
    cabinet.trxCablings.push_back(r);
}

// The TRE unit record is found again by the index the unit remembers, as long as the record
// there still carries the unit's slot, else by slot; a unit without one gets a new record.
void AppendTreRecord(CUnitKTRE& tre, CSCFSite& site) {
    auto& units = site.tre.units;
    CSCFSiteTreUnit* record = nullptr;
    const int remembered = tre.TreRecordIndex();
    if (remembered >= 0 && remembered < static_cast<int>(units.size()) &&
        units[remembered].slot == tre.Number()) {
        record = &units[remembered];
    }
    for (int i = 0; record == nullptr && i < static_cast<int>(units.size()); ++i) {
        if (units[i].slot == tre.Number()) {
            record = &units[i];
            tre.SetTreRecordIndex(i);
        }
    }
    if (record == nullptr) {
        units.emplace_back();
        tre.SetTreRecordIndex(static_cast<int>(units.size()) - 1);
        record = &units.back();
    }
    record->typeId = tre.TypeId();
    record->slot = tre.Number();
    if (site.tre.equipmentName.empty()) {
        site.tre.equipmentName = "TRE Equipment";
    }
}

// What a unit adds to the site record being saved: transceivers their cabling, TRE units their
// TRE record, every other unit its entry (a DDU with its backplane connector).
void AppendUnitRecord(CUnit& unit, CSCFSite& site, CSCFCabinet& cabinet) {
    if (const auto* trx = dynamic_cast<const CUnitKTrx*>(&unit)) {
        AppendTrxRecord(*trx, cabinet);
    } else if (auto* tre = dynamic_cast<CUnitKTRE*>(&unit)) {
        AppendTreRecord(*tre, site);
    } else if (dynamic_cast<const CUnitKDDU*>(&unit) != nullptr) {
        cabinet.units.push_back({unit.TypeId(), unit.Number(), unit.DisplayedNumber()});
    } else {
        cabinet.units.push_back({unit.TypeId(), unit.Number(), -1});
    }
}

} // namespace

bool BuildSiteFromRecordKODA(CSiteKODA& site, const CSCFSite& record, int cabinetIndex) {
    CDataBaseKODA* db = site.GetKODA(kSelectCandidate);
    if (db == nullptr || cabinetIndex < 0 ||
        cabinetIndex >= static_cast<int>(record.cabinets.size())) {
        return false;
    }
    const CSCFCabinet& cab = record.cabinets[cabinetIndex];

    db->SetSwLevel(record.ucSwVersion);

    const int fileType = ValidFileCabinetType(cab.cabinetType) ? cab.cabinetType : 1;
    site.SetCabinet(ZeroIfUnset(record.bcfClockSync), ZeroIfUnset(cab.lteInstalled),
                    ZeroIfUnset(cab.vswrMonitored), ZeroIfUnset(cab.wcdmaUpgrade), fileType - 1,
                    cab.mrcSupportWbc == 1 ? 1 : 0, kSelectCandidate);
    if (CCabinet* cabinet = db->Cabinet(0)) {
        cabinet->SetDescriptionText(cab.configDescription);
    }

    for (const CSCFUnit& entry : cab.units) {
        auto created = CreateUnitForEntry(entry);
        if (!created) {
            continue;
        }
        CUnit* unit = db->FindUnit(created->Kind(), created->Number());
        if (unit != nullptr) {
            unit->SetUpgrade(false);
        } else {
            unit = created.get();
            db->AddUnit(std::move(created));
        }
        unit->SetType(entry.typeId);
        if (unit->Kind() == kUnitKindDdu && entry.index != -1) {
            unit->SetBackplaneConnector(entry.index);
        }
    }

    for (int i = 0; i < static_cast<int>(record.tre.units.size()); ++i) {
        const CSCFSiteTreUnit& treRecord = record.tre.units[i];
        auto* tre = db->Find<CUnitKTRE>(kUnitKindTre, treRecord.slot);
        if (tre == nullptr) {
            auto created = std::make_unique<CUnitKTRE>();
            created->SetNumber(treRecord.slot);
            tre = created.get();
            db->AddUnit(std::move(created));
        }
        tre->SetTreRecordIndex(i);
        tre->SetType(treRecord.typeId);
    }

    for (const CSCFTrxCabling& r : cab.trxCablings) {
        auto* trx = db->Find<CUnitKTrx>(kUnitKindTrx, r.trxNumber);
        if (trx == nullptr) {
            break;
        }
        CopyCablingFromRecord(*trx, r);
    }
    site.CableGuy()->RebuildCables(kSelectShown, 0);

    for (const CSCFAntenna& a : cab.antennas) {
        CAntenna* antenna = db->Antenna(a.antennaNumber);
        if (antenna == nullptr) {
            continue;
        }
        antenna->SetConnectedCombiner(a.unitConnection);
        antenna->SetMhaType(a.mhaType);
        antenna->SetDualBand(a.dualBand);
        antenna->SetAttenuation(a.cableAttenuation);
        antenna->SetSecondConnection(a.unit2Connection);
        antenna->SetCositeMha(a.cositeMha);
    }
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        CAntenna* antenna = db->Antenna(n);
        if (antenna->ConnectedCombiner() <= 0) {
            antenna->SetAttenuation(CAntenna::kAttenuationNotGiven);
        }
    }
    site.CableGuy()->BuildAntennaCables(kSelectCandidate);

    // The file keeps the types of the units but not the band of the network: a dual band site
    // whose transceivers are all of one of its bands is known by the other units it stores.
    site.RecomputeCandidateBand(StoredUnitBands(cab));
    return true;
}

bool CopySiteIntoRecordKODA(CSiteKODA& site, CSCFSite& record) {
    CDataBaseKODA* db = site.GetKODA(kSelectCandidate);
    if (db == nullptr) {
        return false;
    }
    record.bcfType = kBcfTypeOrvik;
    record.siteType = kSiteTypeOrvik;
    if (record.cabinets.empty()) {
        record.cabinets.emplace_back().cabinetNumber = 1;
    }
    CSCFCabinet& cab = record.cabinets.front();
    const SCabinetSettings& s = db->CabinetSettings();
    cab.cabinetType = s.cabinetType + 1;
    cab.lteInstalled = s.lte;
    cab.vswrMonitored = s.vswr;
    cab.wcdmaUpgrade = s.wcdma;
    cab.mrcSupportWbc = s.mrc;
    record.bcfClockSync = s.clockSync;
    if (const CCabinet* cabinet = db->Cabinet(0); cabinet && !cabinet->DescriptionText().empty()) {
        cab.configDescription = cabinet->DescriptionText();
    }

    // The record is filled afresh on every save; what it held came from this configuration.
    cab.units.clear();
    cab.trxCablings.clear();
    cab.antennas.clear();
    const bool straight = AllTwelveStraightThrough(*db);
    std::vector<int> treSlots;
    for (const auto& unit : db->Units()) {
        const bool storeUpgrade = unit->Kind() == kUnitKindTrx && !straight;
        if (!unit->IsShownOnly() && (!unit->IsUpgrade() || storeUpgrade)) {
            AppendUnitRecord(*unit, record, cab);
            if (unit->Kind() == kUnitKindTre) {
                treSlots.push_back(unit->Number());
            }
        }
    }
    // The TRE records keep what the tool does not edit, and so are not filled afresh; a record
    // whose unit is not in the configuration (removed, or one of the configuration that a Save
    // As replaces) would come back as a unit when the file is read.
    std::erase_if(record.tre.units, [&treSlots](const CSCFSiteTreUnit& unit) {
        return std::find(treSlots.begin(), treSlots.end(), unit.slot) == treSlots.end();
    });

    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        const CAntenna* a = db->Antenna(n);
        if (a->MhaType() == 1 && a->ConnectedCombiner() <= 0) {
            continue;
        }
        CSCFAntenna r;
        r.antennaNumber = n;
        r.mhaType = a->MhaType();
        r.cableAttenuation = a->Attenuation();
        // Values the tool does not edit but other tools may have entered go back unchanged.
        r.dualBand = a->DualBand();
        r.unitConnection = a->ConnectedCombiner();
        r.unit2Connection = a->SecondConnection();
        r.cositeMha = a->CositeMha();
        cab.antennas.push_back(r);
    }
    record.ucSwVersion = db->SwLevel();
    return true;
}
