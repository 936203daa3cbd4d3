#pragma once
// The unit page: chooses a unit by kind and number, adds, modifies and removes it, and sets the
// band of the cabinet. A kind and number without a unit gets a unit that is not yet added, so
// that the views can show where it would stand; it never reaches an undo step or a saved file.

#include <string>

#include "app/pages/ComboFillers.h"
#include "app/pages/PageController.h"
#include "model/Unit.h"

class PageUnitsController : public CPageController {
public:
    static constexpr const char* kAddLabel = "Add Unit";
    static constexpr const char* kRemoveLabel = "Remove Unit";
    static constexpr const char* kModifyLabel = "Modify Unit";
    static constexpr const char* kNoUnit = "<No unit selected or unit not editable>";
    static constexpr const char* kDualBandNote =
        "As the network type is GSM dual band (900/1800) a TRX in the same sector may belong to "
        "different bands.";
    // The unit's mark while it is not yet part of the configuration.
    static constexpr int kNotYetAdded = CUnit::kMarkShownOnly;

    using CPageController::CPageController;

    // "<No unit selected ...>" (0), then the kinds the site names that the cabinet has room for.
    ComboItems Kinds() const;
    // The concrete catalogue types of the chosen kind that suit the candidate's band and that a
    // configuration file can hold.
    ComboItems Types() const;
    // Unit numbers 1-13 at which a unit of the chosen type has a place and the site accepts it.
    ComboItems Slots() const;

    // Works on the unit of that kind and number from now on; kind 0 selects nothing. Drops the
    // not yet added unit of the previous choice.
    void Select(int kind, int number);
    // The views selected a unit: the page works on it when its kind is listed.
    void FollowSelection(int kind, int number);
    // Leaving the page drops a unit that was not added.
    void Leave();
    int SelectedKind() const { return m_kind; }
    int SelectedNumber() const { return m_number; }
    // The selected unit in the candidate; nullptr when nothing is selected.
    CUnit* Unit() const;
    bool IsNotYetAdded() const;

    // "&Name:": a unit not yet added takes the type at once; for a unit of the configuration the
    // type is kept for Modify, with the note about dual band networks.
    bool ChooseType(int typeId);
    int ChosenType() const { return m_chosenType; }
    void ChooseSlot(int slot) { m_chosenSlot = slot; }
    int ChosenSlot() const { return m_chosenSlot; }

    std::string LocationText() const;
    std::string BandText() const;
    // "(Backplane-connector changes from %d to %d)" when the chosen slot moves a DDU to another
    // backplane connector; empty otherwise.
    std::string ConnectorChangeText() const;

    bool AddEnabled() const;
    bool ModifyEnabled() const;
    bool RemoveEnabled() const;
    bool Add();
    bool Modify();
    bool Remove();

    // The band radio buttons: 900, 1800, 1900, 850, 900/1800, 850/1900.
    static constexpr int kRadioBands[6] = {1, 2, 4, 8, 3, 12};
    // "N&etwork Type:": the transceiver bands without EDGE marks, "GSM " before each.
    static ComboItems NetworkTypes();
    // "E&DGE RVx's:": "None" 0, "Some" 256, "All" 128.
    static ComboItems EdgeChoices();
    int NetworkType() const;
    int EdgeChoice() const;
    // The band the two combos give together.
    static int BandOf(int networkType, int edge) { return networkType | edge; }
    // Band values the radio buttons and the network type and EDGE combos give.
    static bool IsOfferedBand(int band);
    // "Change Band To 900/1800"; false when the band is the current one or not offered.
    bool ChangeBand(int band);

private:
    void DropNotYetAdded();
    void CreateNotYetAdded();
    // What follows Add and Remove: combiner usage, occupancy and the edit's aftermath.
    void FinishUnitEdit();

    int m_kind = 0;
    int m_number = 0;
    int m_chosenType = 0;
    int m_chosenSlot = 0;
};
