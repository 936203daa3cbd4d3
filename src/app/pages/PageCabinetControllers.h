#pragma once
// The cabinet pages: the cabinet type and the cabinet usage settings (clock synchronisation,
// LTE, VSWR monitoring, WCDMA upgrade, MRC support).

#include <optional>
#include <string>

#include "app/pages/PageController.h"
#include "model/DataBaseKODA.h"

// Chooses the cabinet type. Midi and Mini cabinets have no room for the WCDMA upgrade, so
// choosing one clears it together with MRC, which needs it. A smaller cabinet has no place for
// some units; they leave the configuration with the change, after the user agreed to it.
class PageCabTypeController : public CPageController {
public:
    static constexpr const char* kUndoLabel = "Change Cabinet Type";

    using CPageController::CPageController;

    // The radio button index 0-4 of the stored type (Mini, type 6, is button 4); -1 for none.
    int SelectedButton() const;
    static int TypeOfButton(int button);
    // Takes a cabinet type value 0-3 or 6. False for any other value, when nothing changed or
    // when the user kept the units the new cabinet has no place for.
    bool ChooseType(int cabinetType);
};

// The cabinet usage settings as the page shows them and the rules that enable them.
struct SCabUsageState {
    int clockSync = 0;
    bool lmuChoicesVisible = false;
    bool lte = false;
    bool vswr = false;
    bool wcdma = false;
    bool wcdmaEnabled = false;
    bool mrc = false;
    bool mrcEnabled = false;
};

// Some of the usage settings, as one action of the page or one operation of a script changes
// them; the settings left out keep their value.
struct SCabUsageChange {
    std::optional<int> clockSync = std::nullopt;
    std::optional<int> lte = std::nullopt;
    std::optional<int> vswr = std::nullopt;
    std::optional<int> wcdma = std::nullopt;
    std::optional<int> mrc = std::nullopt;
};

class PageCabUsageController : public CPageController {
public:
    static constexpr const char* kUndoLabel = "Change Cabinet Usage";

    using CPageController::CPageController;

    // What the page shows; showing changes nothing stored.
    SCabUsageState State() const;

    // Why the change cannot be made as the page offers it; empty when it can.
    std::string Refusal(const SCabUsageChange& change) const;
    // One step for the whole change when it is allowed and differs from what is stored; false
    // when it was refused or changed nothing.
    bool Apply(const SCabUsageChange& change);

    bool SetClockSync(int mode) { return Apply({.clockSync = mode}); }
    bool SetLte(bool on) { return Apply({.lte = on ? 1 : 0}); }
    bool SetVswr(bool on) { return Apply({.vswr = on ? 1 : 0}); }
    bool SetWcdma(bool on) { return Apply({.wcdma = on ? 1 : 0}); }
    bool SetMrc(bool on) { return Apply({.mrc = on ? 1 : 0}); }

private:
    // The stored settings with the change made, MRC following WCDMA.
    SCabinetSettings Changed(const SCabUsageChange& change) const;
    std::string WcdmaRefusal() const;
};
