#include "rules/KodaConfigMaster.h"

#include "model/Site.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "rules/KodaConfig.h"

CKodaConfigMaster::CKodaConfigMaster(CSite& site) : m_site(site) {
    auto& s = m_schemes;
    s[1] = std::make_unique<CKodaConfigDDU1>(1, *this);
    s[2] = std::make_unique<CKodaConfigDDU1b>(2, *this);
    s[3] = std::make_unique<CKodaConfigDDU2>(3, *this);
    s[4] = std::make_unique<CKodaConfigDDU2b>(4, *this);
    s[5] = std::make_unique<CKodaConfigDDU4>(5, *this);
    s[6] = std::make_unique<CKodaConfigDDU4b>(6, *this);
    s[7] = std::make_unique<CKodaConfigRTC>(7, *this);
    s[8] = std::make_unique<CKodaConfigWBT4>(8, *this);
    s[9] = std::make_unique<CKodaConfigWBT4b>(9, *this);
    s[10] = std::make_unique<CKodaConfigWBT4a>(10, *this);
    s[11] = std::make_unique<CKodaConfigWBT4c>(11, *this);
    s[12] = std::make_unique<CKodaConfigDDU1c>(12, *this);
    s[13] = std::make_unique<CKodaConfigWBC1b>(13, *this);
    s[14] = std::make_unique<CKodaConfigWBT2A>(14, *this);
    s[15] = std::make_unique<CKodaConfigWBT2B>(15, *this);
    s[16] = std::make_unique<CKodaConfigWBT2C>(16, *this);
    s[17] = std::make_unique<CKodaConfigWBT2Ab>(17, *this);
    s[18] = std::make_unique<CKodaConfigWBT2Bb>(18, *this);
    s[19] = std::make_unique<CKodaConfigWBT2Cb>(19, *this);
    s[20] = std::make_unique<CKodaConfigWBT1Ab>(20, *this);
    s[21] = std::make_unique<CKodaConfigWBT1Bb>(21, *this);
    s[22] = std::make_unique<CKodaConfigWBT1Cb>(22, *this);
}

CKodaConfigMaster::~CKodaConfigMaster() = default;

CDataBase* CKodaConfigMaster::Candidate() const {
    return m_site.GetConfiguration(kSelectCandidate);
}

CUnitKTrx* CKodaConfigMaster::Trx(int number) const {
    if (number < 1 || number > 12) {
        return nullptr;
    }
    CDataBase* db = Candidate();
    return db == nullptr ? nullptr : db->Find<CUnitKTrx>(kUnitKindTrx, number);
}

CKodaConfig* CKodaConfigMaster::Scheme(int id) const {
    return id >= 1 && id <= kSchemeCount ? m_schemes[id].get() : nullptr;
}

bool CKodaConfigMaster::PlaceScheme(int position, int schemeId) {
    if (schemeId == 0) {
        const int placed = SchemeAt(position);
        if (placed == kOutside) {
            return false;
        }
        CKodaConfig* scheme = Scheme(placed);
        if (scheme == nullptr) {
            return true;
        }
        // Positions inside a group only know their place in it; the group is released from
        // its first position.
        const int start = PlacedGroupStart(position, *scheme);
        return start != 0 && scheme->Release(start);
    }
    CKodaConfig* scheme = Scheme(schemeId);
    return scheme != nullptr && scheme->Fits(position) && scheme->Place(position);
}

std::string CKodaConfigMaster::SchemeNameAt(int position) const {
    const int id = SchemeAt(position);
    if (id <= 0) {
        return "None";
    }
    const CKodaConfig* scheme = Scheme(id);
    return scheme == nullptr ? "Internal error" : scheme->Name();
}

void CKodaConfigMaster::SetUses(int p, int scheme, int trxUse, int combinerUse) {
    SetSchemeAt(p, scheme);
    SetTrxUse(p, trxUse);
    SetCombinerUse(p, combinerUse);
}

void CKodaConfigMaster::SetPlaceKindMark(int p, int place, int kind, int mark) {
    SetPlaceInGroup(p, place);
    SetMulticouplerKind(p, kind);
    SetCombinerMark(p, mark);
}

void CKodaConfigMaster::Clear() {
    for (auto* a :
         {&m_scheme, &m_trxUse, &m_combinerUse, &m_diversity, &m_kind, &m_place, &m_mark}) {
        a->fill(0);
    }
    RemoveSchemeUnits();
}

int CKodaConfigMaster::OutputsOfScheme(int id) const {
    const CKodaConfig* scheme = Scheme(id);
    return scheme == nullptr ? 0 : scheme->Outputs();
}

int CKodaConfigMaster::GroupSizeOfScheme(int id) const {
    const CKodaConfig* scheme = Scheme(id);
    return scheme == nullptr ? 0 : scheme->GroupSize();
}

int CKodaConfigMaster::PlacedGroupStart(int position, const CKodaConfig& scheme) const {
    int start = position;
    if (scheme.GroupSize() > 1) {
        while (start > 1 && PlaceInGroup(start) != 1) {
            --start;
        }
        if (PlaceInGroup(start) != 1 || SchemeAt(start) != scheme.Id()) {
            return 0;
        }
    }
    return start;
}

int CKodaConfigMaster::OutputPort(int position, int n, int schemeId) const {
    const CKodaConfig* scheme = Scheme(schemeId);
    if (scheme == nullptr || n < 1 || n > scheme->Outputs()) {
        return 0;
    }
    // A group of four may start at any odd position, so a position inside a placed group is
    // answered for that group, not for one that would start there.
    if (SchemeAt(position) == schemeId) {
        if (const int start = PlacedGroupStart(position, *scheme); start != 0) {
            return scheme->OutputPort(start, n);
        }
    }
    return scheme->OutputPort(position, n);
}

int CKodaConfigMaster::MulticouplerOfPosition(int position, int& firstPosition) const {
    firstPosition = 0;
    CDataBase* db = Candidate();
    if (db == nullptr || position < 1 || position > 12) {
        return 0;
    }
    if (db->FindUnit(kUnitKindMc6, (position - 1) / 6 + 1) != nullptr) {
        firstPosition = position <= 6 ? 1 : 7;
        return 6;
    }
    if (db->FindUnit(kUnitKindMc2, position - (position + 1) % 2) != nullptr) {
        firstPosition = position - (position + 1) % 2;
        return 2;
    }
    return 0;
}

int CKodaConfigMaster::RxMulticouplerId(int position) const {
    const int first = position <= 6 ? 1 : 7;
    for (int p = first; p < first + 6; ++p) {
        if (MulticouplerKind(p) == 6) {
            return first == 1 ? 7 : 8;
        }
    }
    return (position - 1) / 2 + 1;
}

void CKodaConfigMaster::SetGroupDiversityPort(int position, int port) {
    int first = 0;
    const int kind = MulticouplerOfPosition(position, first);
    if (kind == 0) {
        SetDiversityPort(position, port);
        return;
    }
    for (int p = first; p < first + kind; ++p) {
        SetDiversityPort(p, port);
    }
}

void CKodaConfigMaster::RemoveSchemeUnits() {
    CDataBase* db = Candidate();
    if (db == nullptr) {
        return;
    }
    for (int kind : {kUnitKindTrx, kUnitKindDdu, kUnitKindMc2, kUnitKindMc6, kUnitKindWbc,
                     kUnitKindWbt, kUnitKindRtc}) {
        // A unit kept when removed stays in the list, so walk on past it.
        int position = 0;
        while (CUnit* unit = db->NextUnitOfKind(position, kind)) {
            const bool kept = unit->KeepWhenRemoved();
            m_site.RemoveUnit(unit, kSelectCandidate);
            if (!kept) {
                position = 0;
            }
        }
    }
    // References of kept transceivers name units that were just removed; left behind they
    // would keep schemes from fitting again. An apply writes them afresh.
    for (int n = 1; n <= 12; ++n) {
        if (CUnitKTrx* trx = Trx(n)) {
            trx->Cabling() = STrxCabling{};
        }
    }
}

void CKodaConfigMaster::CreateUnit(int kind, int number) {
    CDataBase* db = Candidate();
    if (db == nullptr || db->FindUnit(kind, number) != nullptr) {
        return;
    }
    auto unit = CSiteKODA::CreateUnitOfKind(kind);
    if (!unit) {
        return;
    }
    unit->SetNumber(number);
    db->AddUnit(std::move(unit));
}

CUnitKTrx* CKodaConfigMaster::TrxForApply(int number) {
    if (CUnitKTrx* trx = Trx(number)) {
        return trx;
    }
    // A position the grid gives a scheme gets its transceiver even when it was not kept
    // through the removal: the user asked for a transceiver there.
    CDataBase* db = Candidate();
    if (db == nullptr) {
        return nullptr;
    }
    auto trx = std::make_unique<CUnitKTrx>();
    trx->SetNumber(number);
    trx->SetLogicalTrxId(number);
    trx->SetBb2Id(number);
    CUnitKTrx* raw = trx.get();
    db->AddUnit(std::move(trx));
    return raw;
}

void CKodaConfigMaster::Apply(int band) {
    if (band != -1) {
        m_band = band;
    }
    RemoveSchemeUnits();
    for (int half = 0; half < 2; ++half) {
        for (int p = 1 + 6 * half; p <= 6 + 6 * half; ++p) {
            if (MulticouplerKind(p) == 6) {
                CreateUnit(kUnitKindMc6, half + 1);
                break;
            }
        }
    }
    for (int k = 1; k <= 11; k += 2) {
        const bool sixWay = Candidate() != nullptr &&
                            Candidate()->FindUnit(kUnitKindMc6, (k - 1) / 6 + 1) != nullptr;
        if (!sixWay && MulticouplerKind(k) == 2) {
            CreateUnit(kUnitKindMc2, k);
        }
    }
    for (int k = 1; k <= 12; ++k) {
        const int mark = CombinerMark(k);
        if (mark >= 10 && mark <= 13) {
            CreateUnit(kUnitKindWbc, k);
        } else if (mark == 1) {
            CreateUnit(kUnitKindDdu, k);
        } else if (mark == 6) {
            CreateUnit(kUnitKindRtc, (k - 1) / 6 + 1);
        } else if (mark >= 14) {
            CreateUnit(kUnitKindWbt, k);
        }
    }
    for (int p = 1; p <= 12; ++p) {
        CKodaConfig* scheme = Scheme(SchemeAt(p));
        if (scheme == nullptr) {
            continue;
        }
        if (CUnitKTrx* trx = TrxForApply(p)) {
            trx->SetUpgrade(false);
            scheme->WriteReferences(p);
        }
    }
    if (m_band > 0) {
        m_site.SetBand(m_band, kSelectCandidate, false);
    }
    if (CCableGuy* guy = m_site.CableGuy()) {
        guy->RebuildCables(kSelectCandidate, 1);
    }
}
