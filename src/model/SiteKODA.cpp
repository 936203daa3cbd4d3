#include "model/SiteKODA.h"

#include <cstdio>

#include "model/BandInformation.h"
#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeCatalogue.h"
#include "model/UnitsKODA.h"

namespace {

bool InCombinerColumn(int kind) {
    return kind == kUnitKindDdu || kind == kUnitKindWbc || kind == kUnitKindRtc ||
           kind == kUnitKindWbt;
}

// The TX path ids a WBT answers to: inputs A, B and C.
bool IsWbtPathOf(int pathId, int wbtDisplayed) {
    const int base = 24 + 3 * (wbtDisplayed - 1);
    return pathId >= base + 1 && pathId <= base + 3;
}

bool UsesTxPath(const STrxCabling& c, const CUnit& combiner) {
    const int paths[3] = {c.txPath1, c.txPath2, c.txPath3};
    for (int p : paths) {
        if (combiner.Kind() == kUnitKindWbc ? (p < 25 && p == combiner.DisplayedNumber())
                                            : IsWbtPathOf(p, combiner.DisplayedNumber())) {
            return true;
        }
    }
    return false;
}

bool UsesMulticoupler(const STrxCabling& c, int id) {
    return c.rxMainMulticoupler == id || c.rxMainPath2 == id || c.rxDiversityMulticoupler == id ||
           c.rxDiversityPath2 == id;
}

std::vector<CUnitKTrx*> TransceiversOf(const CDataBase& db) {
    std::vector<CUnitKTrx*> out;
    for (const auto& u : db.Units()) {
        if (auto* trx = dynamic_cast<CUnitKTrx*>(u.get())) {
            out.push_back(trx);
        }
    }
    return out;
}

} // namespace

CSiteKODA::CSiteKODA(ISiteHost* host, IPrompt* prompt)
    : CSite(host, prompt), m_extKettra(std::make_unique<CUnitKExtKettra>()),
      m_extOrvik(std::make_unique<CUnitKExtOrvik>()) {
    BuildFirstCandidate();
}

CSiteKODA::~CSiteKODA() {
    // The configuration currently in BTS outlives the site; its cables must not keep pointing
    // at the external cabinets this site owns.
    if (CDataBase* bts = CBtsConfiguration::Get()) {
        bts->DeleteCablesOf(m_extKettra.get());
        bts->DeleteCablesOf(m_extOrvik.get());
    }
}

void CSiteKODA::BuildFirstCandidate() {
    CDataBaseKODA* db = GetKODA(kSelectCandidate);
    db->SetMainCabinet(CCabinetKODA::Create(kCabinetIndoor));
    auto boi = std::make_unique<CUnitKBOI>();
    boi->SetNumber(1);
    db->AddUnit(std::move(boi));
    for (int n = 1; n <= 12; ++n) {
        auto trx = std::make_unique<CUnitKTrx>();
        trx->SetNumber(n);
        trx->SetUpgrade(true);
        trx->SetLogicalTrxId(n);
        trx->SetBb2Id(n);
        db->AddUnit(std::move(trx));
    }
    for (int n = 1; n <= 12; ++n) {
        auto mha = std::make_unique<CUnitKMHA>();
        mha->SetNumber(n);
        mha->SetUpgrade(true);
        db->AddUnit(std::move(mha));
    }
    for (int n = 1; n <= 6; ++n) {
        auto bb2 = std::make_unique<CUnitKBB2>();
        bb2->SetNumber(n);
        bb2->SetUpgrade(true);
        db->AddUnit(std::move(bb2));
    }
    SetCableGuy(std::make_unique<CCableGuyKODA>(*this));
    m_template = std::make_unique<CDataBaseKODA>();
    m_template->CopyFrom(*db);
    SetBand(kBand1800, kSelectCandidate, false);
}

CUnit* CSiteKODA::ExternalUnit(int portId) const {
    if (portId == 17) {
        return m_extKettra.get();
    }
    if (portId == 18) {
        return m_extOrvik.get();
    }
    return nullptr;
}

void CSiteKODA::SetTransferStatus(int step, int status) {
    if (auto* bts = dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get())) {
        bts->SetTransferStatus(step, status);
        Host().NotifyMainWindow(kNotifyTransferStatusChanged, step * 256 + status);
    }
}

std::unique_ptr<CUnit> CSiteKODA::CreateUnitOfKind(int kind) {
    switch (kind) {
    case kUnitKindTrx:
        return std::make_unique<CUnitKTrx>();
    case kUnitKindBoi:
        return std::make_unique<CUnitKBOI>();
    case kUnitKindBb2:
        return std::make_unique<CUnitKBB2>();
    case kUnitKindPwr:
        return std::make_unique<CUnitKPWR>();
    case kUnitKindTre:
        return std::make_unique<CUnitKTRE>();
    case kUnitKindDdu:
        return std::make_unique<CUnitKDDU>();
    case kUnitKindBtr:
        return std::make_unique<CUnitKBTR>();
    case kUnitKindMc2:
        return std::make_unique<CUnitKMC2>();
    case kUnitKindMc6:
        return std::make_unique<CUnitKMC6>();
    case kUnitKindWbc:
        return std::make_unique<CUnitKWBC>();
    case kUnitKindMha:
        return std::make_unique<CUnitKMHA>();
    case kUnitKindRtc:
        return std::make_unique<CUnitKRTC>();
    case kUnitKindWbt:
        return std::make_unique<CUnitKWBT>();
    default:
        return nullptr;
    }
}

CDataBaseKODA* CSiteKODA::HolderOf(const CUnit& unit) {
    auto* candidate = dynamic_cast<CDataBaseKODA*>(Candidate());
    if (candidate != nullptr && candidate->Contains(&unit)) {
        return candidate;
    }
    auto* bts = dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get());
    if (bts != nullptr && bts->Contains(&unit)) {
        return bts;
    }
    return nullptr;
}

void CSiteKODA::RemoveOrMarkIdleCombiners(int mode, int selector) {
    CDataBaseKODA* db = GetKODA(selector);
    if (db == nullptr) {
        return;
    }
    const auto trxs = TransceiversOf(*db);
    auto usedBy = [&](auto&& uses) {
        for (const CUnitKTrx* trx : trxs) {
            if (uses(trx->Cabling())) {
                return true;
            }
        }
        return false;
    };
    std::vector<CUnit*> unused;
    for (const auto& u : db->Units()) {
        const int k = u->Kind();
        const int shown = u->DisplayedNumber();
        bool idle = false;
        if ((k == kUnitKindMc2 && shown >= 1 && shown <= 6) ||
            (k == kUnitKindMc6 && shown >= 1 && shown <= 2)) {
            const int id = u->OwnReference();
            idle = !usedBy([&](const STrxCabling& c) { return UsesMulticoupler(c, id); });
        } else if ((k == kUnitKindWbc || k == kUnitKindWbt) && shown >= 1 && shown <= 12) {
            idle = !usedBy([&](const STrxCabling& c) { return UsesTxPath(c, *u); });
        }
        if (idle) {
            unused.push_back(u.get());
        }
    }
    for (CUnit* u : unused) {
        if (mode == 0) {
            RemoveUnit(u, selector);
        } else {
            u->SetIdle(true);
        }
    }
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        CAntenna* antenna = db->Antenna(n);
        if (antenna->ConnectedCombiner() > 0) {
            continue;
        }
        antenna->SetMhaType(1);
        if (CUnit* mha = db->FindUnit(kUnitKindMha, n)) {
            mha->SetUpgrade(true);
        }
    }
}

void CSiteKODA::ReleaseUnitCabling(CUnit& unit) {
    CDataBaseKODA* db = HolderOf(unit);
    if (db == nullptr) {
        return;
    }
    const int ref = unit.OwnReference();
    auto clearAntennas = [&](int first, int second) {
        for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
            CAntenna* a = db->Antenna(n);
            if (a->ConnectedCombiner() == first || a->ConnectedCombiner() == second) {
                a->SetConnectedCombiner(0);
            }
        }
    };
    switch (unit.Kind()) {
    case kUnitKindTrx: {
        auto& c = static_cast<CUnitKTrx&>(unit).Cabling();
        const int pair = c.diversityPair;
        c = STrxCabling{};
        c.diversityPair = pair;
        break;
    }
    case kUnitKindDdu:
    case kUnitKindRtc:
        // A DDU's ports follow its backplane connector, not its number.
        clearAntennas(ref, ref + 1);
        break;
    case kUnitKindMc2:
    case kUnitKindMc6:
        for (CUnitKTrx* trx : TransceiversOf(*db)) {
            auto& c = trx->Cabling();
            for (int* field : {&c.rxMainMulticoupler, &c.rxMainPath2, &c.rxDiversityMulticoupler,
                               &c.rxDiversityPath2}) {
                if (*field == ref) {
                    *field = 0;
                }
            }
        }
        break;
    case kUnitKindWbc:
    case kUnitKindWbt:
        for (CUnitKTrx* trx : TransceiversOf(*db)) {
            auto& c = trx->Cabling();
            for (int* field : {&c.txPath1, &c.txPath2, &c.txPath3}) {
                const bool match = unit.Kind() == kUnitKindWbc
                                       ? *field < 25 && *field == ref
                                       : IsWbtPathOf(*field, unit.DisplayedNumber());
                if (match) {
                    *field = 0;
                }
            }
        }
        break;
    default:
        break;
    }
}

void CSiteKODA::MoveDduCabling(int kind, int from, int to) {
    if (kind != kUnitKindDdu || from < 1 || from > 6 || to < 1 || to > 6 || from == to) {
        return;
    }
    CDataBaseKODA* db = GetKODA(kSelectCandidate);
    if (db == nullptr) {
        return;
    }
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        CAntenna* a = db->Antenna(n);
        const int port = a->ConnectedCombiner();
        if (port == 2 * to - 1 || port == 2 * to) {
            a->SetConnectedCombiner(0);
        }
    }
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        CAntenna* a = db->Antenna(n);
        const int port = a->ConnectedCombiner();
        if (port == 2 * from - 1 || port == 2 * from) {
            a->SetConnectedCombiner(port + 2 * (to - from));
        }
    }
}

void CSiteKODA::RebuildOccupancyMaps(int selector) {
    if (CDataBaseKODA* db = GetKODA(selector)) {
        db->RebuildOccupancyMaps();
    }
}

bool CSiteKODA::PlacesFree(int selector, const CUnit& unit, const CUnit* ignore) {
    CDataBaseKODA* db = GetKODA(selector);
    if (db == nullptr) {
        return true;
    }
    const bool combiner = InCombinerColumn(unit.Kind());
    if (!combiner && unit.Kind() != kUnitKindMc2 && unit.Kind() != kUnitKindMc6) {
        return true;
    }
    const auto& map = combiner ? db->CombinerMap() : db->MulticouplerMap();
    auto ignored = [&](int place) {
        if (ignore == nullptr || InCombinerColumn(ignore->Kind()) != combiner) {
            return false;
        }
        const int first = ColumnFirstPlace(*ignore);
        return place >= first && place < first + ignore->Width();
    };
    const int first = ColumnFirstPlace(unit);
    for (int i = 0; i < unit.Width(); ++i) {
        const int place = first + i;
        if (place < 1 || place > CDataBaseKODA::kPlaces) {
            continue;
        }
        const int v = map[place - 1];
        bool ok;
        if (i == 0) {
            ok = v == 0 || v == unit.Kind() ||
                 (combiner && v == CDataBaseKODA::kContinuation && ignored(place));
        } else {
            ok = v == 0 || v == CDataBaseKODA::kContinuation || (combiner && ignored(place));
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

CUnit* CSiteKODA::CreateCombinerUnit(int kind, int number, int selector) {
    if (kind != kUnitKindDdu && kind != kUnitKindRtc) {
        return nullptr;
    }
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr) {
        return nullptr;
    }
    auto unit = CreateUnitOfKind(kind);
    unit->SetNumber(number);
    CUnit* raw = unit.get();
    db->AddUnit(std::move(unit));
    return raw;
}

std::string CSiteKODA::TypeNameById(int typeId, int number, bool parentheses) {
    const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(EUnitFamily::Orvik, typeId);
    if (row == nullptr) {
        return {};
    }
    auto unit = CreateUnitOfKind(row->category);
    if (!unit) {
        return {};
    }
    unit->SetType(typeId);
    unit->SetNumber(number);
    std::string name = unit->DisplayName(-1);
    return parentheses ? "(" + name + ")" : name;
}

void CSiteKODA::RecomputeCandidateBand(int otherUnitBands) {
    int band = CollectBand(kSelectCandidate, false);
    // An illegal mix of bands collects as 0; setting it would make every unit generic.
    if (band == 0) {
        return;
    }
    const int mask = band & kBandMaskBits;
    const int partner = mask == kBand800    ? kBand1900
                        : mask == kBand1900 ? kBand800
                        : mask == kBand900  ? kBand1800
                        : mask == kBand1800 ? kBand900
                                            : 0;
    // A dual band network whose transceivers are all of one of its bands: set as the
    // transceivers' band, it would give the other band's units the transceivers' band.
    if ((otherUnitBands & partner) != 0) {
        band |= partner;
    }
    SetBand(band, kSelectCandidate, false);
}

bool CSiteKODA::EditBtsConfiguration() {
    if (!CSite::EditBtsConfiguration()) {
        return false;
    }
    CDataBase* candidate = Candidate();
    const int band = candidate->Band();
    if (band != 0 && band != 15 && band != kBandAny) {
        for (const auto& u : candidate->Units()) {
            if (u->Kind() == kUnitKindTrx && u->Band() == kBandAny) {
                u->AdaptToBand(band);
            }
        }
    }
    CableGuy()->RecomputeCableStates(kSelectCandidate);
    Host().ResetPassiveUnits();
    RecomputeCandidateBand();
    return true;
}

void CSiteKODA::Refresh(bool withDocument) {
    if (!m_busy) {
        CSite::Refresh(withDocument);
    }
}

void CSiteKODA::ResetBtsConfiguration() {
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*m_template);
    CBtsConfiguration::Set(std::move(bts));
}

const UnitTypeRecord* CSiteKODA::CatalogueRow(int index) const {
    return UnitTypeCatalogue::Enumerate(index);
}

void CSiteKODA::Download(bool fromConnection) {
    auto* bts = dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get());
    const CUcSwVersion mine = Candidate()->SwLevel();
    if (bts != nullptr && !(bts->SwLevel() == mine)) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Configuration version (%s) is not same as BTS version (%s). Still Download?",
                      mine.Name().c_str(), bts->SwLevel().Name().c_str());
        if (!Prompt().AskYesNo(text)) {
            for (int step = 1; step <= 3; ++step) {
                bts->SetTransferPending(step, false);
            }
            return;
        }
    }
    Host().StartDownload(fromConnection);
}

std::string CSiteKODA::KindName(int kind) const {
    switch (kind) {
    case kUnitKindTrx:
        return "Transceiver";
    case kUnitKindBb2:
        return "Dual Base Band";
    case kUnitKindPwr:
        return "Power Supply";
    case kUnitKindTre:
        return "Transmission";
    case kUnitKindDdu:
        return "Dual Duplex Unit";
    case kUnitKindMc2:
        return "Multicoupler 2-way";
    case kUnitKindMc6:
        return "Multicoupler 6-way";
    case kUnitKindWbc:
        return "Wide Band Combiner";
    case kUnitKindMha:
        return "Masthead Amplifier";
    case kUnitKindRtc:
        return "Remote Tune Combiner";
    case kUnitKindWbt:
        return "Triple Wide Band Combiner";
    default:
        return {};
    }
}

void CSiteKODA::SetCabinet(int clockSync, int lte, int vswr, int wcdma, int cabinetType, int mrc,
                           int selector) {
    CDataBaseKODA* db = GetKODA(selector);
    if (db == nullptr) {
        return;
    }
    if (auto cabinet = CCabinetKODA::Create(cabinetType)) {
        // The configuration description belongs to the configuration, not to the picture.
        if (const CCabinet* previous = db->Cabinet(0)) {
            cabinet->SetDescriptionText(previous->DescriptionText());
        }
        db->SetMainCabinet(std::move(cabinet));
    }
    db->SetCabinetSettings({clockSync, lte, vswr, wcdma, cabinetType, mrc});
}
