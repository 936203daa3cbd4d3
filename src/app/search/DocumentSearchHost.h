#pragma once
// The result page's side of the document: the candidate it loads into, the views and tab it
// switches, and the unsent-change mark. The wizard sheet hands one to the result page.

#include <functional>

#include "app/search/SearchResultModel.h"

class CBTSConfigurationDoc;

class CDocumentSearchHost : public ISearchResultHost {
public:
    explicit CDocumentSearchHost(CBTSConfigurationDoc& doc) : m_doc(doc) {}

    CSiteKODA* Site() override;
    void SelectCandidateTab() override;
    void ActivateView(int viewType) override;
    void BandChanged() override;
    void RedrawViews() override;
    void SetCurrentRecord(const SFoundConfiguration* found) override;
    void MarkConfigurationChanged() override;

    // The configuration the document took on Next; nullptr when none. It lives as long as the
    // result page's search result.
    const SFoundConfiguration* CurrentRecord() const { return m_found; }
    // The main window shows the band; the sheet tells it.
    std::function<void()> onBandChanged;

private:
    CBTSConfigurationDoc& m_doc;
    const SFoundConfiguration* m_found = nullptr;
};
