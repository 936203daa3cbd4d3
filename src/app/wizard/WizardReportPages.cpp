#include "app/wizard/WizardReportPages.h"
#include "app/views/ViewPageBase.h"

#include <filesystem>

#include "app/document/BTSConfigurationDoc.h"
#include "app/settings/FileDialogFolder.h"
#include "app/wizard/WizardSheetModel.h"
#include "comms/ConfigTransfer.h"
#include "files/ConfigSummary.h"
#include "files/ConfigurationReportKODA.h"
#include "files/ReportBuffer.h"
#include "model/BandInformation.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/Strings.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

namespace {

std::string Plural(int count, const char* suffix) {
    return count > 1 ? suffix : "";
}

std::string Format(const char* format, int a, const std::string& as, int b, const std::string& bs) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, a, as.c_str(), b, bs.c_str());
    return buffer;
}

} // namespace

// ---- summary of a new configuration ---------------------------------------------------------

CWizardNewLastController::SCounts CWizardNewLastController::CountsOf(CSiteKODA& site) {
    SCounts counts;
    CBandInformation band;
    site.CollectBand(kSelectCandidate, false, &band);
    counts.network = band.BandText();
    const CDataBaseKODA* db = site.GetKODA(kSelectCandidate);
    const SConfigSummary summary = SConfigSummary::Of(db);
    counts.trxUnits = summary.trxUnits;
    counts.cablingUnits = summary.cablingUnits;
    counts.trxWithCabling = summary.cabling.trxWithCabling;
    counts.cables = summary.cabling.cables;
    counts.antennas = summary.antennas.connected;
    counts.mhas = summary.antennas.withMha;
    for (int a = 1; a <= CDataBaseKODA::kAntennas && db != nullptr; ++a) {
        const CAntenna* antenna = db->Antenna(a);
        counts.vswr |=
            antenna != nullptr && antenna->ConnectedCombiner() != 0 && antenna->VswrMonitoring();
    }
    return counts;
}

std::vector<std::string> CWizardNewLastController::SummaryLines(const SCounts& counts) {
    std::vector<std::string> lines{"New configuration consists of:", ""};
    lines.push_back("Network type: \t" + counts.network);
    if (counts.trxUnits == 0) {
        lines.push_back("Units: \tNone");
    } else {
        lines.push_back(Format("Units: \t\t%d RVx%s through %d cabling unit%s", counts.trxUnits,
                               Plural(counts.trxUnits, "s"), counts.cablingUnits,
                               Plural(counts.cablingUnits, "s")));
    }
    lines.emplace_back();

    static constexpr const char* kCabling[] = {"TX cabling: \t", "RX main cabling: \t",
                                               "RX div cabling: \t"};
    for (int k = 0; k < 3; ++k) {
        const int trxs = counts.trxWithCabling[k];
        const int cables = counts.cables[k];
        if (trxs == 0 && cables == 0) {
            lines.push_back(std::string(kCabling[k]) + "None");
        } else {
            // The suffix keeps its blank even before "with" and at the end of the line.
            lines.push_back(std::string(kCabling[k]) + Format("%d RVx%s with %d cable%s", trxs,
                                                              Plural(trxs, "s "), cables,
                                                              Plural(cables, "s ")));
        }
    }
    lines.emplace_back();

    if (counts.antennas == 0) {
        lines.push_back("Antenna settings: \tNone");
    } else {
        std::string line = "Antenna settings: \t" + std::to_string(counts.antennas) + " antenna" +
                           Plural(counts.antennas, "s");
        if (counts.mhas > 0) {
            line += " with MHA" + Plural(counts.mhas, "s");
        }
        if (counts.vswr) {
            line += counts.mhas > 0 ? " and VSWR monitoring" : " with VSWR monitoring";
        }
        lines.push_back(line);
    }
    return lines;
}

void CWizardNewLastController::Enter() {
    m_sheet.ActivateView(kViewCabinetUnits);
    m_buttons = m_sheet.Doc().HasSite() ? wizard::EButtons::FinishBack : wizard::EButtons::Finish;
    m_lines.clear();
    if (CSiteKODA* site = m_sheet.Site()) {
        m_lines = SummaryLines(CountsOf(*site));
    }
}

// ---- report and update -----------------------------------------------------------------------

void CWizardLastController::Enter() {
    // Coming back by Next after Back, the candidate may have been edited since the last send:
    // Finish sends again, and Cancel warns again until it has.
    m_sent = false;
    m_sheet.ActivateView(CBTSConfigurationDoc::kDifferencesView);
    m_sheet.SelectTab(true);
    m_buttons = m_sheet.Doc().HasSite() ? wizard::EButtons::FinishBack : wizard::EButtons::Finish;
    m_lines.clear();
    m_reportText.clear();
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return;
    }
    CConfigurationReportKODA report;
    report.AttachPassiveUnits(&m_sheet.Passive());
    report.WriteHeader(m_sheet.ReportPath(), m_sheet.ReportName());
    report.WriteBody(*site);
    m_lines = report.Buffer().Lines();
    m_reportText = report.Buffer().FileBytes();
}

bool CWizardLastController::Browse() {
    CRegistry& settings = m_sheet.Settings();
    IUserPrompt::SFileDialog dialog;
    dialog.title = kBrowseTitle;
    dialog.filter = std::string(CConfigurationReport::kFileFilter) + "|*.hwr|";
    dialog.directory =
        SettingFolder(settings, settings::kDefaultReportDir, m_sheet.Doc().DocumentsFolderPath());
    dialog.mustExist = false;
    dialog.confirmOverwrite = true;
    const auto chosen = m_sheet.Prompt().ChooseFile(dialog);
    if (!chosen) {
        return false;
    }
    const auto cut = chosen->find_last_of("/\\");
    if (cut != std::string::npos) {
        settings::Write(settings, settings::kDefaultReportDir, chosen->substr(0, cut));
    }
    m_saveAs = CConfigurationReport::WithReportExtension(*chosen);
    return true;
}

bool CWizardLastController::WriteReport() {
    if (m_saveAs.empty()) {
        return true;
    }
    std::error_code ec;
    if (std::filesystem::exists(m_saveAs, ec) && !m_sheet.Prompt().AskYesNo(kOverwrite, true)) {
        return false;
    }
    // Written from a fresh report: the send may have changed what the BTS column shows.
    CConfigurationReportKODA report;
    report.AttachPassiveUnits(&m_sheet.Passive());
    report.WriteHeader(m_sheet.ReportPath(), m_sheet.ReportName());
    if (CSiteKODA* site = m_sheet.Site()) {
        report.WriteBody(*site);
    }
    if (!report.Buffer().Write(m_saveAs)) {
        m_sheet.Prompt().Message(kSaveError);
        return false;
    }
    return true;
}

bool CWizardLastController::Finish() {
    CBTSConfigurationDoc& doc = m_sheet.Doc();
    CSiteKODA* site = m_sheet.Site();
    if (doc.SendRightsMissing()) {
        // The update-only way reaches this page on a remote link too; the report can still be
        // written.
        if (!m_sheet.Prompt().AskYesNo(kNoSendRights, true)) {
            return false;
        }
    } else if (doc.Link().IsLinkUp() && site != nullptr) {
        // Sent once while the page stays: a report that could not be written does not send
        // the same candidate again.
        if (!m_sent) {
            if (!doc.Link().Send(*site, false, doc.CandidatePassive())) {
                m_sheet.SelectTab(true);
                m_sheet.Prompt().Message(kUpdateFailed);
                return false;
            }
            m_sent = true;
            doc.MarkConfigurationChanged(false);
            // Read back as the transfer window does: the views and the Differences list would
            // otherwise go on showing the configuration the send replaced.
            site->SetCrossConnectionWarned(true);
            doc.LogEvent(std::string(LoadString(64069)));
            doc.Link().FetchPart(*site, CConfigTransfer::kStepFirst, nullptr);
            doc.RefreshViews();
        }
    } else if (!m_sheet.Prompt().AskYesNo(kNoConnection, true)) {
        return false;
    }
    return WriteReport();
}

bool CWizardLastController::Cancel() {
    if (m_sheet.Doc().Link().IsLinkUp() && !m_sent) {
        return m_sheet.Prompt().AskYesNo(m_sheet.PassiveSent() ? kQuitAfterPassive : kQuitAnyway,
                                         false);
    }
    return true;
}
