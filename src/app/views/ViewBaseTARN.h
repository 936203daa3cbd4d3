#pragma once
// The view manager of a Selmo site: one view, the RX diversity pairs of its transceivers, on a
// plain schematic of the cabinet. The family has no BTS connection, no tab row and no colour
// options of its own, so the pairs are drawn in the default RX diversity colours.

#include "app/views/ViewBase.h"

class CSiteTARN;
class CUnitTTRX;

class CViewBaseTARN : public CViewBase {
public:
    // Where the schematic puts things, in picture pixels.
    static constexpr int kWidth = 240;
    static constexpr int kTrxLeft = 72;
    static constexpr int kTrxRight = 226;
    static constexpr int kTrxTop = 34;
    static constexpr int kTrxHeight = 24;
    static constexpr int kTrxPitch = 28;
    static constexpr int kMinTrxSlots = 4;
    static constexpr int kModuleWidth = 46;
    static constexpr int kModulePitch = 52;
    static constexpr int kModuleHeight = 74;
    static constexpr int kModulesPerRow = 4;

    // Reads the display options from the settings store and shows the diversity view.
    CViewBaseTARN(IViewHost& host, const CRegistry& settings);

    CSiteTARN* SiteTARN() const;
    std::optional<SceneColour> CableColour(int group, bool selected) const override;
    SCabinetScene BuildScene() const override;
    SPictureHit HitTest(SPoint point) const override;
    std::string StatusText(const SPictureHit& hit) const override;
    // The options were applied: only the display options concern this family.
    void SettingsChanged(const CRegistry& settings);

    // The name a Selmo unit goes by: its type code and number, or its kind and number while it
    // has no type ("Transceiver 2").
    static std::string UnitLabel(const CUnit& unit);
    // The partner a transceiver names, when the configuration holds it.
    const CUnitTTRX* PartnerOf(const CUnitTTRX& trx) const;
};
