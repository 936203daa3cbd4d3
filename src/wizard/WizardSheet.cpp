#include "wizard/WizardSheet.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/BTSConfigurationDoc.h"
#include "app/wizard/WizardSheetModel.h"
#include "wizard/WizardCheckWidgets.h"
#include "wizard/WizardFlowWidgets.h"
#include "wizard/WizardNewWidgets.h"
#include "wizard/WizardSearchPages.h"

using namespace wizard;

namespace {

CWizardSheet::PageFactory& Factory() {
    static CWizardSheet::PageFactory factory;
    return factory;
}

} // namespace

void CWizardSheet::SetPageFactory(PageFactory factory) {
    Factory() = std::move(factory);
}

CWizardSheet::CWizardSheet(CBTSConfigurationDoc& doc, IUserPrompt& prompt, CRegistry& settings,
                           bool updateOnly, QWidget* mainWindow)
    : QWizard(mainWindow),
      m_model(std::make_unique<CWizardSheetModel>(doc, prompt, settings, updateOnly)) {
    setWindowTitle(QStringLiteral("Configuration Wizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, false);
    setOption(QWizard::HaveHelpButton, false);
    m_model->Begin();

    CWizardSheetModel& model = *m_model;
    Add(kPageWizardWay, new CWizardPageWizardWay(model));
    Add(kPageWaitForBTS, new CWizardPageWaitForBTS(model));
    Add(kPageSCF, new CWizardPageSCF(model));
    Add(kPagePreference, new CWizardPagePreference(model));
    Add(kPageCabinet, new CWizardPageCabinet(model));
    Add(kPageBB2XCon, new CWizardPageBB2XCon(model));
    Add(kPageSimpleAnt, new CWizardPageSimpleAnt(model));
    Add(kPagePreDefined, new CWizardPagePreDefined(model));
    Add(kPageDiversity, new CWizardPageDiversity(model));
    Add(kPagePassive, new CWizardPagePassive(model));
    Add(kPageLast, new CWizardPageLast(model));
    Add(kPageAntenna, new CWizardPageAntenna(model));
    Add(kPageFastCablingCheck, new CWizardPageFastCablingCheck(model));
    Add(kPageNewLast, new CWizardPageNewLast(model));
    // The Search way's pages; a factory given by the program replaces them.
    CWizardPageBase* result = Factory() ? Factory()(kPageSearchResult, model) : nullptr;
    CWizardPageBase* directory = Factory() ? Factory()(kPageDirectory, model) : nullptr;
    if (result == nullptr || directory == nullptr) {
        auto* searchResult = new CWizardPageSearchResult(model);
        result = searchResult;
        directory = new CWizardPageSearchDirectory(model, *searchResult);
    }
    Add(kPageSearchResult, result);
    Add(kPageDirectory, directory);
    setStartId(model.StartPage());
    connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::PageChanged);
    resize(640, 520);
}

CWizardSheet::~CWizardSheet() = default;

void CWizardSheet::Add(int id, CWizardPageBase* page) {
    m_pages[id] = page;
    setPage(id, page);
}

CWizardPageBase* CWizardSheet::Page(int id) const {
    const auto it = m_pages.find(id);
    return it == m_pages.end() ? nullptr : it->second;
}

int CWizardSheet::nextId() const {
    const int current = currentId();
    const int next = m_model->NextPage(current);
    return next == current ? -1 : next;
}

void CWizardSheet::PageChanged(int id) {
    // Going back drops the page left from the history: it gets its Back handling.
    if (CWizardPageBase* left = Page(m_lastId); left != nullptr && !hasVisitedPage(m_lastId)) {
        left->LeaveBack();
    }
    m_lastId = id;
    if (CWizardPageBase* page = Page(id)) {
        page->Enter();
    }
}

void CWizardSheet::OnNotification(int message, int wParam, int /*lParam*/) {
    if (auto* wait = dynamic_cast<CWizardPageWaitForBTS*>(Page(kPageWaitForBTS))) {
        wait->OnNotification(message, wParam);
    }
}

void CWizardSheet::reject() {
    if (currentId() == kPageLast) {
        if (auto* last = dynamic_cast<CWizardPageLast*>(Page(kPageLast)); !last->MayCancel()) {
            return;
        }
    }
    if (CWizardPageBase* page = Page(currentId())) {
        page->LeaveBack();
    }
    m_model->CancelRun();
    QWizard::reject();
}

void CWizardSheet::showEvent(QShowEvent* event) {
    QWizard::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    // Beside the main window, so that its graphical view stays in sight.
    if (QWidget* main = parentWidget()) {
        const QRect mainRect = main->frameGeometry();
        const QRect own = frameGeometry();
        const SShift shift =
            PlacementShift(mainRect.left(), mainRect.right(), own.left(), own.right());
        setGeometry(geometry().translated(shift.dx, shift.dy));
    }
    if (CWizardPageBase* page = Page(currentId()); page != nullptr && m_lastId != currentId()) {
        m_lastId = currentId();
        page->Enter();
    }
}

bool RunWizard(const SWizardOpening& opening, bool updateOnly) {
    CWizardSheet sheet(*opening.doc, *opening.prompt, *opening.settings, updateOnly,
                       opening.mainWindow);
    int id = -1;
    if (opening.registerNotifications) {
        id = opening.registerNotifications(&sheet, [&sheet](int message, int wParam, int lParam) {
            sheet.OnNotification(message, wParam, lParam);
        });
    }
    const bool finished = sheet.exec() == QDialog::Accepted;
    if (id >= 0 && opening.unregisterNotifications) {
        opening.unregisterNotifications(id);
    }
    opening.doc->RebuildMenu();
    return finished;
}
