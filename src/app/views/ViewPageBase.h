#pragma once
// One view of the cabinet: what it is called, which units it shows, which cables and marks it
// puts on the picture, the columns and rows of its list, and its texts in the Differences list.
// Views are plain objects owned by the view manager; they read the model on every use.

#include <functional>
#include <string>
#include <vector>

#include "app/views/CabinetScene.h"
#include "app/views/ViewList.h"

class CDataBaseKODA;
class CUnit;
class CUnitKTrx;
class CViewBase;

// View types.
enum EViewType : int {
    kViewCabinetInfo = 1,
    kViewCabinetUnits = 2,
    kViewBB2 = 3,
    kViewTxCabling = 4,
    kViewRxMainCabling = 5,
    kViewRxDivCabling = 6,
    kViewAllCabling = 7,
    kViewAntenna = 8,
    kViewLogicalTrx = 9,
    kViewPassive = 10,
    kViewDifferences = 11,
    kViewRxCablingTARN = 12,
    kViewBtsConnection = 13,
    kViewRedraw = 14,
};

// Cable groups that pick a pair of colours.
enum ECableGroup : int {
    kGroupTx = 1,
    kGroupRxMain = 2,
    kGroupRxDiv = 3,
    kGroupAntenna = 5,
    kGroupBB2 = 6,
    kGroupNone = 15,
};

// What the container shows in its two columns while the view is active.
enum class EPaneArrangement : int {
    PictureAndList,
    TreeAndList,
    PictureAndConnectionList,
};

struct SViewDescription {
    int type;
    const char* name;
    const char* barLabel;
    int iconId;
    int command;
    std::vector<const char*> columns;
    // Columns while the wideband and multicoupler units are shown; empty when the same.
    std::vector<const char*> optionColumns;
};

class CViewPageBase {
public:
    CViewPageBase(CViewBase& manager, SViewDescription description, int cableGroup = kGroupNone);
    virtual ~CViewPageBase() = default;
    CViewPageBase(const CViewPageBase&) = delete;
    CViewPageBase& operator=(const CViewPageBase&) = delete;

    const std::string& Name() const { return m_name; }
    int Type() const { return m_description.type; }
    int IconId() const { return m_description.iconId; }
    int Command() const { return m_description.command; }
    const char* BarLabel() const { return m_description.barLabel; }
    int CableGroup() const { return m_cableGroup; }

    // Whether the column table has a variant for the wideband and multicoupler option.
    bool HasOptionColumns() const { return !m_description.optionColumns.empty(); }
    std::vector<std::string> Columns() const;

    // Differences view only: the unit exists in one of the two configurations alone.
    virtual bool UnitDiffers(const CUnit&) const { return false; }
    // The menu the picture and the list show on a right click: 364 "General" by default.
    virtual int ContextMenu() const { return 364; }
    virtual std::string ComparedText() const;
    virtual std::string SummaryText(int selector) const;
    virtual bool TakesPartInDifferences() const { return false; }
    // Called before the view is drawn after a change of the configuration.
    virtual void Refresh() {}
    virtual EPaneArrangement Panes() const { return EPaneArrangement::PictureAndList; }
    // Whether hovering shows the connector row of the unit.
    virtual bool ConnectorRowsHitTestable(const CUnit&) const { return false; }
    virtual int PictureVariant() const { return 0; }
    // Units the view draws with their front; the rule for the BOI on the BTS tab and for
    // upgrade units is applied here for every view.
    bool IsUnitShown(const CUnit& unit) const;
    // Whose connectors the fronts show: 0 none, -1 all, else a cable type.
    virtual int ConnectorType() const { return 0; }
    virtual bool ShowsConnectorRows() const { return false; }
    // Adds the view's cables, lines and marks to the scene whose units are placed.
    virtual void AddCables(SCabinetScene&) const {}
    virtual void FillList(SListContent& content) const;
    // Tells the view it is no longer the active one.
    virtual void Leave() {}

protected:
    // The view's own rule, before the common ones.
    virtual bool Shows(const CUnit&) const { return false; }
    // Whether the BOI joins the shown units on the BTS tab.
    virtual bool ShowsBoiOnBtsTab() const { return true; }

    CViewBase& Manager() const { return m_manager; }
    // The configuration the view shows; nullptr without a site.
    CDataBaseKODA* Shown() const;
    // Rows for transceivers 1-12 that the view shows: the name and the cells the function
    // gives.
    void FillTrxRows(SListContent& content,
                     const std::function<std::vector<std::string>(const CUnitKTrx&)>& cells) const;
    // Draws the cables of the cable types in the unselected and selected colour, the second
    // pass for the selected unit; each cable takes the group of its own kind or the view's.
    void AddCablePasses(SCabinetScene& scene, const std::vector<int>& cableTypes,
                        bool groupByOwnKind) const;

private:
    CViewBase& m_manager;
    SViewDescription m_description;
    std::string m_name;
    int m_cableGroup;
};

// The end of a cable on a unit of the scene: where its connector lies in the picture.
bool ConnectorPoint(const SSceneUnit& unit, int connectorKind, int index, int trx, SPoint& out);
// The cable type a connector kind belongs to.
int CableTypeOfConnector(int connectorKind);
