#include "files/SiteRecordsTARN.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <string>

#include "files/SCFKeywords.h"
#include "files/SCFSite.h"
#include "model/SiteTARN.h"
#include "model/UnitTypeCatalogue.h"

namespace {

std::unique_ptr<CUnit> CreateSelmoUnit(int kind) {
    switch (kind) {
    case kUnitKindTrx:
        return std::make_unique<CUnitTTRX>();
    case kUnitKindPwr:
        return std::make_unique<CUnitTPWR>();
    case kUnitKindTre:
        return std::make_unique<CUnitTTRE>();
    case kUnitKindInterface:
        return std::make_unique<CUnitTVIF>();
    case kUnitKindFan:
        return std::make_unique<CUnitTFAN>();
    case kUnitKindExternal:
        return std::make_unique<CUnitTOuter>();
    default:
        return nullptr;
    }
}

// The unit of that kind and number, created when the candidate lacks it; nullptr for a kind
// the Selmo family does not have or a number no unit can carry.
CUnit* UnitOf(CDataBase& db, int kind, int number) {
    if (number < 0) {
        return nullptr;
    }
    if (CUnit* unit = db.FindUnit(kind, number)) {
        return unit;
    }
    auto created = CreateSelmoUnit(kind);
    if (!created) {
        return nullptr;
    }
    created->SetNumber(number);
    CUnit* unit = created.get();
    db.AddUnit(std::move(created));
    return unit;
}

// Places a unit named by its Selmo type id; type ids of another family are left to the record.
void PlaceTypedUnit(CDataBase& db, int typeId, int number, int onlyKind = kUnitKindNone) {
    const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(EUnitFamily::Selmo, typeId);
    if (row == nullptr || (onlyKind != kUnitKindNone && row->category != onlyKind)) {
        return;
    }
    if (CUnit* unit = UnitOf(db, row->category, number)) {
        unit->SetUpgrade(false);
        unit->SetType(typeId);
    }
}

// A hop is known by its id; an id that is no number gives the hop its place in the list.
int HopNumber(const CSCFHop& hop, int position) {
    int number = 0;
    const char* first = hop.id.data();
    const char* last = first + hop.id.size();
    auto [end, ec] = std::from_chars(first, last, number);
    return ec == std::errc() && end == last && number > 0 ? number : position + 1;
}

CSCFTrxCabling TrxRecordOf(const CUnitTTRX& trx) {
    CSCFTrxCabling r;
    r.trxNumber = trx.Number();
    r.trxUnitTypeId = trx.TypeId();
    r.diversityPair = trx.DiversityPair();
    return r;
}

// A record that lists a transceiver twice gave the site the values of its last entry; that is
// the entry the site's values go back into, so that a save without edits writes what was read.
CSCFTrxCabling* TrxRecordOfNumber(CSCFCabinet& cab, int number) {
    for (auto r = cab.trxCablings.rbegin(); r != cab.trxCablings.rend(); ++r) {
        if (r->trxNumber == number) {
            return &*r;
        }
    }
    return nullptr;
}

// The interface and fan units come with every Selmo cabinet; the file has no line for them.
bool ImpliedByCabinet(const CUnit& unit) {
    const UnitTypeRecord* first =
        UnitTypeCatalogue::FirstOfCategory(EUnitFamily::Selmo, unit.Kind());
    const bool typeGiven =
        UnitTypeCatalogue::FindByTypeId(EUnitFamily::Selmo, unit.TypeId()) != nullptr;
    return unit.Number() == 1 &&
           (!typeGiven || (first != nullptr && first->typeId == unit.TypeId()));
}

bool Carried(const CUnit& unit) {
    switch (unit.Kind()) {
    case kUnitKindTrx:
        return true;
    case kUnitKindPwr:
        return unit.TypeId() < 900; // the writer leaves generic and larger ids out
    case kUnitKindTre:
        return TreUnitTypeToCode(unit.TypeId()) >= 0;
    case kUnitKindExternal:
        return HopOuTypeToCode(unit.TypeId()) >= 0;
    case kUnitKindInterface:
    case kUnitKindFan:
        return ImpliedByCabinet(unit);
    default:
        return false;
    }
}

void StoreDiversityPairs(const CDataBase& db, CSCFCabinet& cab) {
    for (const auto& unit : db.Units()) {
        const auto* trx = dynamic_cast<const CUnitTTRX*>(unit.get());
        if (trx == nullptr) {
            continue;
        }
        if (CSCFTrxCabling* r = TrxRecordOfNumber(cab, trx->Number())) {
            r->diversityPair = trx->DiversityPair();
        } else {
            cab.trxCablings.push_back(TrxRecordOf(*trx));
        }
    }
}

void StoreWholeConfiguration(const CDataBase& db, CSCFSite& record) {
    record.bcfType = kBcfTypeSelmo;
    record.ucSwVersion = db.SwLevel();
    CSCFCabinet cab;
    cab.cabinetNumber = 1;
    if (const CCabinet* cabinet = db.Cabinet(0)) {
        cab.configDescription = cabinet->DescriptionText();
    }
    // Transmission units and radio hops of the record belonged to what it held before.
    record.tre.units.clear();
    std::erase_if(record.tre.hops, [](const CSCFHop& hop) {
        const UnitTypeRecord* row =
            UnitTypeCatalogue::FindByTypeId(EUnitFamily::Selmo, hop.ouTypeId);
        return row != nullptr && row->category == kUnitKindExternal;
    });
    for (const auto& unit : db.Units()) {
        if (const auto* trx = dynamic_cast<const CUnitTTRX*>(unit.get())) {
            cab.trxCablings.push_back(TrxRecordOf(*trx));
        } else if (unit->Kind() == kUnitKindPwr) {
            cab.units.push_back({unit->TypeId(), unit->Number(), -1});
        } else if (unit->Kind() == kUnitKindTre) {
            CSCFSiteTreUnit tre;
            tre.typeId = unit->TypeId();
            tre.slot = unit->Number();
            record.tre.units.push_back(tre);
        } else if (const auto* outer = dynamic_cast<const CUnitTOuter*>(unit.get())) {
            CSCFHop hop;
            hop.name = outer->RadioHopEntry();
            hop.id = std::to_string(outer->Number());
            hop.ouTypeId = outer->TypeId();
            record.tre.hops.push_back(hop);
        }
    }
    if (!record.tre.units.empty() && record.tre.equipmentName.empty()) {
        record.tre.equipmentName = "TRE Equipment";
    }
    record.cabinets.clear();
    record.cabinets.push_back(std::move(cab));
}

} // namespace

bool BuildSiteFromRecordTARN(CSiteTARN& site, const CSCFSite& record, int cabinetIndex) {
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    if (db == nullptr || cabinetIndex < 0 ||
        cabinetIndex >= static_cast<int>(record.cabinets.size())) {
        return false;
    }
    const CSCFCabinet& cab = record.cabinets[static_cast<std::size_t>(cabinetIndex)];
    db->SetSwLevel(record.ucSwVersion);
    if (CCabinet* cabinet = db->Cabinet(0)) {
        cabinet->SetDescriptionText(cab.configDescription);
    }
    for (const CSCFUnit& entry : cab.units) {
        PlaceTypedUnit(*db, entry.typeId, entry.slot);
    }
    for (const CSCFSiteTreUnit& tre : record.tre.units) {
        PlaceTypedUnit(*db, tre.typeId, tre.slot, kUnitKindTre);
    }
    for (int i = 0; i < static_cast<int>(record.tre.hops.size()); ++i) {
        const CSCFHop& hop = record.tre.hops[static_cast<std::size_t>(i)];
        PlaceTypedUnit(*db, hop.ouTypeId, HopNumber(hop, i), kUnitKindExternal);
    }
    for (const CSCFTrxCabling& r : cab.trxCablings) {
        auto* trx = dynamic_cast<CUnitTTRX*>(UnitOf(*db, kUnitKindTrx, r.trxNumber));
        if (trx == nullptr) {
            continue;
        }
        trx->SetUpgrade(false);
        if (r.trxUnitTypeId != -1) {
            trx->SetType(r.trxUnitTypeId);
        }
        trx->SetDiversityPair(r.diversityPair);
    }
    return true;
}

bool CopySiteIntoRecordTARN(CSiteTARN& site, CSCFSite& record) {
    const CDataBase* db = site.GetConfiguration(kSelectCandidate);
    if (db == nullptr) {
        return false;
    }
    if (record.bcfType == kBcfTypeSelmo && !record.cabinets.empty()) {
        CSCFCabinet& cab = record.cabinets.front();
        StoreDiversityPairs(*db, cab);
        // Save As names the configuration anew; an empty text keeps the record's.
        if (const CCabinet* cabinet = db->Cabinet(0);
            cabinet != nullptr && !cabinet->DescriptionText().empty()) {
            cab.configDescription = cabinet->DescriptionText();
        }
        return true;
    }
    for (const auto& unit : db->Units()) {
        if (!Carried(*unit)) {
            return false;
        }
    }
    StoreWholeConfiguration(*db, record);
    return true;
}
