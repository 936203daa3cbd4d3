#include "app/passive/PagePassive.h"

#include "app/passive/PassiveProductId.h"
#include "files/HWInfoFile.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* kSerialMissing =
    "Serial Number must be entered before\nunit information can be added.";
constexpr const char* kItemCodeMissing = "Item Code can't be empty";
constexpr const char* kProductMissing =
    "Product Identifier must be entered before\nunit information can be added.";
constexpr const char* kSerialLength = "Serial Number must contain %d characters.";
constexpr const char* kProductLength = "Product Identifier must contain %d characters.";
constexpr const char* kSerialCharacters =
    "Please Enter a Valid SERIAL No.\nValid Serial No: [A/a-Z/z], [0-9]";
constexpr const char* kProductCharacters =
    "Please Enter the Valid ItemCode/ Revision.\n\nValid Characters: [A/a-Z/z], [0-9], and "
    ".\nItem Code should contain atleast 1 Alphanumeric character.\nRevision can be blank.";
constexpr const char* kItemCodeOnlyDots =
    "Please Enter the Valid ItemCode \nAtleast 1-Alphanumeric character should be entered.";
constexpr const char* kAlreadyExists =
    "A unit with the given Product Identifier and\nSerial Number already exists.";
constexpr const char* kTooManyUnits = "Failed to add unit. BTS can store a maximum of 100 units";
constexpr const char* kDeleteGroupQuestion =
    "Are you sure you want to delete all items\nbelongin to ";
constexpr const char* kScanNotComposed =
    "The Product ID is made of the Item Code and the Revision, and the scanned code does not "
    "split into them.\nScan the Item Code and the Revision into their boxes.";

std::string Trim(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto begin = std::find_if_not(text.begin(), text.end(), blank);
    auto end = std::find_if_not(text.rbegin(), std::string::const_reverse_iterator(begin), blank);
    return std::string(begin, end.base());
}

std::string WithNumber(const char* format, int value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

std::string CPagePassive::TableResultText(int code) {
    switch (code) {
    case kNoPlace:
        return "Cannot add unit to the selected place.\nSelect unit type and try again.";
    case kNoUnitPlace:
        return "Cannot find proper unit place.\nSelect unit type and try again.";
    case kGroupFull:
        return "Cannot add more units to this unit type.";
    case kModifyFailed:
        return "Failed to modify unit information.";
    default:
        return "Unknown";
    }
}

int PackPassiveSelection(const SPassiveSelection& selection) {
    return (selection.top + 1) * 65536 + (selection.group & 0xFF) * 256 +
           ((selection.slot + 1) & 0xFF);
}

SPassiveSelection UnpackPassiveSelection(int packed) {
    return {packed / 65536 - 1, (packed / 256) % 256, packed % 256 - 1};
}

CPagePassive::CPagePassive(CHWInfoFile& table, const CRegistry& store, IPassivePageHost& host)
    : m_table(table), m_store(store), m_host(host) {}

void CPagePassive::Open() {
    m_validationOption = settings::Read(m_store, settings::kPassiveUnitValidationOption) != 0;
    ShowSlot();
}

void CPagePassive::ReadOptions() {
    const bool option = settings::Read(m_store, settings::kPassiveUnitValidationOption) != 0;
    if (option == m_validationOption) {
        return;
    }
    m_validationOption = option;
    // The item code and revision boxes come back with what the identifier box holds.
    SplitProduct();
}

void CPagePassive::ShowSelection(const SPassiveSelection& selection) {
    m_selection = selection;
    if (m_selection.group > 0) {
        // The location is the top group the entry hangs under, whatever the caller said.
        m_selection.top = CHWInfoFile::TopGroupOf(m_selection.group);
    }
    ShowSlot();
}

void CPagePassive::ChooseLocation(int top) {
    if (top < 0 || top >= CHWInfoFile::kTopGroupCount) {
        return;
    }
    ShowSelection({top, 0, -1});
}

void CPagePassive::ChooseUnitType(int group) {
    if (CHWInfoFile::TopGroupOf(group) != m_selection.top || !m_table.AcceptsGroup(group)) {
        return;
    }
    ShowSelection({m_selection.top, group, -1});
}

std::vector<std::string> CPagePassive::Locations() {
    std::vector<std::string> names;
    for (int top = 0; top < CHWInfoFile::kTopGroupCount; ++top) {
        names.push_back(CHWInfoFile::TopGroupName(top));
    }
    return names;
}

std::vector<std::pair<int, std::string>> CPagePassive::UnitTypes() const {
    std::vector<std::pair<int, std::string>> types;
    for (int group : CHWInfoFile::Groups()) {
        if (CHWInfoFile::TopGroupOf(group) == m_selection.top && m_table.AcceptsGroup(group)) {
            types.emplace_back(group, CHWInfoFile::LongName(group));
        }
    }
    return types;
}

void CPagePassive::ShowSlot() {
    std::string serial;
    std::string product;
    if (m_selection.IsEntry()) {
        m_table.GetSlot(m_selection.group, m_selection.slot, serial, product);
    }
    m_serial = serial;
    // The stored identifier is shown as stored: recomposing it from the cut-down parts would
    // change identifiers that were not made by the composition rule.
    m_product = product;
    SplitProduct();
}

void CPagePassive::SplitProduct() {
    if (m_product.empty()) {
        m_itemCode.clear();
        m_revision.clear();
    } else {
        m_itemCode = passive::ItemCodeOf(m_product);
        m_revision = passive::RevisionOf(m_product);
    }
}

bool CPagePassive::ValidationApplies() const {
    return m_validationOption && m_selection.top != kMiscellaneousTop;
}

void CPagePassive::Recompose() {
    if (ValidationApplies()) {
        m_product = passive::ComposeProductId(m_itemCode, m_revision);
    }
}

void CPagePassive::EditItemCode(const std::string& text, int cursor) {
    if (static_cast<int>(text.size()) <= passive::kItemCodeLimit) {
        m_itemCode = text;
        Recompose();
        return;
    }
    // One character too many is the user typing on: the one just typed decides what happens.
    const int at = std::clamp(cursor - 1, 0, static_cast<int>(text.size()) - 1);
    const char typed = text[static_cast<std::size_t>(at)];
    std::string kept = text;
    kept.erase(static_cast<std::size_t>(at), 1);
    kept.resize(std::min<std::size_t>(kept.size(), passive::kItemCodeLimit));
    m_itemCode = kept;
    Recompose();
    if (typed == '.' && static_cast<int>(text.size()) == passive::kItemCodeLimit + 1) {
        m_host.MoveFocus(PassiveField::Revision, true);
    } else {
        m_host.CaretToEnd(PassiveField::ItemCode);
        m_host.Beep();
    }
}

void CPagePassive::EditRevision(const std::string& text) {
    m_revision = text;
    Recompose();
}

bool CPagePassive::ReplaceText(PassiveField field, const std::string& text) {
    switch (field) {
    case PassiveField::Serial:
        m_serial = text;
        break;
    case PassiveField::Product:
        if (!ProductReadOnly()) {
            m_product = text;
        } else if (passive::ComposeProductId(passive::ItemCodeOf(text),
                                             passive::RevisionOf(text)) == text) {
            // Scanning the serial number and then the identifier is the usual round.
            m_product = text;
            SplitProduct();
        } else {
            m_host.Warning(kScanNotComposed);
            return false;
        }
        break;
    case PassiveField::ItemCode:
        m_itemCode = text;
        Recompose();
        break;
    case PassiveField::Revision:
        m_revision = text;
        Recompose();
        break;
    case PassiveField::None:
        break;
    }
    return true;
}

const std::string& CPagePassive::Text(PassiveField field) const {
    static const std::string none;
    switch (field) {
    case PassiveField::Serial:
        return m_serial;
    case PassiveField::Product:
        return m_product;
    case PassiveField::ItemCode:
        return m_itemCode;
    case PassiveField::Revision:
        return m_revision;
    case PassiveField::None:
        break;
    }
    return none;
}

int CPagePassive::Limit(PassiveField field) {
    switch (field) {
    case PassiveField::Serial:
        return passive::kSerialLimit;
    case PassiveField::Product:
        return passive::kProductLimit;
    case PassiveField::ItemCode:
        return passive::kItemCodeLimit;
    case PassiveField::Revision:
        return passive::kRevisionLimit;
    case PassiveField::None:
        break;
    }
    return 0;
}

std::string CPagePassive::CounterText(PassiveField field) const {
    return std::to_string(Text(field).size()) + " / " + std::to_string(Limit(field));
}

std::string CPagePassive::UnitsCounterText() const {
    return std::to_string(m_table.FilledCount()) + " / " + std::to_string(passive::kMaxUnits);
}

bool CPagePassive::Fail(const std::string& text, PassiveField focus) {
    m_host.Warning(text);
    m_host.MoveFocus(focus, false);
    return false;
}

bool CPagePassive::PreCheck() {
    m_serial = Trim(m_serial);
    m_product = Trim(m_product);
    const bool validate = ValidationApplies();
    if (m_serial.empty()) {
        return Fail(kSerialMissing, PassiveField::Serial);
    }
    if (m_product.empty()) {
        if (validate && m_itemCode.empty()) {
            return Fail(kItemCodeMissing, PassiveField::ItemCode);
        }
        return Fail(kProductMissing, PassiveField::Product);
    }
    if (static_cast<int>(m_serial.size()) != passive::kSerialLimit) {
        return Fail(WithNumber(kSerialLength, passive::kSerialLimit), PassiveField::Serial);
    }
    if (static_cast<int>(m_product.size()) != passive::kProductLimit) {
        return Fail(WithNumber(kProductLength, passive::kProductLimit), PassiveField::Product);
    }
    if (validate) {
        if (!std::all_of(m_serial.begin(), m_serial.end(), passive::IsAsciiAlnum)) {
            return Fail(kSerialCharacters, PassiveField::Serial);
        }
        const auto productChar = [](char c) { return c == '.' || passive::IsAsciiAlnum(c); };
        if (!std::all_of(m_product.begin(), m_product.end(), productChar)) {
            return Fail(kProductCharacters, PassiveField::ItemCode);
        }
        if (std::all_of(m_itemCode.begin(), m_itemCode.end(), [](char c) { return c == '.'; })) {
            return Fail(kItemCodeOnlyDots, PassiveField::ItemCode);
        }
    }
    if (m_table.Find(m_serial, m_product) >= 0) {
        m_host.Warning(kAlreadyExists);
        return false;
    }
    return true;
}

int CPagePassive::AddToTable() {
    if (!m_selection.IsGroup() && !m_selection.IsEntry()) {
        return kNoPlace;
    }
    if (!m_table.AcceptsGroup(m_selection.group)) {
        return kNoUnitPlace;
    }
    // An empty slot chosen in the tree is where the unit goes (for masthead amplifiers the
    // slot is the antenna); otherwise the group's first free slot.
    int index = -1;
    std::string serial;
    std::string product;
    if (m_selection.IsEntry() &&
        !m_table.GetSlot(m_selection.group, m_selection.slot, serial, product)) {
        index = m_selection.slot;
    }
    const int used = m_table.SetSlot(m_selection.group, index, m_serial, m_product);
    if (used < 0) {
        return kGroupFull;
    }
    m_selection.slot = used;
    return kDone;
}

int CPagePassive::ModifyInTable() {
    std::string serial;
    std::string product;
    // Modifying an empty slot would add a unit past the maximum without its check.
    if (!m_selection.IsEntry() ||
        !m_table.GetSlot(m_selection.group, m_selection.slot, serial, product)) {
        return kModifyFailed;
    }
    return m_table.SetSlot(m_selection.group, m_selection.slot, m_serial, m_product) < 0
               ? kModifyFailed
               : kDone;
}

void CPagePassive::AfterEntryStored() {
    m_host.RedrawActiveView();
    m_host.MoveFocus(ValidationApplies() ? PassiveField::ItemCode : PassiveField::Product, false);
    m_host.SetPassiveInfoChanged(true);
}

bool CPagePassive::Add() {
    if (m_table.FilledCount() >= passive::kMaxUnits) {
        m_host.Warning(kTooManyUnits);
        return false;
    }
    if (!PreCheck()) {
        return false;
    }
    if (const int code = AddToTable(); code != kDone) {
        m_host.Warning(TableResultText(code));
        return false;
    }
    AfterEntryStored();
    return true;
}

bool CPagePassive::Modify() {
    if (!PreCheck()) {
        return false;
    }
    if (const int code = ModifyInTable(); code != kDone) {
        m_host.Warning(TableResultText(code));
        return false;
    }
    AfterEntryStored();
    return true;
}

bool CPagePassive::Delete() {
    bool deleted = false;
    if (m_selection.IsEntry()) {
        std::string serial;
        std::string product;
        deleted = m_table.GetSlot(m_selection.group, m_selection.slot, serial, product) &&
                  m_table.ClearSlot(m_selection.group, m_selection.slot);
    } else if (m_selection.IsGroup()) {
        if (!m_host.AskYesNo(kDeleteGroupQuestion + CHWInfoFile::LongName(m_selection.group) +
                             ".")) {
            return false;
        }
        const int before = m_table.FilledCount();
        m_table.ClearGroup(m_selection.group);
        deleted = m_table.FilledCount() != before;
    }
    if (!deleted) {
        return false;
    }
    ShowSlot();
    m_itemCode.clear();
    m_revision.clear();
    m_host.MoveFocus(PassiveField::Serial, false);
    m_host.RedrawActiveView();
    m_host.SetPassiveInfoChanged(true);
    return true;
}

bool CPagePassive::Import() {
    const auto path = m_host.ChooseImportFile();
    if (!path) {
        return false;
    }
    // The table empties itself before it reads; a file that fails must not cost the entries.
    const auto before = m_table.FilledSlots();
    if (!m_table.Import(*path)) {
        m_table.Clear();
        for (const auto& e : before) {
            m_table.SetSlot(e.group, e.slot, e.serialNumber, e.productId);
        }
        m_host.Warning(CHWInfoFile::kImportFailed);
        return false;
    }
    ShowSlot();
    m_host.RedrawActiveView();
    m_host.SetPassiveInfoChanged(true);
    return true;
}

bool CPagePassive::Export() {
    const auto path = m_host.ChooseExportFile();
    if (!path) {
        return false;
    }
    if (!m_table.Export(*path)) {
        m_host.Warning(CHWInfoFile::kExportFailed);
        return false;
    }
    m_host.SetPassiveInfoChanged(false);
    return true;
}
