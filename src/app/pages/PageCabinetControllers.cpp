#include "app/pages/PageCabinetControllers.h"

#include "app/pages/CabinetFit.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"

namespace {

constexpr int kLmuLevel = 2;

bool TypeKnown(int type) {
    return (type >= 0 && type <= 3) || type == kCabinetMini;
}

// The WCDMA upgrade sits in the lower part of the full-size cabinets only.
bool CabinetTakesWcdma(int type) {
    return type == kCabinetIndoor || type == kCabinetOutdoor;
}

void StoreSettings(CSiteKODA& site, const SCabinetSettings& s) {
    site.SetCabinet(s.clockSync, s.lte, s.vswr, s.wcdma, s.cabinetType, s.mrc, kSelectCandidate);
}

} // namespace

int PageCabTypeController::SelectedButton() const {
    const int type = Candidate().CabinetSettings().cabinetType;
    if (type == kCabinetMini) {
        return 4;
    }
    return type >= 0 && type <= 3 ? type : -1;
}

int PageCabTypeController::TypeOfButton(int button) {
    return button == 4 ? kCabinetMini : button;
}

bool PageCabTypeController::ChooseType(int cabinetType) {
    if (!TypeKnown(cabinetType) || Candidate().CabinetSettings().cabinetType == cabinetType) {
        return false;
    }
    // Without the question the picture would hide those units while the lists, the files and
    // the BTS still had them.
    if (const std::string question = DropQuestion(Candidate(), cabinetType);
        !question.empty() && !Prompt().AskYesNoWarning(question)) {
        return false;
    }
    if (!BeginEdit(kUndoLabel)) {
        return false;
    }
    // Found again in the new step: the units of the step before are its own copies.
    const std::vector<CUnit*> dropped = UnitsWithoutPlace(Candidate(), cabinetType);
    SCabinetSettings s = Candidate().CabinetSettings();
    s.cabinetType = cabinetType;
    if (cabinetType > kCabinetOutdoor) {
        s.wcdma = 0;
        s.mrc = 0;
    }
    DropUnits(Site(), dropped);
    StoreSettings(Site(), s);
    EndEdit(!dropped.empty());
    return true;
}

SCabUsageState PageCabUsageController::State() const {
    const CDataBaseKODA& db = Candidate();
    const SCabinetSettings& s = db.CabinetSettings();
    const int level = db.SwLevel().Level();
    SCabUsageState st;
    st.lmuChoicesVisible = level == kLmuLevel;
    st.clockSync = s.clockSync;
    if (!st.lmuChoicesVisible && st.clockSync > 1) {
        st.clockSync = level > kLmuLevel ? 1 : 0;
    }
    st.lte = s.lte == 1;
    st.vswr = s.vswr == 1;
    st.wcdmaEnabled = WcdmaRefusal().empty();
    st.wcdma = st.wcdmaEnabled && s.wcdma == 1;
    st.mrcEnabled = st.wcdma;
    st.mrc = st.mrcEnabled && s.mrc == 1;
    return st;
}

std::string PageCabUsageController::WcdmaRefusal() const {
    const CDataBaseKODA& db = Candidate();
    if (!CabinetTakesWcdma(db.CabinetSettings().cabinetType)) {
        return "the WCDMA upgrade is offered only for the Indoor and Outdoor cabinets";
    }
    if (db.SwLevel().Level() < kLmuLevel) {
        return "the WCDMA upgrade is not offered at the configuration's SW level";
    }
    if (Document().BtsSwLevel() == 1) {
        return "the connected BTS reports SW level 1, which has no WCDMA upgrade";
    }
    return {};
}

SCabinetSettings PageCabUsageController::Changed(const SCabUsageChange& change) const {
    SCabinetSettings s = Candidate().CabinetSettings();
    s.clockSync = change.clockSync.value_or(s.clockSync);
    s.lte = change.lte.value_or(s.lte);
    s.vswr = change.vswr.value_or(s.vswr);
    s.wcdma = change.wcdma.value_or(s.wcdma);
    s.mrc = change.mrc.value_or(s.mrc);
    // MRC support works through the WCDMA upgrade; it cannot stay on without it.
    if (change.wcdma && *change.wcdma == 0) {
        s.mrc = 0;
    }
    return s;
}

std::string PageCabUsageController::Refusal(const SCabUsageChange& change) const {
    auto flag = [](const std::optional<int>& v) { return !v || *v == 0 || *v == 1; };
    if (!flag(change.lte) || !flag(change.vswr) || !flag(change.wcdma) || !flag(change.mrc)) {
        return "the flags take 0 or 1";
    }
    if (change.clockSync) {
        const int mode = *change.clockSync;
        if (mode < 0 || mode > 3) {
            return "clock synchronisation must be 0-3";
        }
        if (mode > 1 && Candidate().SwLevel().Level() != kLmuLevel) {
            return "the LMU choices are not offered at the configuration's SW level";
        }
    }
    if (change.wcdma && *change.wcdma == 1) {
        if (std::string why = WcdmaRefusal(); !why.empty()) {
            return why;
        }
    }
    if (change.mrc && *change.mrc == 1 && Changed(change).wcdma != 1) {
        return "MRC support needs the WCDMA upgrade";
    }
    return {};
}

bool PageCabUsageController::Apply(const SCabUsageChange& change) {
    if (!Refusal(change).empty()) {
        return false;
    }
    const SCabinetSettings s = Changed(change);
    if (s == Candidate().CabinetSettings() || !BeginEdit(kUndoLabel)) {
        return false;
    }
    StoreSettings(Site(), s);
    EndEdit();
    return true;
}
