#include "ui/props/ViewPropSheet.h"

#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/settings/SheetPlacement.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewPageBase.h"
#include "files/HWInfoFile.h"
#include "model/SiteTARN.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"
#include "ui/HelpLauncher.h"
#include "ui/MainFrame.h"
#include "ui/PagePassiveWidget.h"
#include "ui/props/AntennaPage.h"
#include "ui/props/CabinetPages.h"
#include "ui/props/CablingPages.h"
#include "ui/props/InfoPages.h"
#include "ui/props/SelmoPages.h"
#include "ui/props/UnitsPage.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The passive units page keeps its own state and refreshes itself; the sheet only hosts it.
class CPassivePropPage : public CPropPage {
public:
    CPassivePropPage(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& settings,
                     QWidget* parent)
        : CPropPage(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        CPagePassiveWidget::Hooks hooks;
        hooks.redrawActiveView = [&doc] { doc.RedrawViews(); };
        hooks.setPassiveInfoChanged = [&doc](bool changed) { doc.MarkPassiveChanged(changed); };
        // Through the main frame, which hands the node to the tree (and back to this page).
        hooks.nodeChosen = [&doc](const SPassiveSelection& node) {
            if (CViewBase* views = doc.AnyViewManager()) {
                views->Host().ShowPassiveNode(node.top, node.group, node.slot);
            }
        };
        hooks.showHelp = [&frame] { frame.Help().Open("passive-units.html"); };
        m_widget = new CPagePassiveWidget(doc.CandidatePassive(), settings, hooks, {}, this);
        layout->addWidget(m_widget);
        // The page starts on what the tree shows; without a choice there, on the first
        // location rather than on empty boxes.
        const CContainerView* container = frame.Container();
        const auto chosen =
            container != nullptr && container->LeftPane() == container->PassiveTree()
                ? container->PassiveTree()->Selected()
                : std::nullopt;
        m_widget->ShowSelection(chosen.value_or(SPassiveSelection{.top = 0}));
    }
    void Refresh() override {}
    void ShowNode(const SPassiveSelection& node) { m_widget->ShowSelection(node); }
    CPagePassiveWidget* Widget() const { return m_widget; }

private:
    CPagePassiveWidget* m_widget = nullptr;
};

} // namespace

CViewPropSheet::CViewPropSheet(CMainFrame& frame, CBTSConfigurationDoc& document,
                               CRegistry& settings)
    : QDialog(&frame), m_frame(frame), m_doc(document), m_settings(settings) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("property-pages.html"));
    setObjectName(QStringLiteral("PropWnd"));
    setModal(false);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(tr("Property pages"));
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_laying || index < 0) {
            return;
        }
        m_model.SetActivePage(index);
        if (CPropPage* page = CurrentPage()) {
            page->Refresh();
        }
    });
    m_frame.RegisterForNotifications(this, 1 | 2 | 4, true,
                                     [this](int m, int w, int l) { Notification(m, w, l); });
    resize(520, 460);
}

CViewPropSheet::~CViewPropSheet() {
    // No unregistering: the sheet usually goes with the main window, whose relay may be gone
    // by then, and the relay skips windows that no longer exist.
    DropPages();
}

void CViewPropSheet::Install(CMainFrame& frame, CBTSConfigurationDoc& document,
                             CRegistry& settings) {
    frame.propertySheet = [&frame, &document, &settings] {
        CViewPropSheet* sheet = Of(frame);
        if (sheet == nullptr) {
            sheet = new CViewPropSheet(frame, document, settings);
        }
        sheet->ShowForActiveView();
    };
    frame.UpdateCommands();
}

CViewPropSheet* CViewPropSheet::Of(const CMainFrame& frame) {
    return frame.findChild<CViewPropSheet*>(QString(), Qt::FindDirectChildrenOnly);
}

void CViewPropSheet::ShowForActiveView() {
    show();
    raise();
    activateWindow();
    Sync();
    // The keyboard starts on the first control of the page in front.
    if (CPropPage* page = CurrentPage()) {
        for (QWidget* w = page->nextInFocusChain(); w != nullptr && w != page;
             w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::ActiveWindowFocusReason);
                break;
            }
        }
    }
}

CPropPage* CViewPropSheet::Page(EPropPage page) const {
    const auto it = m_pages.find(page);
    return it != m_pages.end() ? it->second : nullptr;
}

CPropPage* CViewPropSheet::CurrentPage() const {
    return qobject_cast<CPropPage*>(m_tabs->currentWidget());
}

void CViewPropSheet::Sync() {
    CViewBase* manager = m_doc.AnyViewManager();
    if (manager != m_manager) {
        // The pages hold the old site: they go before anything reads it again.
        DropPages();
        m_manager = manager;
    }
    if (!isVisible()) {
        return;
    }
    const bool hasSite = manager != nullptr && m_doc.HasSite();
    const CViewPageBase* view = manager != nullptr ? manager->ActiveView() : nullptr;
    const int viewType = view != nullptr ? view->Type() : -1;
    const bool bts = !m_doc.CandidateTabSelected();
    if (m_tabs->count() == 0 || m_model.Differs(hasSite, viewType, bts)) {
        Lay(hasSite, viewType, bts);
    } else if (CPropPage* page = CurrentPage()) {
        page->Refresh();
    }
}

void CViewPropSheet::Lay(bool hasSite, int viewType, bool btsTab) {
    Unlay();
    m_laying = true;
    const SPropSheetLayout& layout = m_model.Show(hasSite, viewType, btsTab);
    for (EPropPage p : layout.pages) {
        m_tabs->addTab(PageOf(p), tr(PropPageTitle(p)));
    }
    setWindowTitle(tr(layout.title.c_str()));
    m_tabs->setCurrentIndex(m_model.ActivePage());
    m_laying = false;
    // A sheet opened on a unit shows that unit.
    FollowSelection();
    if (CPropPage* page = CurrentPage()) {
        page->Refresh();
    }
}

void CViewPropSheet::Unlay() {
    if (m_tabs->count() > 0) {
        m_model.SetActivePage(m_tabs->currentIndex());
    }
    m_laying = true;
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* page = qobject_cast<CPropPage*>(m_tabs->widget(i))) {
            page->Leave();
        }
    }
    m_tabs->clear();
    m_laying = false;
}

void CViewPropSheet::DropPages() {
    Unlay();
    for (auto& [kind, page] : m_pages) {
        delete page;
    }
    m_pages.clear();
}

CPropPage* CViewPropSheet::PageOf(EPropPage page) {
    if (CPropPage* built = Page(page)) {
        return built;
    }
    CSiteKODA* site = m_doc.SiteKODA();
    CSiteTARN* selmo = m_doc.SiteTARN();
    CPropPage* made = nullptr;
    if (selmo != nullptr && page == EPropPage::RXDivTARN) {
        made = new CPageRXDivTARN(*selmo, m_doc, this);
    } else if (selmo != nullptr && page == EPropPage::OptionsRXDivTARN) {
        made = new CPageOptionsRXDivTARN(m_settings, m_manager, this);
    } else if (site == nullptr || page == EPropPage::NoInfo) {
        made = new CPageNoInfo(this);
    } else {
        IPageDocument& doc = m_doc;
        switch (page) {
        case EPropPage::CabType:
            made = new CPageCabType(*site, doc, this);
            break;
        case EPropPage::CabUsage:
            made = new CPageCabUsage(*site, doc, this);
            break;
        case EPropPage::Units:
            made = new CPageUnits(*site, doc, this);
            break;
        case EPropPage::BB2Xcon:
            made = new CPageBB2Xcon(*site, doc, this);
            break;
        case EPropPage::TXCabling:
            made = new CPageTXCabling(*site, doc, this);
            break;
        case EPropPage::RXCabling:
            made = new CPageRXCabling(*site, doc, this);
            break;
        case EPropPage::RXDCabling:
            made = new CPageRXDCabling(*site, doc, this);
            break;
        case EPropPage::Antenna:
            made = new CPageAntenna(*site, doc, this);
            break;
        case EPropPage::LogicalTRX:
            made = new CPageLogicalTRX(*site, doc, this);
            break;
        case EPropPage::Passive:
            made = new CPassivePropPage(m_frame, m_doc, m_settings, this);
            break;
        case EPropPage::Differences:
            made = new CPageDifferences(*site, doc, this);
            break;
        case EPropPage::NoInfoOnBTS:
            made = new CPageNoInfoOnBTS(*site, doc, this);
            break;
        case EPropPage::RXDivTARN:
        case EPropPage::OptionsRXDivTARN:
            // Pages of the other family: an Orvik site has nothing for them to show.
            made = new CPageNoInfo(this);
            break;
        case EPropPage::NoInfo:
            break;
        }
    }
    made->setObjectName(QString::fromLatin1(PropPageTitle(page)));
    m_pages[page] = made;
    return made;
}

void CViewPropSheet::FollowSelection() {
    if (m_manager == nullptr) {
        return;
    }
    // By kind and number: after an undo the views' unit is a copy of the one they selected.
    const int kind = m_manager->SelectedKind();
    const int number = kind != 0 ? m_manager->SelectedNumber() : 0;
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* page = qobject_cast<CPropPage*>(m_tabs->widget(i))) {
            page->FollowSelection(kind, number);
        }
    }
}

void CViewPropSheet::Notification(int message, int wParam, int lParam) {
    if (message == notify::kGeneral && wParam == notify::kSelectionChanged) {
        // While the user works in the sheet, the selection it makes in the views comes back
        // here; only a selection made elsewhere is followed.
        if (isVisible() && !isActiveWindow() && m_manager == m_doc.AnyViewManager()) {
            FollowSelection();
        }
        return;
    }
    if (message == notify::kGeneral && wParam == notify::kPassiveRecordChosen) {
        if (auto* passive = dynamic_cast<CPassivePropPage*>(Page(EPropPage::Passive))) {
            passive->ShowNode(UnpackPassiveSelection(lParam));
        }
        return;
    }
    if (message == notify::kGeneral && wParam == notify::kUndoPerformed) {
        // The candidate was replaced by the one of the step: the pages start again from it.
        DropPages();
    }
    Sync();
}

void CViewPropSheet::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        const int x = settings::Read(m_settings, settings::kPropX);
        const int y = settings::Read(m_settings, settings::kPropY);
        // A position stored on a screen that is no longer there is not used.
        if (x != -1 && y != -1 && QGuiApplication::screenAt(QPoint(x + 40, y + 10)) != nullptr) {
            move(x, y);
        }
    }
    KeepPictureInSight();
    QDialog::showEvent(event);
}

void CViewPropSheet::KeepPictureInSight() {
    const CContainerView* container = m_frame.Container();
    const QScreen* screen = m_frame.screen();
    if (container == nullptr || screen == nullptr || !container->Picture()->isVisible()) {
        return;
    }
    const auto global = [](const QWidget* w, const QRect& r) {
        const QPoint at = w->mapToGlobal(r.topLeft());
        return SScreenRect{at.x(), at.y(), r.width(), r.height()};
    };
    const CBTSConfigurationView* picture = container->Picture();
    SSheetPlaceInputs in;
    in.screen = {screen->availableGeometry().x(), screen->availableGeometry().y(),
                 screen->availableGeometry().width(), screen->availableGeometry().height()};
    in.picture = global(picture->viewport(), picture->viewport()->rect() &
                                                 picture->FromPictureRect(picture->Scene().bounds));
    if (const CUnit* unit =
            m_doc.AnyViewManager() ? m_doc.AnyViewManager()->SelectedUnit() : nullptr) {
        if (const SSceneUnit* u = picture->Scene().Find(unit)) {
            in.unit = global(picture->viewport(), picture->FromPictureRect(u->rect));
        }
    }
    // The frame's size is known once the sheet has been shown; before that its layout's.
    const QSize own = isVisible() ? frameGeometry().size() : sizeHint().expandedTo(size());
    in.sheet = {pos().x(), pos().y(), own.width(), own.height()};
    const SScreenRect placed = PlaceSheet(in);
    if (placed.left != in.sheet.left || placed.top != in.sheet.top) {
        move(placed.left, placed.top);
    }
}

void CViewPropSheet::hideEvent(QHideEvent* event) {
    settings::Write(m_settings, settings::kPropX, pos().x());
    settings::Write(m_settings, settings::kPropY, pos().y());
    Unlay();
    QDialog::hideEvent(event);
}
