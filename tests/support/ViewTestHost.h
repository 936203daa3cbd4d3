#pragma once
// A document stand-in for the view manager: owns the site, records the notifications the
// manager sends, and answers the questions about passive units and the BTS link.

#include <functional>
#include <memory>
#include <vector>

#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "files/HWInfoFile.h"
#include "model/SiteKODA.h"
#include "platform/MemoryRegistry.h"
#include "support/CabledSample.h"

namespace testsupport {

class CViewTestHost : public IViewHost {
public:
    CSiteKODA* Site() override { return site.get(); }
    const CHWInfoFile* PassiveUnits(int selector) override {
        return selector == 2 ? btsPassive : candidatePassive;
    }
    bool BtsConnected() const override { return connected; }
    bool ConnectionWanted() const override { return connectionWanted; }
    void UnitSelected(int packed) override {
        selections.push_back(packed);
        if (onSelection) {
            onSelection();
        }
    }
    void OpenProperties() override { ++propertiesOpened; }
    void ShowPassiveNode(int /*top*/, int group, int slot) override {
        shownRecords.push_back({group, slot});
    }
    void ViewsChanged() override { ++redraws; }
    void OpenUpdateWizard() override { ++wizardsOpened; }
    void RequestBtsPart(int step) override {
        requestedParts.push_back(step);
        if (onRequest) {
            onRequest(step);
        }
    }
    void PollConnection() override { ++polls; }

    std::unique_ptr<CSiteKODA> site = std::make_unique<CSiteKODA>();
    const CHWInfoFile* candidatePassive = nullptr;
    const CHWInfoFile* btsPassive = nullptr;
    bool connected = false;
    bool connectionWanted = false;
    std::vector<int> selections;
    std::vector<std::pair<int, int>> shownRecords;
    int redraws = 0;
    int propertiesOpened = 0;
    int wizardsOpened = 0;
    std::vector<int> requestedParts;
    // What the BTS does with a request: give the part, or not.
    std::function<void(int step)> onRequest;
    int polls = 0;
    // What the main window does with a selection: make the windows follow.
    std::function<void()> onSelection;
};

// The cabled sample with a view manager over it, optionally with a configuration currently in
// BTS that differs from the candidate.
struct SSampleViews {
    explicit SSampleViews(bool withBts = false) {
        CBtsConfiguration::Drop();
        BuildSector(*host.site);
        CompleteSample(*host.site);
        if (withBts) {
            MakeBtsConfiguration(*host.site);
        }
        manager = std::make_unique<CViewBaseKODA>(host, settings);
    }
    ~SSampleViews() { CBtsConfiguration::Drop(); }

    CDataBaseKODA& Candidate() { return *host.site->GetKODA(kSelectCandidate); }
    void ShowBts(bool bts) {
        host.site->SetShowBts(bts);
        manager->TabChanged();
    }

    CMemoryRegistry settings;
    CViewTestHost host;
    std::unique_ptr<CViewBaseKODA> manager;
};

} // namespace testsupport
