#pragma once
// The modeless property sheet: the pages of the active view, laid out again when the view, the
// shown configuration or the site changes, following the views' selection while the user
// works in the views, and remembering which page was in front for each view.

#include "app/pages/PropSheetModel.h"

#include <QDialog>

#include <map>

class CBTSConfigurationDoc;
class CMainFrame;
class CPropPage;
class CRegistry;
class CViewBase;
class QTabWidget;

class CViewPropSheet : public QDialog {
    Q_OBJECT
public:
    CViewPropSheet(CMainFrame& frame, CBTSConfigurationDoc& document, CRegistry& settings);
    ~CViewPropSheet() override;

    // Gives the main window its Properties command: the sheet is made on first use and shown
    // with the pages of the active view.
    static void Install(CMainFrame& frame, CBTSConfigurationDoc& document, CRegistry& settings);
    // The sheet of the main window; nullptr before its first use.
    static CViewPropSheet* Of(const CMainFrame& frame);

    void ShowForActiveView();
    // Lays the pages out again when what the views show changed, and refreshes the one in front.
    void Sync();
    const CPropSheetModel& Model() const { return m_model; }
    QTabWidget* Tabs() const { return m_tabs; }
    // The page when it has been built; nullptr otherwise.
    CPropPage* Page(EPropPage page) const;
    CPropPage* CurrentPage() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Notification(int message, int wParam, int lParam);
    void Lay(bool hasSite, int viewType, bool btsTab);
    // Takes the pages out of the tabs; they drop what they only previewed.
    void Unlay();
    void DropPages();
    CPropPage* PageOf(EPropPage page);
    void FollowSelection();
    // Moves the sheet off the picture, or at least off the selected unit, when it would open
    // over it.
    void KeepPictureInSight();

    CMainFrame& m_frame;
    CBTSConfigurationDoc& m_doc;
    CRegistry& m_settings;
    QTabWidget* m_tabs = nullptr;
    CPropSheetModel m_model;
    // The view manager the pages were built for: a new one comes with a new site.
    CViewBase* m_manager = nullptr;
    std::map<EPropPage, CPropPage*> m_pages;
    bool m_laying = false;
    bool m_placed = false;
};
