#include "app/search/SearchResultModel.h"

#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "rules/SearchApply.h"

void CSearchResultModel::SetSearchDirectory(const std::string& folder) {
    if (folder != m_folder) {
        m_folder = folder;
        m_searchNeeded = true;
    }
}

void CSearchResultModel::MarkForNewSearch() {
    if (m_shownOnce) {
        m_searchNeeded = true;
    }
}

void CSearchResultModel::Created() {
    m_host.ActivateView(kAllCablingView);
}

bool CSearchResultModel::Enter() {
    m_host.SelectCandidateTab();
    m_shownOnce = true;
    bool started = false;
    if (m_searchNeeded && !m_searching) {
        m_searchNeeded = false;
        m_entries.clear();
        m_selected = -1;
        m_result = {};
        // The detected units are read here, on the model's thread; the search only reads files.
        m_job.Start(m_folder, SBtsProfile::FromConfiguration(CBtsConfiguration::Get()));
        m_searching = true;
        started = true;
    }
    ShowChosenView();
    return started;
}

bool CSearchResultModel::Poll() {
    if (!m_searching) {
        return false;
    }
    std::optional<SSearchResult> result = m_job.TakeResult();
    if (!result) {
        return true;
    }
    m_searching = false;
    TakeResult(std::move(*result));
    return false;
}

void CSearchResultModel::Cancel() {
    if (m_searching) {
        m_job.Cancel();
    }
}

void CSearchResultModel::Wait() {
    m_job.Wait();
    Poll();
}

void CSearchResultModel::TakeResult(SSearchResult result) {
    m_result = std::move(result);
    if (m_result.cancelled) {
        m_searchNeeded = true;
    }
    m_entries.clear();
    for (const SFoundConfiguration& found : m_result.found) {
        m_entries.push_back({found.name, &found});
    }
    if (m_entries.empty()) {
        m_entries.push_back({kNoMatch, nullptr});
    }
    m_selected = 0;
    Apply();
}

void CSearchResultModel::Select(int index) {
    if (m_searching || index < 0 || index >= static_cast<int>(m_entries.size())) {
        return;
    }
    m_selected = index;
    Apply();
}

void CSearchResultModel::SetOnlyAutodetected(bool on) {
    m_onlyAutodetected = on;
    if (!m_searching && m_selected >= 0) {
        Apply();
    }
}

void CSearchResultModel::SetActiveViewChoice(int choice) {
    m_viewChoice = choice;
    ShowChosenView();
}

void CSearchResultModel::ShowChosenView() {
    if (m_viewChoice < 0 || m_viewChoice > 2) {
        m_viewChoice = 0;
    }
    m_host.ActivateView(kViewTypes[m_viewChoice]);
}

void CSearchResultModel::Apply() {
    CSiteKODA* site = m_host.Site();
    if (site == nullptr || m_selected < 0 || m_selected >= static_cast<int>(m_entries.size())) {
        return;
    }
    const SFoundConfiguration* found = m_entries[m_selected].found;
    m_host.SetCurrentRecord(nullptr);
    if (found != nullptr) {
        m_host.SetCurrentRecord(found);
    }
    ApplyFoundConfiguration(*site, found != nullptr ? found->record.get() : nullptr,
                            {m_onlyAutodetected});
    m_host.BandChanged();
    m_host.RedrawViews();
}

void CSearchResultModel::Next() {
    CSiteKODA* site = m_host.Site();
    if (site == nullptr || m_selected < 0 || m_selected >= static_cast<int>(m_entries.size()) ||
        m_entries[m_selected].found == nullptr) {
        return;
    }
    for (const auto& unit : site->GetConfiguration(kSelectCandidate)->Units()) {
        unit->SetIdle(false);
    }
    m_host.MarkConfigurationChanged();
}
