#include "rules/AntennaTypeRule.h"

#include "model/SiteKODA.h"

namespace {

constexpr int kDefaultHighGainAttenuation = 190;

bool IsHighGainType(int typeId) {
    return typeId == 50 || typeId == 51 || typeId == 52 || typeId == 54;
}

bool IsBypassType(int typeId) {
    return typeId == 59 || (typeId >= 68 && typeId <= 71);
}

} // namespace

void ApplyAntennaTypeRule(CSiteKODA& site) {
    // The BTS configuration is shown as reported, never adjusted.
    if (site.ShowsBts()) {
        return;
    }
    CDataBaseKODA* db = site.GetKODA(kSelectCandidate);
    if (db == nullptr) {
        return;
    }
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        const CUnit* mha = db->FindUnit(kUnitKindMha, n);
        if (mha == nullptr) {
            continue;
        }
        CAntenna& antenna = *db->Antenna(n);
        const int vswr = antenna.VswrMonitoring() ? 1 : 0;
        const int typeId = mha->TypeId();
        if (mha->IsUpgrade()) {
            antenna.SetMhaType(vswr ? 4 : 1);
            antenna.SetAttenuation(CAntenna::kAttenuationNotGiven);
        } else if (IsHighGainType(typeId) || IsBypassType(typeId)) {
            const bool bypass = IsBypassType(typeId);
            antenna.SetMhaType(bypass ? (vswr ? 8 : 7) : (vswr ? 6 : 3));
            if (antenna.Attenuation() == CAntenna::kAttenuationNotGiven) {
                antenna.SetAttenuation(kDefaultHighGainAttenuation);
            }
        } else if (typeId == 53) {
            antenna.SetMhaType(vswr ? 5 : 2);
            antenna.SetAttenuation(CAntenna::kAttenuationNotGiven);
        }
    }
}
