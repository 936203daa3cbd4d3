#include "wizard/WizardSheet.h"

#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "app/document/BTSConfigurationDoc.h"
#include "app/search/DocumentSearchHost.h"
#include "app/settings/DocumentsFolder.h"
#include "app/wizard/WizardSheetModel.h"
#include "paint/WizardPictures.h"
#include "ui/HelpLauncher.h"
#include "wizard/WizardCheckWidgets.h"
#include "wizard/WizardFlowWidgets.h"
#include "wizard/WizardNewWidgets.h"
#include "wizard/WizardPageDirectory.h"
#include "wizard/WizardSearchValidConfig.h"

using namespace wizard;

CWizardSheet::CWizardSheet(CBTSConfigurationDoc& doc, IUserPrompt& prompt, CRegistry& settings,
                           bool updateOnly, QWidget* mainWindow)
    : QWizard(mainWindow),
      m_model(std::make_unique<CWizardSheetModel>(doc, prompt, settings, updateOnly)) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("wizard.html"));
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
    AddSearchPages(settings);
    setStartId(model.StartPage());
    connect(this, &QWizard::currentIdChanged, this, &CWizardSheet::PageChanged);
    resize(640, 520);
}

CWizardSheet::~CWizardSheet() = default;

void CWizardSheet::Add(int id, QWizardPage* page) {
    m_pages[id] = page;
    setPage(id, page);
}

void CWizardSheet::AddSearchPages(CRegistry& settings) {
    auto host = std::make_unique<CDocumentSearchHost>(m_model->Doc());
    host->onBandChanged = [this] { m_model->Redraw(); };
    m_searchHost = std::move(host);
    m_directory = new CWizardPageDirectory(settings, DocumentsFolder());
    m_searchResult = new CWizardSearchValidConfig(*m_searchHost);
    const QPixmap picture = QPixmap::fromImage(paint::WizardPicture(paint::EWizardPicture::Search));
    m_directory->setPixmap(QWizard::WatermarkPixmap, picture);
    m_searchResult->setPixmap(QWizard::WatermarkPixmap, picture);
    m_directory->onEnter = [this] { m_model->SelectTab(true); };
    m_directory->onNext = [this](const std::string& folder) {
        m_searchResult->Model().SetSearchDirectory(folder);
    };
    Add(kPageSearchResult, m_searchResult);
    Add(kPageDirectory, m_directory);
}

CWizardPageBase* CWizardSheet::Page(int id) const {
    const auto it = m_pages.find(id);
    return it == m_pages.end() ? nullptr : dynamic_cast<CWizardPageBase*>(it->second);
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
    // A search still running when its page is left by Back is of no use to anyone.
    if (m_lastId == kPageSearchResult && !hasVisitedPage(m_lastId)) {
        m_searchResult->Model().Cancel();
    }
    // The first page is entered once the sheet is on the screen: a question it asks must not
    // stand in front of a wizard the user cannot see yet.
    if (!isVisible()) {
        return;
    }
    m_lastId = id;
    if (id == kPageDirectory && m_model->SearchAgain()) {
        // The Search way was chosen again: the result page looks again when it is reached.
        m_searchResult->Model().MarkForNewSearch();
        m_model->SetSearchAgain(false);
    }
    if (CWizardPageBase* page = Page(id)) {
        page->Enter();
    }
}

void CWizardSheet::OnNotification(int message, int wParam, int /*lParam*/) {
    if (auto* wait = dynamic_cast<CWizardPageWaitForBTS*>(Page(kPageWaitForBTS))) {
        wait->OnNotification(message, wParam);
    }
    // Without this the page would wait for a click on its check box to notice the BCF is back.
    if (auto* bb2 = dynamic_cast<CWizardPageBB2XCon*>(Page(kPageBB2XCon));
        bb2 != nullptr && currentId() == kPageBB2XCon) {
        bb2->OnBtsNews();
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
    if (m_searchResult->Model().Searching()) {
        m_searchResult->Model().Cancel();
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
    QTimer::singleShot(0, this, [this] {
        if (CWizardPageBase* page = Page(currentId()); page != nullptr && m_lastId != currentId()) {
            m_lastId = currentId();
            page->Enter();
        }
    });
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
