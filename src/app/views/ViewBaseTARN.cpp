#include "app/views/ViewBaseTARN.h"

#include <algorithm>

#include "app/views/ViewRXCablingTARN.h"
#include "model/SiteTARN.h"
#include "platform/SettingsKeys.h"

namespace {

// Power first, as in the cabinet, then transmission, interface, fan and the outer units.
int ModuleOrder(int kind) {
    switch (kind) {
    case kUnitKindPwr:
        return 0;
    case kUnitKindTre:
        return 1;
    case kUnitKindInterface:
        return 2;
    case kUnitKindFan:
        return 3;
    case kUnitKindExternal:
        return 4;
    default:
        return 5;
    }
}

SRect BodyOf(const SCabinetScene& scene) {
    return {5, 17, scene.bounds.right - 5, scene.bounds.bottom - 5};
}

} // namespace

CViewBaseTARN::CViewBaseTARN(IViewHost& host, const CRegistry& settings) : CViewBase(host) {
    SetName("SelmoBTS");
    AddView(std::make_unique<CViewRXCablingTARN>(*this));
    SetViewSettings(settings::Read(settings, settings::kViewSettings));
    ActivateView(kViewRxCablingTARN);
}

CSiteTARN* CViewBaseTARN::SiteTARN() const {
    return dynamic_cast<CSiteTARN*>(AnySite());
}

void CViewBaseTARN::SettingsChanged(const CRegistry& settings) {
    SetViewSettings(settings::Read(settings, settings::kViewSettings));
    Redraw();
}

std::optional<SceneColour> CViewBaseTARN::CableColour(int group, bool selected) const {
    if (group != kGroupRxDiv) {
        return std::nullopt;
    }
    // The Selmo colour page sets no colours: the pairs keep the default diversity pair.
    return CViewBaseKODA::DefaultColours()[selected ? 5 : 4];
}

std::string CViewBaseTARN::UnitLabel(const CUnit& unit) {
    // A unit whose type no file or page has set yet still has the model's placeholder code.
    if (unit.TypeCodeText().empty() || unit.TypeCodeText().front() == '<') {
        return std::string(unit.Description()) + " " + std::to_string(unit.Number());
    }
    return unit.DisplayName();
}

const CUnitTTRX* CViewBaseTARN::PartnerOf(const CUnitTTRX& trx) const {
    if (!trx.HasDiversityPair() || trx.DiversityPair() == trx.Number()) {
        return nullptr;
    }
    CDataBase* db = ShownAny();
    const auto* partner =
        db != nullptr
            ? dynamic_cast<const CUnitTTRX*>(db->FindUnit(kUnitKindTrx, trx.DiversityPair()))
            : nullptr;
    return partner != nullptr && !partner->IsUpgrade() ? partner : nullptr;
}

SCabinetScene CViewBaseTARN::BuildScene() const {
    SCabinetScene scene;
    CDataBase* db = ShownAny();
    const CViewPageBase* view = ActiveView();
    if (db == nullptr || view == nullptr || db->Cabinet(0) == nullptr) {
        return scene;
    }
    scene.valid = true;
    scene.selmo = true;
    scene.cabinetName = db->Cabinet(0)->Name();
    scene.btsTab = false;
    scene.mhaCount = 0;

    std::vector<const CUnit*> trxs;
    std::vector<const CUnit*> modules;
    for (const auto& u : db->Units()) {
        if (view->IsUnitShown(*u)) {
            (u->Kind() == kUnitKindTrx ? trxs : modules).push_back(u.get());
        }
    }
    std::stable_sort(trxs.begin(), trxs.end(),
                     [](const CUnit* a, const CUnit* b) { return a->Number() < b->Number(); });
    std::stable_sort(modules.begin(), modules.end(), [](const CUnit* a, const CUnit* b) {
        const int ka = ModuleOrder(a->Kind());
        const int kb = ModuleOrder(b->Kind());
        return ka != kb ? ka < kb : a->Number() < b->Number();
    });

    const CUnit* selected = SelectedUnit();
    const auto add = [&](const CUnit& u, SRect rect) {
        SSceneUnit s;
        s.unit = &u;
        s.rect = rect;
        s.label = UnitLabel(u);
        s.shown = true;
        s.selected = &u == selected;
        s.hovered = &u == HoveredUnit();
        scene.units.push_back(s);
    };
    // Transceivers fill the slots from the top in number order; free slots stay visible.
    const int slots = std::max<int>(kMinTrxSlots, static_cast<int>(trxs.size()));
    scene.trxRows = slots;
    for (int i = 0; i < slots; ++i) {
        const int top = kTrxTop + i * kTrxPitch;
        const SRect rect{kTrxLeft, top, kTrxRight, top + kTrxHeight};
        if (i < static_cast<int>(trxs.size())) {
            add(*trxs[static_cast<std::size_t>(i)], rect);
        } else {
            scene.emptySlots.push_back(rect);
        }
    }
    const int modulesTop = kTrxTop + slots * kTrxPitch + 14;
    const int rows =
        std::max<int>(1, (static_cast<int>(modules.size()) + kModulesPerRow - 1) / kModulesPerRow);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const int row = static_cast<int>(i) / kModulesPerRow;
        const int col = static_cast<int>(i) % kModulesPerRow;
        const int left = 18 + col * kModulePitch;
        const int top = modulesTop + row * (kModuleHeight + 8);
        add(*modules[i], {left, top, left + kModuleWidth, top + kModuleHeight});
    }
    scene.bounds = {0, 0, kWidth, modulesTop + rows * (kModuleHeight + 8) + 10};

    // The selected transceiver's partner stands out with it.
    if (const auto* trx = dynamic_cast<const CUnitTTRX*>(selected)) {
        if (const CUnitTTRX* partner = PartnerOf(*trx)) {
            for (SSceneUnit& s : scene.units) {
                if (s.unit == partner) {
                    s.partner = true;
                    s.partnerColour = CableColourOrWhite(kGroupRxDiv, true);
                }
            }
        }
    }
    view->AddCables(scene);
    return scene;
}

SPictureHit CViewBaseTARN::HitTest(SPoint point) const {
    SPictureHit hit;
    const SCabinetScene scene = BuildScene();
    if (!scene.valid) {
        return hit;
    }
    for (auto it = scene.units.rbegin(); it != scene.units.rend(); ++it) {
        if (it->rect.Contains(point)) {
            hit.unit = it->unit;
            hit.overCabinet = true;
            return hit;
        }
    }
    hit.overCabinet = BodyOf(scene).Contains(point);
    return hit;
}

std::string CViewBaseTARN::StatusText(const SPictureHit& hit) const {
    if (hit.unit == nullptr) {
        return CViewBase::StatusText(hit);
    }
    const CUnit& u = *hit.unit;
    const std::string_view type = u.TypeDescription();
    std::string text = UnitLabel(u) + " - " + (type.empty() ? u.Description() : std::string(type));
    if (const auto* trx = dynamic_cast<const CUnitTTRX*>(&u)) {
        const CUnitTTRX* partner = PartnerOf(*trx);
        text += partner != nullptr ? ", RX diversity pair: " + UnitLabel(*partner)
                                   : std::string(", no RX diversity pair");
    }
    return text;
}
