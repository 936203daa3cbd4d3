#pragma once
// The rules of the passive units page: which entry of the passive unit table is shown, the
// input limits and checks for serial numbers and product identifiers, and adding, modifying,
// deleting, importing and exporting entries. The window shows the state and forwards the
// user's actions.

#include "app/passive/PassivePageHost.h"

#include <string>
#include <utility>
#include <vector>

class CHWInfoFile;
class CRegistry;

// A node of the passive units tree: a top group (group 0), a group (slot -1) or one slot.
struct SPassiveSelection {
    int top = -1;
    int group = 0;
    int slot = -1;

    bool IsTopGroup() const { return top >= 0 && group == 0; }
    bool IsGroup() const { return group > 0 && slot < 0; }
    bool IsEntry() const { return group > 0 && slot >= 0; }
    bool operator==(const SPassiveSelection&) const = default;
};

// A node as one number, for the notifications that the main frame hands to the tree and the
// page, and back.
int PackPassiveSelection(const SPassiveSelection& selection);
SPassiveSelection UnpackPassiveSelection(int packed);

class CPagePassive {
public:
    static constexpr int kMiscellaneousTop = 2;

    // Error codes of the table operations and their messages.
    enum TableResult {
        kDone = 0,
        kNoPlace = 1,
        kNoUnitPlace = 2,
        kGroupFull = 3,
        kModifyFailed = 4
    };
    static std::string TableResultText(int code);

    CPagePassive(CHWInfoFile& table, const CRegistry& store, IPassivePageHost& host);

    // Reads the validation option and shows the selected entry.
    void Open();
    // Reads the validation option again, keeping what the boxes hold: the options may have
    // changed while the page was away or under the options dialog.
    void ReadOptions();
    // The tree (or the main frame for it) selected a node.
    void ShowSelection(const SPassiveSelection& selection);
    void ChooseLocation(int top);
    void ChooseUnitType(int group);

    // The location names, and the unit types (group, name) under the chosen location.
    static std::vector<std::string> Locations();
    std::vector<std::pair<int, std::string>> UnitTypes() const;

    void SetSerial(const std::string& text) { m_serial = text; }
    void SetProduct(const std::string& text) { m_product = text; }
    // The item code box changed; `cursor` is the caret after the change.
    void EditItemCode(const std::string& text, int cursor);
    void EditRevision(const std::string& text);
    // A scanned code replaced the text of a box. It is kept whole, beyond the box's limit, so
    // that an over-long scan fails the checks instead of being cut to a valid-looking one.
    // While the product identifier is composed, a scan into it is taken apart into item code
    // and revision; one that does not come apart is refused with a warning (false).
    bool ReplaceText(PassiveField field, const std::string& text);

    bool Add();
    bool Modify();
    bool Delete();
    bool Import();
    bool Export();

    const SPassiveSelection& Selection() const { return m_selection; }
    int Location() const { return m_selection.top; }
    int UnitType() const { return m_selection.group; }
    const std::string& Serial() const { return m_serial; }
    const std::string& Product() const { return m_product; }
    const std::string& ItemCode() const { return m_itemCode; }
    const std::string& Revision() const { return m_revision; }
    const std::string& Text(PassiveField field) const;

    bool ValidationOption() const { return m_validationOption; }
    // Item code and revision are shown, and the product identifier is composed from them.
    bool ValidationApplies() const;
    bool ProductReadOnly() const { return ValidationApplies(); }

    // "%d / %d" beside a box, and the count of filled entries against the maximum. The texts
    // are bytes of the files' 8-bit code page, one byte a character.
    std::string CounterText(PassiveField field) const;
    std::string UnitsCounterText() const;
    static int Limit(PassiveField field);

private:
    bool PreCheck();
    bool Fail(const std::string& text, PassiveField focus);
    void ShowSlot();
    void SplitProduct();
    void AfterEntryStored();
    int AddToTable();
    int ModifyInTable();
    void Recompose();

    CHWInfoFile& m_table;
    const CRegistry& m_store;
    IPassivePageHost& m_host;
    SPassiveSelection m_selection;
    bool m_validationOption = false;
    std::string m_serial;
    std::string m_product;
    std::string m_itemCode;
    std::string m_revision;
};
