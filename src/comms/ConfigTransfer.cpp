#include "comms/ConfigTransfer.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "comms/CommandHandler.h"
#include "comms/FirstConfigFile.h"
#include "comms/PassiveUnitRecords.h"
#include "comms/SecondConfigFile.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/Strings.h"
#include "model/UnitKTrx.h"

namespace {

CDataBaseKODA* Bts() {
    return dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get());
}

// The site works on the configuration currently in BTS; a fetch before the BTS reported any
// units starts from the site's template.
CDataBaseKODA& BtsOrTemplate(CSiteKODA& site) {
    if (Bts() == nullptr) {
        site.ResetBtsConfiguration();
    }
    return *Bts();
}

class CBusyScope {
public:
    explicit CBusyScope(CSiteKODA& site) : m_site(site) { m_site.SetBusy(true); }
    ~CBusyScope() { m_site.SetBusy(false); }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;

private:
    CSiteKODA& m_site;
};

// Whether any TRX carries cabling: a combiner reference on a TRX in use, or a path value.
bool CablingPresent(const CDataBaseKODA& bts) {
    for (const auto& unit : bts.Units()) {
        const auto* trx = dynamic_cast<const CUnitKTrx*>(unit.get());
        if (trx == nullptr) {
            continue;
        }
        const STrxCabling& c = trx->Cabling();
        if (!trx->IsUpgrade() &&
            (c.txCombinerId > 0 || c.rxCombinerId > 0 || c.rxDiversityCombiner > 0)) {
            return true;
        }
        if (c.txPath1 > 0 || c.txPath2 > 0 || c.txPath3 > 0 || c.rxMainMulticoupler > 0 ||
            c.rxMainPath2 > 0 || c.rxDiversityMulticoupler > 0 || c.rxDiversityPath2 > 0) {
            return true;
        }
    }
    return false;
}

std::string ReasonOf(CCommandHandler::EReply reply, int code) {
    using R = CCommandHandler::EReply;
    switch (reply) {
    case R::Answered:
        return {};
    case R::NoAnswer:
        return "the BTS did not answer";
    case R::Empty:
        return "the BTS holds no configuration yet";
    case R::Refused:
        return "the BTS refused it (code " + std::to_string(code) + ")";
    case R::Unreadable:
        return "the BTS's answer could not be read";
    }
    return {};
}

} // namespace

CConfigTransfer::CConfigTransfer(CSiteKODA& site, STransferContext context)
    : m_site(site), m_context(std::move(context)) {}

int CConfigTransfer::TransferStatus(int step) {
    const CDataBaseKODA* bts = Bts();
    return bts == nullptr ? -1 : bts->TransferStatus(step);
}

const std::string& CConfigTransfer::FailureReason(int step) const {
    static const std::string kNone;
    return step >= 1 && step <= 3 ? m_failure[step] : kNone;
}

void CConfigTransfer::NoteReply(int step) {
    const CCommandHandler& commands = *m_context.commands;
    m_failure[step] = ReasonOf(commands.LastReply(), commands.LastResultCode());
}

void CConfigTransfer::NoteNoConnection(int step) {
    m_failure[step] = "there is no connection to the BTS";
}

void CConfigTransfer::Log(int stringId) {
    m_site.Host().LogEvent(std::string(LoadString(stringId)));
}

void CConfigTransfer::SetStatus(int step, int status) {
    m_site.SetTransferStatus(step, status);
}

void CConfigTransfer::Pause() {
    if (m_context.wait) {
        m_context.wait(kAttemptPauseMs);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(kAttemptPauseMs));
    }
}

bool CConfigTransfer::Attempts(int step, const std::function<int()>& exchange) {
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (m_context.commands == nullptr) {
            NoteNoConnection(step);
            return false;
        }
        const bool acknowledged = exchange() == 0;
        NoteReply(step);
        if (acknowledged) {
            m_failure[step].clear();
            return true;
        }
        if (m_context.commands->LastReply() == CCommandHandler::EReply::Refused) {
            return false;
        }
        if (attempt < kAttempts) {
            Pause();
        }
    }
    return false;
}

void CConfigTransfer::Download(bool passive) {
    CDataBaseKODA* candidate = m_site.GetKODA(kSelectCandidate);
    if (!passive && candidate != nullptr) {
        const CUcSwVersion mine = candidate->SwLevel();
        const CUcSwVersion theirs(m_context.btsSwLevel);
        if (!(mine == theirs)) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "Configuration version (%s) is not same as BTS version (%s). Still "
                          "Download?",
                          mine.Name().c_str(), theirs.Name().c_str());
            if (!m_site.Prompt().AskYesNo(text)) {
                for (int step = 1; step <= 3; ++step) {
                    SetStatus(step, 0);
                    m_failure[step].clear();
                }
                return;
            }
        }
    }
    if (passive) {
        SendPassiveUnits();
    } else {
        SendConfiguration();
    }
}

void CConfigTransfer::Fetch(bool passive) {
    if (passive) {
        FetchPassiveUnits();
        return;
    }
    if (m_site.Busy()) {
        return;
    }
    CBusyScope busy(m_site);
    FetchFirst();
    FetchSecond();
    if (Bts() == nullptr) {
        return;
    }
    if (m_appliedFirst) {
        const auto& block = *m_appliedFirst;
        blocks::ApplyMhaTypes(*Bts(), block ? &*block : nullptr);
    }
    if (CCableGuy* guy = m_site.CableGuy()) {
        guy->RebuildCables(kSelectBts, 0);
    }
    blocks::ConvertAttenuationClasses(*Bts());
    if (m_context.refreshViews) {
        m_context.refreshViews();
    }
}

void CConfigTransfer::SendConfiguration() {
    if (m_site.Busy()) {
        return;
    }
    CDataBaseKODA* candidate = m_site.GetKODA(kSelectCandidate);
    if (candidate == nullptr) {
        return;
    }
    CBusyScope busy(m_site);
    const int level = m_context.btsSwLevel;
    // Ids the BTS cannot take are corrected in the candidate itself; the blocks then come from
    // a copy without the units a page only shows.
    (void)blocks::BuildFirstConfigFile(*candidate, level);
    const std::unique_ptr<CDataBase> copy = candidate->CopyWithoutShownOnly();
    auto& sendable = static_cast<CDataBaseKODA&>(*copy);
    const blocks::SFirstFileBuild first = blocks::BuildFirstConfigFile(sendable, level);
    const std::vector<uint8_t> cross = blocks::BuildCrossConnectionBlock(sendable, level);
    if (first.cabinetInfoRemoved) {
        m_site.Prompt().Message("Some cabinet information may not be supported by\ncurrent BTS SW "
                                "version. These settings are removed.");
    }
    if (m_context.commands == nullptr) {
        m_site.Prompt().Message("Cannot update BTS because there is no connection.");
        SetStatus(kStepFirst, 0);
        NoteNoConnection(kStepFirst);
        return;
    }
    CCommandHandler& commands = *m_context.commands;
    const bool firstSent = Attempts(kStepFirst, [&] {
        (void)commands.SendCrossConnection(cross);
        return commands.SendFirstConfiguration(first.bytes);
    });
    Log(firstSent ? 64075 : 64077);
    SetStatus(kStepFirst, firstSent ? 1 : 0);

    const std::vector<uint8_t> second = blocks::BuildSecondConfigFile(sendable);
    if (m_context.commands == nullptr) {
        return;
    }
    const bool secondSent =
        Attempts(kStepSecond, [&] { return commands.SendSecondConfiguration(second); });
    Log(secondSent ? 64076 : 64078);
    SetStatus(kStepSecond, secondSent ? 1 : 0);
    if (secondSent && m_context.clearConfigurationChanged) {
        m_context.clearConfigurationChanged();
    }
}

void CConfigTransfer::FetchFirstFile() {
    if (!m_site.Busy()) {
        CBusyScope busy(m_site);
        FetchFirst();
    }
}

void CConfigTransfer::FetchSecondFile() {
    if (!m_site.Busy()) {
        CBusyScope busy(m_site);
        FetchSecond();
    }
}

void CConfigTransfer::FetchFirst() {
    m_appliedFirst.reset();
    if (m_context.commands == nullptr) {
        m_site.Prompt().Message("No BTS connection.");
        m_site.Host().LogEvent("No BTS connection.");
        NoteNoConnection(kStepFirst);
        return;
    }
    const std::vector<uint8_t> data = m_context.commands->FetchFirstConfiguration();
    NoteReply(kStepFirst);
    if (data.empty()) {
        Log(64073);
        SetStatus(kStepFirst, 0);
        return;
    }
    CDataBaseKODA& bts = BtsOrTemplate(m_site);
    const auto file = blocks::DecodeFirstConfigFile(data);
    if (!file) {
        // Too short to hold the settings: the BTS holds nothing this program gave it.
        Log(64081);
        SetStatus(kStepFirst, 2);
        return;
    }
    bts.SetSwLevel(CUcSwVersion(file->swLevel));
    if (blocks::ApplyBb2Ids(bts, *file) && !m_site.CrossConnectionWarned()) {
        m_site.Prompt().Message(std::string(LoadString(64100)));
        m_site.SetCrossConnectionWarned(true);
    }
    if (!blocks::IsInitialised(*file)) {
        Log(64081);
        SetStatus(kStepFirst, 2);
        return;
    }
    const std::vector<uint8_t> cross = m_context.commands->FetchCrossConnection();
    const blocks::SCrossConnectionBlock block = blocks::DecodeCrossConnectionBlock(cross);
    blocks::ApplyFirstConfigFile(bts, *file, cross.empty() ? nullptr : &block);
    m_appliedFirst.emplace(cross.empty() ? std::nullopt : std::optional(block));
    const SCabinetSettings cabinet = bts.CabinetSettings();
    m_site.SetCabinet(cabinet.clockSync, cabinet.lte, 0, cabinet.wcdma, cabinet.cabinetType,
                      cabinet.mrc, kSelectBts);
    Log(64071);
    SetStatus(kStepFirst, 1);
}

void CConfigTransfer::FetchSecond() {
    if (m_context.commands == nullptr) {
        NoteNoConnection(kStepSecond);
        return;
    }
    const std::vector<uint8_t> data = m_context.commands->FetchSecondConfiguration();
    NoteReply(kStepSecond);
    CDataBaseKODA& bts = BtsOrTemplate(m_site);
    if (data.empty()) {
        Log(64074);
        SetStatus(kStepSecond, 0);
    } else {
        bts.SetSecondFileCopy(data);
        const blocks::SSecondConfigFile file = blocks::DecodeSecondConfigFile(data);
        if (file.hasHeader && file.version >= 3) {
            m_site.Prompt().Message(
                "The BTS contains HW Configuration information set with newer Cabrion.\nSome "
                "information may be incorrectly read or miss entirely.");
        }
        if (!file.hasHeader) {
            Log(64082);
            SetStatus(kStepSecond, 2);
        } else {
            const std::vector<int> idle = blocks::ApplySecondConfigFile(bts, file);
            if (!idle.empty() && m_site.CableGuy() != nullptr) {
                m_site.CableGuy()->RecomputeCableStates(kSelectBts);
            }
            Log(64072);
            SetStatus(kStepSecond, 1);
        }
    }
    bts.SetCablingPresent(CablingPresent(bts));
}

void CConfigTransfer::SendPassiveUnits() {
    if (m_site.Busy()) {
        return;
    }
    if (m_context.candidatePassive == nullptr) {
        // Nothing was sent: the status must not go on telling of an earlier transfer.
        SetStatus(kStepPassive, 0);
        return;
    }
    CBusyScope busy(m_site);
    int count = 0;
    const std::vector<uint8_t> records =
        blocks::BuildPassiveUnitRecords(*m_context.candidatePassive, count);
    int result = -1;
    if (m_context.commands == nullptr) {
        NoteNoConnection(kStepPassive);
    } else {
        result = m_context.commands->SendPassiveUnits(records, count);
        NoteReply(kStepPassive);
    }
    if (result == 0) {
        Log(64090);
        SetStatus(kStepPassive, 1);
        if (m_context.clearPassiveChanged) {
            m_context.clearPassiveChanged();
        }
        if (m_context.refreshViews) {
            m_context.refreshViews();
        }
    } else {
        Log(64093);
        SetStatus(kStepPassive, 0);
    }
}

void CConfigTransfer::FetchPassiveUnits() {
    if (m_site.Busy()) {
        return;
    }
    CBusyScope busy(m_site);
    Log(64091);
    std::vector<uint8_t> data;
    if (m_context.commands != nullptr) {
        data = m_context.commands->FetchPassiveUnits();
        NoteReply(kStepPassive);
    } else {
        NoteNoConnection(kStepPassive);
    }
    std::vector<CHWInfoSlotEntry> entries;
    if (!data.empty() && !blocks::DecodePassiveUnitBlock(data, entries)) {
        // More records than a BTS holds: the reply is broken, not an empty BTS.
        m_failure[kStepPassive] = ReasonOf(CCommandHandler::EReply::Unreadable, 0);
        SetStatus(kStepPassive, 0);
        return;
    }
    if (data.empty() && (m_context.commands == nullptr ||
                         m_context.commands->LastReply() != CCommandHandler::EReply::Empty)) {
        // Only a BTS that answered has told that it holds nothing; silence or a refusal is
        // no such answer, and must not read as a fetch that went well.
        SetStatus(kStepPassive, 0);
        return;
    }
    if (entries.empty()) {
        m_failure[kStepPassive].clear();
        SetStatus(kStepPassive, 2);
        return;
    }
    if (m_context.btsPassive != nullptr) {
        m_context.btsPassive->Clear();
        blocks::FillPassiveUnits(*m_context.btsPassive, entries);
    }
    SetStatus(kStepPassive, 1);
}
