#include "app/dossier/DossierContent.h"

#include "app/passive/PassiveUnitTree.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "app/views/ViewPageBase.h"
#include "files/ConfigInfoKODA.h"
#include "files/ConfigurationReportKODA.h"
#include "files/HWInfoFile.h"
#include "files/ReportUnits.h"
#include "files/SiteSCFile.h"
#include "files/TextCodec.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/Unit.h"
#include "platform/MemoryRegistry.h"

namespace {

class CDossierViewHost : public IViewHost {
public:
    CDossierViewHost(CSiteKODA& site, const SDossierSource& source)
        : m_site(site), m_source(source) {}
    CSiteKODA* Site() override { return &m_site; }
    const CHWInfoFile* PassiveUnits(int selector) override {
        return selector == kSelectBts ? m_source.btsPassive : m_source.candidatePassive;
    }
    bool BtsConnected() const override { return m_source.btsConnected; }

private:
    CSiteKODA& m_site;
    const SDossierSource& m_source;
};

std::string Utf8(const std::string& text) {
    return Cp1252ToUtf8(text);
}

void ToUtf8(std::vector<std::string>& cells) {
    for (std::string& c : cells) {
        c = Utf8(c);
    }
}

SDossierView ViewPage(CViewBaseKODA& manager, int viewType, const char* subtitle) {
    manager.ActivateView(viewType);
    return ActiveViewPage(manager, subtitle);
}

std::vector<SDossierPassiveGroup> PassiveGroups(const CHWInfoFile* table) {
    std::vector<SDossierPassiveGroup> groups;
    if (table == nullptr) {
        return groups;
    }
    for (const SPassiveTreeNode& top : BuildPassiveTree(*table)) {
        for (const SPassiveTreeNode& group : top.children) {
            SDossierPassiveGroup out{Utf8(top.label), Utf8(group.label), {}};
            for (const SPassiveTreeNode& entry : group.children) {
                if (entry.filled) {
                    out.entries.push_back(
                        {Utf8(entry.label), Utf8(entry.serialNumber), Utf8(entry.productId)});
                }
            }
            if (!out.entries.empty()) {
                groups.push_back(std::move(out));
            }
        }
    }
    return groups;
}

} // namespace

SDossierView ActiveViewPage(const CViewBase& manager, const std::string& subtitle) {
    SDossierView page;
    const CViewPageBase* view = manager.ActiveView();
    page.viewType = view != nullptr ? view->Type() : 0;
    page.title = view != nullptr ? view->Name() : std::string("No view");
    page.subtitle = subtitle;
    page.scene = manager.BuildScene();
    page.list = manager.ListContent();
    ToUtf8(page.list.columns);
    for (SListRow& row : page.list.rows) {
        ToUtf8(row.cells);
    }
    AddNoInformationRow(page.list);
    return page;
}

const std::vector<int>& DossierViewTypes() {
    static const std::vector<int> types = {kViewCabinetUnits,  kViewBB2,          kViewTxCabling,
                                           kViewRxMainCabling, kViewRxDivCabling, kViewAllCabling,
                                           kViewAntenna};
    return types;
}

SDossier BuildDossier(CSiteKODA& site, const SDossierSource& source) {
    SDossier d;
    const CDataBaseKODA* candidate = site.GetKODA(kSelectCandidate);
    const bool hasBts = !source.btsSource.empty() && CBtsConfiguration::Get() != nullptr;
    d.siteName = Utf8(source.configurationName);

    CConfigInfoKODA info(&site);
    info.SetBtsConnected(source.btsConnected);
    info.Recompute();
    if (candidate != nullptr) {
        for (int n = 1; n <= 12; ++n) {
            if (const CUnit* trx = ReportUnits::Present(*candidate, kUnitKindTrx, n)) {
                d.transceivers.push_back(Utf8(trx->DisplayName()));
            }
        }
    }
    const CCabinet* cabinet = candidate != nullptr ? candidate->Cabinet(0) : nullptr;
    d.cover = {{"Site", d.siteName},
               {"Configuration", "Configuration Candidate"},
               {"File", Utf8(source.fileName)},
               {"BTS type", CSiteSCFile::kOrvikFamilyName},
               {"Cabinet", cabinet != nullptr ? Utf8(cabinet->Name()) : "Unknown"},
               {"Description", Utf8(info.CabinetDescription(kSelectCandidate))},
               {"Transceivers", std::to_string(d.transceivers.size())},
               {"Cabling", info.CablingKindsText()}};
    if (hasBts) {
        d.cover.emplace_back("Compared with", "Currently in BTS: " + Utf8(source.btsSource));
    }
    d.cover.emplace_back("Program", "Cabrion " + source.version);
    d.cover.emplace_back("Date", CConfigurationReport::FormatTimestamp(source.date));

    CConfigurationReportKODA report;
    report.SetTimestamp(source.date);
    report.AttachPassiveUnits(source.candidatePassive);
    report.WriteHeader(source.fileName, source.configurationName);
    report.WriteBody(site);
    d.report = SplitReport(report.Buffer());
    for (SReportTable& t : d.report.sections) {
        ToUtf8(t.columns);
        for (auto& row : t.rows) {
            ToUtf8(row);
        }
    }

    CDossierViewHost host(site, source);
    CMemoryRegistry defaults;
    CViewBaseKODA manager(host, defaults);
    for (std::size_t i = 0; i < source.colours.size() && i < CViewBaseKODA::kColourCount; ++i) {
        manager.SetColour(static_cast<int>(i), source.colours[i]);
    }
    manager.SetViewSettings(source.viewSettings);
    const bool showedBts = site.ShowsBts();
    site.SetShowBts(false);
    for (int type : DossierViewTypes()) {
        d.views.push_back(ViewPage(manager, type, "Configuration Candidate"));
    }
    d.passive = PassiveGroups(source.candidatePassive);
    if (hasBts) {
        // The Differences view outlines what differs on the picture of the BTS tab.
        manager.ShowConfiguration(kSelectBts);
        d.differences = ViewPage(manager, kViewDifferences, "Currently in BTS");
        d.hasDifferences = true;
        if (info.MissingInformation(4)) {
            d.missingInformation = Utf8(info.MissingInformationText());
        }
    }
    site.SetShowBts(showedBts);
    return d;
}
