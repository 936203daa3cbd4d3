#include "wizard/WizardSearchPages.h"

#include <QVBoxLayout>

#include "app/BTSConfigurationDoc.h"
#include "app/DocumentsFolder.h"
#include "app/search/SearchResultModel.h"
#include "app/wizard/WizardSheetModel.h"
#include "model/SiteKODA.h"
#include "wizard/WizardPageDirectory.h"
#include "wizard/WizardSearchValidConfig.h"

// The result page's window on the document, through the sheet so that the main window follows.
class CWizardSearchHost : public ISearchResultHost {
public:
    explicit CWizardSearchHost(CWizardSheetModel& sheet) : m_sheet(sheet) {}
    CSiteKODA* Site() override { return m_sheet.Site(); }
    void SelectCandidateTab() override { m_sheet.SelectTab(false); }
    void ActivateView(int viewType) override { m_sheet.ActivateView(viewType); }
    void BandChanged() override { m_sheet.Redraw(); }
    void RedrawViews() override { m_sheet.Redraw(); }
    void SetCurrentRecord(const SFoundConfiguration* found) override {
        if (found != nullptr) {
            m_sheet.Doc().AdoptFoundConfiguration(found->path, found->indexInFile, found->name);
        } else {
            m_sheet.Doc().ForgetConfigurationFile();
        }
    }
    void MarkConfigurationChanged() override { m_sheet.Doc().MarkConfigurationChanged(true); }

private:
    CWizardSheetModel& m_sheet;
};

CWizardPageSearchResult::CWizardPageSearchResult(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, CSearchResultModel::kTitle, ""),
      m_host(std::make_unique<CWizardSearchHost>(sheet)) {}

CWizardPageSearchResult::~CWizardPageSearchResult() = default;

void CWizardPageSearchResult::SetFolder(const std::string& folder) {
    m_folder = folder;
    if (m_inner != nullptr) {
        m_inner->Model().SetSearchDirectory(folder);
    }
}

void CWizardPageSearchResult::Enter() {
    if (m_inner == nullptr) {
        m_inner = new CWizardSearchValidConfig(*m_host, this);
        Body()->addWidget(m_inner, 1);
        connect(m_inner, &QWizardPage::completeChanged, this, &QWizardPage::completeChanged);
        m_inner->Model().SetSearchDirectory(m_folder);
    }
    if (Sheet().SearchAgain()) {
        m_inner->Model().MarkForNewSearch();
        Sheet().SetSearchAgain(false);
    }
    SetButtons(wizard::EButtons::BackNext);
    m_inner->initializePage();
}

bool CWizardPageSearchResult::Leave() {
    return m_inner == nullptr || m_inner->validatePage();
}

void CWizardPageSearchResult::LeaveBack() {
    // A search still running when the page is left is of no use to anyone.
    if (m_inner != nullptr && m_inner->Model().Searching()) {
        m_inner->Model().Cancel();
    }
}

bool CWizardPageSearchResult::isComplete() const {
    return CWizardPageBase::isComplete() && (m_inner == nullptr || m_inner->isComplete());
}

CWizardPageSearchDirectory::CWizardPageSearchDirectory(CWizardSheetModel& sheet,
                                                       CWizardPageSearchResult& result)
    : CWizardPageBase(sheet, "Select Directory", "") {
    m_inner = new CWizardPageDirectory(sheet.Settings(), DocumentsFolder(), this);
    Body()->addWidget(m_inner, 1);
    // The search compares with what the BTS holds; the main window shows it meanwhile.
    m_inner->onEnter = [&sheet] { sheet.SelectTab(true); };
    m_inner->onNext = [&result](const std::string& folder) { result.SetFolder(folder); };
}

void CWizardPageSearchDirectory::Enter() {
    SetButtons(wizard::EButtons::BackNext);
    m_inner->initializePage();
}

bool CWizardPageSearchDirectory::Leave() {
    return m_inner->validatePage();
}
