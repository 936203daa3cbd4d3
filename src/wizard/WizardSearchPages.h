#pragma once
// The Search way's two pages in the wizard sheet: the folder page and the result page keep their
// own rules and widgets; these frames give them the sheet's page interface, hand the chosen
// folder from one to the other, and tie the result page to the document through the sheet.

#include <functional>
#include <memory>

#include "wizard/WizardPageBase.h"

class CWizardPageDirectory;
class CWizardSearchValidConfig;
class CWizardSearchHost;

class CWizardPageSearchResult : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageSearchResult(CWizardSheetModel& sheet);
    ~CWizardPageSearchResult() override;

    // The folder the directory page chose; searched when the page is next entered.
    void SetFolder(const std::string& folder);
    // The result page, made when the page is first shown (that brings up All Cabling).
    CWizardSearchValidConfig* Inner() const { return m_inner; }

    void Enter() override;
    bool Leave() override;
    void LeaveBack() override;
    bool isComplete() const override;

private:
    std::unique_ptr<CWizardSearchHost> m_host;
    CWizardSearchValidConfig* m_inner = nullptr;
    std::string m_folder;
};

class CWizardPageSearchDirectory : public CWizardPageBase {
    Q_OBJECT
public:
    CWizardPageSearchDirectory(CWizardSheetModel& sheet, CWizardPageSearchResult& result);

    CWizardPageDirectory* Inner() const { return m_inner; }

    void Enter() override;
    bool Leave() override;

private:
    CWizardPageDirectory* m_inner = nullptr;
};
