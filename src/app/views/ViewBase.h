#pragma once
// The view manager of a document: the views of the site's family in bar order, the active
// view, the selected and the hovered unit, the display options and the cable colours. The
// windows (picture, list, bar, container) read it and forward the user's actions to it.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/views/CabinetScene.h"
#include "app/views/ViewList.h"
#include "app/views/ViewPageBase.h"

class CCabinet;
class CDataBase;
class CDataBaseKODA;
class CRegistry;
class CSite;
class CSiteKODA;
class CUnit;
class IViewHost;

// What lies under a point of the picture.
struct SPictureHit {
    bool overCabinet = false;
    const CUnit* unit = nullptr;
    int row = -1;
};

struct SBarEntry {
    int viewType;
    int iconId;
    int command;
    const char* label;
};

class CViewBase {
public:
    static constexpr const char* kNoHelpText = "For Help, press F1";

    explicit CViewBase(IViewHost& host);
    virtual ~CViewBase();
    CViewBase(const CViewBase&) = delete;
    CViewBase& operator=(const CViewBase&) = delete;

    const std::string& Name() const { return m_name; }
    IViewHost& Host() const { return m_host; }
    // The Orvik site; nullptr without one or for a site of another family.
    CSiteKODA* Site() const;
    // The open site of whatever family.
    CSite* AnySite() const;
    // The configuration the views show (candidate or currently in BTS); nullptr without one.
    CDataBaseKODA* Shown() const;
    CDataBase* ShownAny() const;
    int ShownSelector() const;
    bool BtsTab() const;

    // Views.
    const std::vector<std::unique_ptr<CViewPageBase>>& Views() const { return m_views; }
    CViewPageBase* FindView(int viewType) const;
    CViewPageBase* FindViewByCommand(int command) const;
    CViewPageBase* ActiveView() const { return m_active; }
    // Makes the view active; the selection stays when the new view shows it. False for a type
    // the family has no view of (nothing changes then); 14 redraws the active view.
    bool ActivateView(int viewType);
    // The buttons of the view bar.
    virtual std::vector<SBarEntry> BarEntries() const;

    // Selection.
    void SelectUnit(const CUnit* unit);
    // The selected unit if the shown configuration still holds it.
    CUnit* SelectedUnit() const;
    // As SelectedUnit, and also a unit of the candidate that the BTS lacks when it was chosen
    // on the BTS tab of the Differences view, where its place is outlined: what the picture
    // highlights and the list rows follow.
    const CUnit* SelectedOrOutlined() const;
    // The unit a list row names, in the shown configuration or as an outlined place.
    const CUnit* RowUnit(const SListRow& row) const;
    int SelectedKind() const { return m_selectedKind; }
    int SelectedNumber() const { return m_selectedNumber; }
    const CUnit* HoveredUnit() const { return m_hovered; }
    int HoveredRow() const { return m_hoveredRow; }

    // Display options (the setting "ViewSettings").
    int ViewSettings() const { return m_viewSettings; }
    void SetViewSettings(int bits) { m_viewSettings = bits; }
    bool ShowWideband() const { return (m_viewSettings & 1) != 0; }
    bool ShowRackShelfSlot() const { return (m_viewSettings & 2) != 0; }
    bool ShowOnlySelectedCabling() const { return (m_viewSettings & 4) != 0; }
    // Whether the Differences view outlines physical units (solid) or configuration file
    // units (dotted).
    bool ShowPhysicalUnits() const { return m_physicalUnits; }
    void SetShowPhysicalUnits(bool physical) { m_physicalUnits = physical; }

    // The colour of a cable group; none for a group without an entry (drawn white).
    virtual std::optional<SceneColour> CableColour(int group, bool selected) const;
    SceneColour CableColourOrWhite(int group, bool selected) const;

    // The picture of the active view: units at their places, cables, marks. Not valid without
    // a site, a configuration or an active view.
    virtual SCabinetScene BuildScene() const;
    // The unit and connector row at a point of the cabinet picture.
    virtual SPictureHit HitTest(SPoint point) const;
    // Remembers what the pointer is over and gives the status bar text for it.
    std::string Hover(SPoint point);
    void ClearHover();
    virtual std::string StatusText(const SPictureHit& hit) const;

    // The list of the active view, sorted as the list pane asks.
    SListContent ListContent() const;
    CListSortState& Sorting() { return m_sorting; }

    // Mouse in the picture. A press selects the unit under the pointer; the release of a click
    // on the unit that was already selected clears the selection. A right click acts as a
    // press and never clears; it gives the menu to show (0 for none). A double click selects
    // and opens the properties.
    void MousePress(SPoint point);
    void MouseRelease();
    int ContextClick(SPoint point);
    void DoubleClick(SPoint point);

    // Shows the candidate (1) or the configuration currently in BTS (2), as the tabs do.
    void ShowConfiguration(int selector);
    // The shown configuration changed between the candidate and the one currently in BTS; the
    // selection follows to the unit of the same kind and number.
    void TabChanged();
    // The menu of a right click: 362 on the BTS tab, else the active view's; 0 for none.
    int ContextMenu() const;
    // Redraw and fill the list again.
    void Redraw();
    // Whether the tab row and the configuration currently in BTS exist for this family.
    virtual bool BtsConnectionEnabled() const { return false; }

protected:
    void AddView(std::unique_ptr<CViewPageBase> view);
    void SetName(std::string name) { m_name = std::move(name); }

private:
    // The candidate while its units' places are outlined on the BTS tab; nullptr otherwise.
    const CDataBase* OutlinedConfiguration() const;
    // The candidate's unit whose outlined place lies at the point, as hit testing finds it.
    const CUnit* OutlinedUnitAt(const CCabinet& cabinet, int variant, SPoint point) const;

    IViewHost& m_host;
    std::string m_name = "<define view base name>";
    std::vector<std::unique_ptr<CViewPageBase>> m_views;
    CViewPageBase* m_active = nullptr;
    const CUnit* m_selected = nullptr;
    int m_selectedKind = 0;
    int m_selectedNumber = 0;
    const CUnit* m_hovered = nullptr;
    int m_hoveredRow = -1;
    int m_viewSettings = 5;
    bool m_physicalUnits = true;
    CListSortState m_sorting;
    // The current click changed the selection (its release must not clear it again).
    bool m_clickSelected = false;
    bool m_pressed = false;
};

// The Orvik manager: its ten views, the colour table and the BTS connection switch.
class CViewBaseKODA : public CViewBase {
public:
    static constexpr int kColourCount = 10;
    // Defaults of the ten colours as 0xRRGGBB.
    static const std::array<SceneColour, kColourCount>& DefaultColours();

    // Reads the options and colours from the settings store.
    CViewBaseKODA(IViewHost& host, const CRegistry& settings);

    std::optional<SceneColour> CableColour(int group, bool selected) const override;
    std::vector<SBarEntry> BarEntries() const override;

    const std::array<SceneColour, kColourCount>& Colours() const { return m_colours; }
    void SetColour(int index, SceneColour colour);
    bool BtsConnectionEnabled() const override;
    void SetBtsConnectionEnabled(bool enabled);

    // What the document has to do with its link after the options changed.
    struct SSettingsEffect {
        // The BTS connection was switched off.
        bool disconnect = false;
        // Only the COM port changed: the link starts again on the new one.
        bool reconnect = false;
        // Only the speed changed: the running link takes it.
        bool newSpeed = false;
        int maxSpeed = 0;
    };
    // Reads options, colours and the BTS connection switch again after the options changed;
    // without the connection the candidate tab is shown. The bar and the views are redrawn.
    SSettingsEffect SettingsChanged(const CRegistry& settings);
    // Only the ten colours, for the colour page's Apply: the link settings stay unread so that
    // the document's settings-changed, when the sheet closes, still finds what it must do.
    void ReadColours(const CRegistry& settings);

    // One start-up pass of the document (its third and later idle passes).
    void StartupPass();
    int StartupPasses() const { return m_startupPasses; }
    // Every part of the configuration currently in BTS has been asked for and the views
    // show it with its cables; passes now poll the link.
    bool BtsConfigurationComplete() const { return m_btsComplete; }

private:
    void ReadSettings(const CRegistry& settings);

    std::array<SceneColour, kColourCount> m_colours{};
    bool m_btsEnabled = true;
    int m_comPort = 0;
    int m_maxSpeed = 0;
    int m_startupPasses = 0;
    std::array<bool, 4> m_partRequested{};
    bool m_btsComplete = false;
};

// Settings keep colours as Windows colour values (0x00BBGGRR).
SceneColour ColourFromSetting(int value);
int ColourToSetting(SceneColour colour);
