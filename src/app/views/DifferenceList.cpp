#include "app/views/DifferenceList.h"

#include <map>
#include <utility>

#include "app/views/ViewTexts.h"
#include "files/ConfigInfoKODA.h"
#include "files/HWInfoFile.h"
#include "files/TextCodec.h"
#include "model/CabinetKODA.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

namespace {

enum EDifferenceView : int {
    kCabinetInfo = 1,
    kCabinetUnits = 2,
    kBb2 = 3,
    kTx = 4,
    kRxMain = 5,
    kRxDiv = 6,
    kAntenna = 8,
    kPassive = 10,
};

class CBuilder {
public:
    CBuilder(CSiteKODA& site, const CConfigInfoKODA& info, std::vector<SDifferenceItem>& out)
        : m_info(info), m_out(out), m_candidate(site.GetKODA(kSelectCandidate)),
          m_bts(dynamic_cast<const CDataBaseKODA*>(site.GetConfiguration(kSelectBts))) {}

    void View(int viewType) {
        if (!m_info.Comparable(viewType) || m_info.Same(viewType) || m_candidate == nullptr ||
            m_bts == nullptr) {
            return;
        }
        m_view = viewType;
        const std::size_t before = m_out.size();
        switch (viewType) {
        case kCabinetInfo:
            CabinetInfo();
            break;
        case kCabinetUnits:
            Units();
            break;
        case kBb2:
            CrossConnection();
            break;
        case kTx:
        case kRxMain:
        case kRxDiv:
            Cabling(viewType - kTx + kCablingTx);
            break;
        case kAntenna:
            Antennas();
            break;
        case kPassive:
            PassiveUnits();
            break;
        default:
            break;
        }
        // The comparison also counts what no single row shows (the cables the rules built):
        // the view's summaries then stand for it, so that no "Not same" goes without a row.
        if (m_out.size() == before) {
            Add(CConfigInfoKODA::ViewName(viewType), m_info.SummaryText(viewType, kSelectCandidate),
                m_info.SummaryText(viewType, kSelectBts));
        }
    }

private:
    void Add(std::string item, std::string candidate, std::string bts, int kind = 0,
             int number = 0) {
        m_out.push_back({m_view, CConfigInfoKODA::ViewName(m_view), std::move(item),
                         std::move(candidate), std::move(bts), kind, number});
    }
    void AddIfDiffers(const char* item, const std::string& candidate, const std::string& bts) {
        if (candidate != bts) {
            Add(item, candidate, bts);
        }
    }

    void CabinetInfo() {
        const SCabinetSettings& a = m_candidate->CabinetSettings();
        const SCabinetSettings& b = m_bts->CabinetSettings();
        auto type = [](int t) {
            const char* name = CCabinetKODA::TypeName(t);
            return std::string(*name != '\0' ? name : "Unknown");
        };
        AddIfDiffers("Cabinet Type", type(a.cabinetType), type(b.cabinetType));
        AddIfDiffers("Clock Sync Used", CDataBaseKODA::ClockSyncText(a.clockSync),
                     CDataBaseKODA::ClockSyncText(b.clockSync));
        AddIfDiffers("LTE Installed", ViewTexts::YesNo(a.lte == 1), ViewTexts::YesNo(b.lte == 1));
        AddIfDiffers("WCDMA Upgrade", ViewTexts::YesNo(a.wcdma == 1),
                     ViewTexts::YesNo(b.wcdma == 1));
        AddIfDiffers("MRC support with WBC", ViewTexts::YesNo(a.mrc == 1),
                     ViewTexts::YesNo(b.mrc == 1));
    }

    // "RVDB Transceiver"; the number too when the other side's unit has another.
    static std::string TypeText(const CUnit* unit, const CUnit* other) {
        if (unit == nullptr) {
            return "-";
        }
        std::string code = unit->TypeCode();
        while (!code.empty() && code.back() == ' ') {
            code.pop_back();
        }
        const std::string_view type = unit->TypeDescription();
        std::string text = code;
        const std::string description = type.empty() ? unit->Description() : std::string(type);
        if (!description.empty()) {
            text += (text.empty() ? "" : " ") + description;
        }
        if (other != nullptr && other->Number() != unit->Number()) {
            text += " (number " + std::to_string(unit->Number()) + ")";
        }
        return text;
    }

    void Units() {
        for (const SUnitDifference& d : m_info.UnitDifferences()) {
            const CUnit* named = d.candidate != nullptr ? d.candidate : d.bts;
            Add(named->DisplayName(), TypeText(d.candidate, d.bts), TypeText(d.bts, d.candidate),
                d.kind, d.displayedNumber);
        }
    }

    // The transceiver's name from whichever side has it.
    std::string TrxName(int n) const {
        for (const CDataBaseKODA* db : {m_candidate, m_bts}) {
            if (const CUnit* trx =
                    CConfigInfoKODA::StandingUnit(db, kUnitKindTrx, n, db == m_bts)) {
                return trx->DisplayName();
            }
        }
        return "RVx " + std::to_string(n);
    }

    void CrossConnection() {
        const auto& a = m_info.Summary(kSelectCandidate).cross.channel;
        const auto& b = m_info.Summary(kSelectBts).cross.channel;
        for (int n = 1; n <= 12; ++n) {
            if (a[n - 1] != b[n - 1]) {
                Add(TrxName(n), ViewTexts::Bb2Half(*m_candidate, a[n - 1]),
                    ViewTexts::Bb2Half(*m_bts, b[n - 1]), kUnitKindTrx, n);
            }
        }
    }

    // "HYGx 1a", or with the units in between: "HYGx 1a via WBC 1".
    static std::string PathText(const CDataBaseKODA& db, int kind, const std::array<int, 3>& p) {
        std::string text = ViewTexts::Combiner(db, p[2]);
        std::string via;
        for (int i = 0; i < 2; ++i) {
            if (p[i] <= 0) {
                continue;
            }
            via += via.empty() ? "" : ", ";
            via += kind == kCablingTx ? ViewTexts::TxPath(db, p[i])
                                      : ViewTexts::Multicoupler(db, p[i]);
        }
        return via.empty() ? text : text + " via " + via;
    }

    void Cabling(int kind) {
        const auto& a = m_info.Summary(kSelectCandidate).cabling.ports[kind - 1];
        const auto& b = m_info.Summary(kSelectBts).cabling.ports[kind - 1];
        for (int n = 1; n <= 12; ++n) {
            if (a[n - 1] != b[n - 1]) {
                Add(TrxName(n), PathText(*m_candidate, kind, a[n - 1]),
                    PathText(*m_bts, kind, b[n - 1]), kUnitKindTrx, n);
            }
        }
    }

    static std::string AntennaText(const CDataBaseKODA& db, int i) {
        const CAntenna* a = db.Antenna(i);
        if (a->ConnectedCombiner() <= 0) {
            return "-";
        }
        return ViewTexts::Combiner(db, a->ConnectedCombiner()) + ", " +
               CAntenna::MhaTypeText(a->MhaType(true)) + ", " + db.AntennaAttenuationText(i);
    }

    void Antennas() {
        const SAntennaSummary& a = m_info.Summary(kSelectCandidate).antennas;
        const SAntennaSummary& b = m_info.Summary(kSelectBts).antennas;
        for (int i = 1; i <= CDataBaseKODA::kAntennas; ++i) {
            const int k = i - 1;
            if (a.connection[k] == b.connection[k] && a.mhaType[k] == b.mhaType[k] &&
                a.attenuation[k] == b.attenuation[k]) {
                continue;
            }
            const bool mha = m_candidate->FindUnit(kUnitKindMha, i) != nullptr ||
                             m_bts->FindUnit(kUnitKindMha, i) != nullptr;
            Add("Antenna " + std::to_string(i), AntennaText(*m_candidate, i),
                AntennaText(*m_bts, i), mha ? kUnitKindMha : 0, mha ? i : 0);
        }
    }

    void PassiveUnits() {
        using SSlot = std::pair<int, int>;
        std::map<SSlot, std::pair<std::string, std::string>> slots;
        auto collect = [&](int configuration, bool second) {
            const CHWInfoFile* file = m_info.PassiveUnits(configuration);
            if (file == nullptr) {
                return;
            }
            for (const CHWInfoSlotEntry& e : file->FilledSlots()) {
                auto& cell = slots[{e.group, e.slot}];
                (second ? cell.second : cell.first) =
                    Cp1252ToUtf8(e.serialNumber) + " / " + Cp1252ToUtf8(e.productId);
            }
        };
        collect(kSelectCandidate, false);
        collect(kSelectBts, true);
        for (const auto& [slot, cells] : slots) {
            if (cells.first != cells.second) {
                Add(CHWInfoFile::ListName(slot.first, slot.second),
                    cells.first.empty() ? "-" : cells.first,
                    cells.second.empty() ? "-" : cells.second);
            }
        }
    }

    const CConfigInfoKODA& m_info;
    std::vector<SDifferenceItem>& m_out;
    const CDataBaseKODA* m_candidate;
    const CDataBaseKODA* m_bts;
    int m_view = 0;
};

} // namespace

std::vector<SDifferenceItem> ListDifferences(CSiteKODA* site, const CConfigInfoKODA& info) {
    std::vector<SDifferenceItem> out;
    if (site == nullptr) {
        return out;
    }
    CBuilder builder(*site, info, out);
    for (const int view : CConfigInfoKODA::DifferenceViews()) {
        builder.View(view);
    }
    return out;
}
