#include "app/transfer/BTSUpdateFetchDlg.h"

#include <cctype>

#include "comms/ConfigTransfer.h"
#include "comms/ObjectMaps.h"
#include "files/ConfigInfoKODA.h"
#include "files/HWInfoFile.h"
#include "model/SiteKODA.h"
#include "model/Strings.h"

namespace {

// View types of the configuration summary that the dialog compares.
constexpr int kViewCabinetInfo = 1;
constexpr int kViewBb2 = 3;
constexpr int kViewTx = 4;
constexpr int kViewRxMain = 5;
constexpr int kViewRxDiv = 6;
constexpr int kViewAntenna = 8;
constexpr int kViewPassive = 10;

constexpr int kFetching = 159;
constexpr int kSending = 160;
constexpr int kFetchingFailed = 161;
constexpr int kSendingFailed = 162;
constexpr int kFetchSuccessful = 163;
constexpr int kSendSuccessful = 164;
constexpr int kReady = 165;

std::string Text(int id) {
    return std::string(LoadString(id));
}

struct SItem {
    int view;
    const char* label;
};

} // namespace

CBTSUpdateFetchDlg::CBTSUpdateFetchDlg(int mode, SEnvironment environment)
    : m_mode(mode), m_env(std::move(environment)) {}

std::string CBTSUpdateFetchDlg::Title() const {
    switch (m_mode) {
    case kSendConfiguration:
        return "Send BTS Configuration";
    case kSendPassive:
        return "Send BTS Passive Unit Information";
    case kFetchConfiguration:
        return "Fetch BTS Configuration";
    case kFetchPassive:
        return "Fetch BTS Passive Unit Information";
    default:
        return "Internal Error - Unknown view type";
    }
}

void CBTSUpdateFetchDlg::SetStatus(const std::string& text, int step) {
    if (step > 4 || text.empty()) {
        return;
    }
    status = text;
    progress = step;
    percentText = std::to_string(step * 25) + "%";
}

void CBTSUpdateFetchDlg::Log(int stringId) {
    if (m_env.log) {
        m_env.log(Text(stringId));
    }
}

bool CBTSUpdateFetchDlg::TransferAllowed() const {
    const int state = m_env.bcfState ? m_env.bcfState() : -1;
    return state == 0 || state == 1 || state == 9;
}

bool CBTSUpdateFetchDlg::Start() {
    if (m_env.info != nullptr) {
        m_env.info->Recompute();
        m_fullyCompatible = !m_env.info->MissingInformation(0);
    }
    sendVisible = m_mode == kSendConfiguration || m_mode == kSendPassive;
    fetchVisible = !sendVisible;
    missingInfoVisible = m_mode == kSendConfiguration && !m_fullyCompatible;
    Refresh();
    SetStatus(Text(kReady), 0);
    if (m_mode == kSendConfiguration && !m_fullyCompatible && m_env.site != nullptr) {
        const std::string question =
            "You are about to send a configuration which is not\nfully compatible with current "
            "BTS HW.\n\n" +
            m_env.info->MissingInformationText() + "Continue anyway?";
        if (!m_env.site->Prompt().AskYesNoWarning(question)) {
            return false;
        }
    }
    return true;
}

void CBTSUpdateFetchDlg::Refresh() {
    const int state = m_env.bcfState ? m_env.bcfState() : -1;
    bcfStateText = state < 0 ? "Unknown" : objects::StateText(state);
    const bool allowed = TransferAllowed();
    comment = Text(allowed ? 64085 : 64086);
    sendEnabled = allowed && !SendRightsMissing();
    fetchEnabled = allowed;
    if (allowed && SendRightsMissing()) {
        comment = Text(64098);
    }
    Compare();
}

void CBTSUpdateFetchDlg::Compare() {
    candidateLabels.clear();
    candidateValues.clear();
    btsLabels.clear();
    btsValues.clear();
    crossConnectionDiffers = false;
    if (m_env.info == nullptr) {
        return;
    }
    CConfigInfoKODA& info = *m_env.info;
    info.Recompute();
    // An item whose BTS side has not arrived is neither "Same" nor a difference that a reset
    // would have to take into use.
    auto add = [&](std::string& labels, std::string& values, const SItem& item, bool btsSide) {
        labels += std::string(item.label) + "\n";
        if (!info.Comparable(item.view)) {
            values += (btsSide ? info.NotComparedText(item.view)
                               : std::string(CConfigInfoKODA::kNotCompared)) +
                      "\n";
            return;
        }
        const bool same = info.Same(item.view);
        if (item.view == kViewBb2 && !same) {
            crossConnectionDiffers = true;
        }
        values += (same ? std::string("Same")
                        : info.SummaryText(item.view, btsSide ? kSelectBts : kSelectCandidate)) +
                  "\n";
    };
    if (m_mode == kSendPassive || m_mode == kFetchPassive) {
        add(candidateLabels, candidateValues, {kViewPassive, "Passive Units:"}, false);
        add(btsLabels, btsValues, {kViewPassive, "Passive Units:"}, true);
        return;
    }
    add(candidateLabels, candidateValues, {kViewCabinetInfo, "Cabinet Info.:"}, false);
    static constexpr SItem kBtsItems[] = {{kViewBb2, "BB2 - RVx Cross.:"},
                                          {kViewAntenna, "Antennas:"},
                                          {kViewTx, "TX Cabling:"},
                                          {kViewRxMain, "RX Main Cabling:"},
                                          {kViewRxDiv, "RX Div. Cabling:"}};
    for (const SItem& item : kBtsItems) {
        add(btsLabels, btsValues, item, true);
    }
    if (candidateValues == "Same\n" && btsValues == "Same\nSame\nSame\nSame\nSame\n") {
        candidateValues.clear();
        btsValues.clear();
        candidateLabels = "As in Cabrion";
        btsLabels.clear();
    }
    if (crossConnectionDiffers) {
        candidateLabels += "\nNOTE:\nA reset is required to take changed BB2-RVx Cross-connection "
                           "information into use.";
    }
}

void CBTSUpdateFetchDlg::Fail(const std::string& message, bool sending, const std::string& reason) {
    const std::string failed = Text(sending ? kSendingFailed : kFetchingFailed);
    // Left half-way the bar reads as a transfer still running.
    SetStatus(reason.empty() ? failed : failed + ": " + reason, 4);
    percentText.clear();
    if (m_env.site != nullptr) {
        std::string text = message;
        if (!reason.empty()) {
            text += "\n" + reason + ".";
            text[message.size() + 1] = static_cast<char>(std::toupper(text[message.size() + 1]));
        }
        m_env.site->Prompt().Message(text);
    }
}

std::string CBTSUpdateFetchDlg::ReasonOf(std::initializer_list<int> steps) const {
    if (m_env.transfer == nullptr) {
        return {};
    }
    for (int step : steps) {
        if (CConfigTransfer::TransferStatus(step) <= 0 &&
            !m_env.transfer->FailureReason(step).empty()) {
            return m_env.transfer->FailureReason(step);
        }
    }
    return {};
}

bool CBTSUpdateFetchDlg::SendRightsMissing() const {
    return m_env.remote && !m_env.fullControl;
}

void CBTSUpdateFetchDlg::OnSend() {
    if (!m_env.linkUp || !m_env.linkUp() || m_env.site == nullptr || m_env.transfer == nullptr) {
        return;
    }
    // The button is disabled then, but a disabled button is no guard for the BTS.
    if (SendRightsMissing()) {
        Refresh();
        return;
    }
    CSiteKODA& site = *m_env.site;
    CConfigTransfer& transfer = *m_env.transfer;
    if (m_mode == kSendPassive) {
        const bool candidateEmpty =
            m_env.candidatePassive == nullptr || m_env.candidatePassive->FilledCount() == 0;
        const bool btsEmpty = m_env.btsPassive == nullptr || m_env.btsPassive->FilledCount() == 0;
        if (candidateEmpty && !btsEmpty &&
            !site.Prompt().AskYesNo("Are you sure you want to send empty passive\nunit "
                                    "information to the BTS?")) {
            return;
        }
        SetStatus(Text(kSending), 0);
        Log(64089);
        transfer.Download(true);
        if (CConfigTransfer::TransferStatus(3) > 0) {
            SetStatus(Text(kFetching), 2);
            transfer.Fetch(true);
            SetStatus(Text(kSendSuccessful), 4);
        } else {
            Fail("BTS update failed.", true, ReasonOf({3}));
        }
        Refresh();
        return;
    }
    if (m_env.info != nullptr && m_env.info->IsEmpty(kSelectCandidate, true) &&
        !m_env.info->IsEmpty(kSelectBts, true) &&
        !site.Prompt().AskYesNo(
            "Are you sure you want send an empty\nBTS configuration to the BTS?")) {
        return;
    }
    SetStatus(Text(kSending), 0);
    Log(64070);
    transfer.Download(false);
    if (CConfigTransfer::TransferStatus(1) > 0 && CConfigTransfer::TransferStatus(2) > 0) {
        SetStatus(Text(kFetching), 2);
        site.SetCrossConnectionWarned(true);
        Log(64069);
        transfer.Fetch(false);
        SetStatus(Text(kSendSuccessful), 4);
    } else {
        if (m_env.selectBtsTab) {
            m_env.selectBtsTab();
        }
        Fail("BTS update failed.", true, ReasonOf({1, 2}));
    }
    Refresh();
}

void CBTSUpdateFetchDlg::OnFetch() {
    if (!m_env.linkUp || !m_env.linkUp() || m_env.transfer == nullptr) {
        return;
    }
    SetStatus(Text(kFetching), 0);
    bool ok = false;
    std::string failure;
    std::string reason;
    if (m_mode == kFetchConfiguration) {
        Log(64069);
        m_env.transfer->Fetch(false);
        ok = CConfigTransfer::TransferStatus(1) > 0 && CConfigTransfer::TransferStatus(2) > 0;
        failure = "Fetching BTS information from BTS failed.";
        reason = ReasonOf({1, 2});
    } else {
        m_env.transfer->Fetch(true);
        ok = CConfigTransfer::TransferStatus(3) > 0;
        failure = "Fetching Passive unit information from BTS failed.";
        reason = ReasonOf({3});
    }
    if (ok) {
        SetStatus(Text(kFetchSuccessful), 4);
    } else {
        Fail(failure, false, reason);
    }
    Refresh();
}
