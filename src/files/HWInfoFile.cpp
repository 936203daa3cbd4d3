#include "files/HWInfoFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

#include "files/AtomicFile.h"

namespace {

struct GroupRow {
    int group;
    int slots;
    const char* longName;
    const char* shortName;
    int top;
    int kindCode;
};

constexpr GroupRow kGroups[] = {
    {1, 1, "(DJMA/xUCA) Core Mechanics", "DJMA/xUCA", 0, 1},
    {2, 1, "(xWKA) Indoor/Outdoor Application Kit", "IWKA/OWKA", 0, 2},
    {3, 1, "(TVFA) Cabinet Fan", "TVFA", 0, 3},
    {4, 1, "(LPTA) Cabinet Heater", "LPTA", 0, 4},
    {5, 12, "(MHA) Mast Head Amplifier", "SZx/MHA", 0, 5},
    {6, 12, "(GExA) Wide Band Combiner", "GExA", 0, 7},
    {7, 6, "(JxxA) Receiver Multicoupler", "J2xA/J6xA", 0, 8},
    {8, 6, "(ZE2A) Dual Band Duplex Units", "ZE2A", 0, 9},
    {9, 12, "Bias-T Units", "Bias-T Unit", 0, 25},
    {10, 12, "(GExT) Triple Wide Band Combiner", "GExT", 0, 28},
    {11, 1, "(LPTM) Cabinet Heater for Mini Orvik", "LPTM", 0, 15},
    {13, 25, "Kettra-family Support Cabinet Units", "Kettra Supp", 1, 14},
    {14, 10, "Kettra-family Miscellaneous Units", "Kettra Misc", 1, 13},
    {16, 30, "Units 1 - 30", "Misc Unit", 2, 26},
};

constexpr const char* kTopNames[] = {"Current Cabinet", "External Site Support System",
                                     "Miscellaneous"};

int RowOf(int group) {
    for (int i = 0; i < static_cast<int>(std::size(kGroups)); ++i)
        if (kGroups[i].group == group)
            return i;
    return -1;
}

std::string Fit(std::string_view text, std::size_t width) {
    std::string s(text.substr(0, width));
    s.resize(width, ' ');
    return s;
}

std::string TrimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return std::string(s);
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The next token of s, consumed; white space of any kind separates tokens, as for scanf.
std::string_view Token(std::string_view& s) {
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    std::size_t end = 0;
    while (end < s.size() && !IsSpace(s[end]))
        ++end;
    std::string_view t = s.substr(0, end);
    s.remove_prefix(end);
    return t;
}

} // namespace

CHWInfoFile::CHWInfoFile() {
    for (const auto& row : kGroups)
        m_groups.emplace_back(static_cast<std::size_t>(row.slots));
}

bool CHWInfoFile::AcceptsGroup(int group) const {
    return RowOf(group) >= 0;
}

bool CHWInfoFileConf::AcceptsGroup(int group) const {
    return RowOf(group) >= 0 && TopGroupOf(group) != 1;
}

CHWInfoFile::Slot* CHWInfoFile::FindSlot(int group, int index) {
    return const_cast<Slot*>(std::as_const(*this).FindSlot(group, index));
}

const CHWInfoFile::Slot* CHWInfoFile::FindSlot(int group, int index) const {
    const int row = RowOf(group);
    if (row < 0 || !AcceptsGroup(group) || index < 0 || index >= kGroups[row].slots)
        return nullptr;
    return &m_groups[static_cast<std::size_t>(row)][static_cast<std::size_t>(index)];
}

void CHWInfoFile::Clear() {
    for (auto& g : m_groups)
        for (auto& s : g)
            s = Slot{};
}

int CHWInfoFile::FilledCount() const {
    int n = 0;
    for (const auto& g : m_groups)
        for (const auto& s : g)
            n += s.filled;
    return n;
}

bool CHWInfoFile::GetSlot(int group, int index, std::string& serial, std::string& product) const {
    const Slot* s = FindSlot(group, index);
    if (s == nullptr || !s->filled)
        return false;
    serial = TrimRight(s->serial);
    product = TrimRight(s->product);
    return true;
}

int CHWInfoFile::SetSlot(int group, int index, std::string_view serial, std::string_view product) {
    const int row = RowOf(group);
    if (row < 0 || !AcceptsGroup(group))
        return -1;
    if (index == -1) {
        const auto& slots = m_groups[static_cast<std::size_t>(row)];
        const auto it =
            std::find_if(slots.begin(), slots.end(), [](const Slot& s) { return !s.filled; });
        if (it == slots.end())
            return -1;
        index = static_cast<int>(it - slots.begin());
    }
    Slot* s = FindSlot(group, index);
    if (s == nullptr)
        return -1;
    s->filled = true;
    s->serial = Fit(serial, kSerialLength);
    s->product = Fit(product, kProductLength);
    return index;
}

bool CHWInfoFile::ClearSlot(int group, int index) {
    Slot* s = FindSlot(group, index);
    if (s == nullptr)
        return false;
    *s = Slot{};
    return true;
}

void CHWInfoFile::ClearGroup(int group) {
    for (int i = 0; i < GroupCapacity(group); ++i)
        ClearSlot(group, i);
}

int CHWInfoFile::Find(std::string_view serial, std::string_view product) const {
    const std::string wantSerial = TrimRight(serial.substr(0, kSerialLength));
    const std::string wantProduct = TrimRight(product.substr(0, kProductLength));
    if (wantSerial.empty() || wantProduct.empty())
        return -1;
    int entry = 0;
    for (std::size_t r = 0; r < m_groups.size(); ++r) {
        for (const Slot& s : m_groups[r]) {
            if (s.filled && AcceptsGroup(kGroups[r].group) && TrimRight(s.serial) == wantSerial &&
                TrimRight(s.product) == wantProduct)
                return entry;
            ++entry;
        }
    }
    return -1;
}

bool CHWInfoFile::EntryToSlot(int entry, int& group, int& index) const {
    if (entry < 0)
        return false;
    for (const auto& row : kGroups) {
        if (entry < row.slots) {
            group = row.group;
            index = entry;
            return true;
        }
        entry -= row.slots;
    }
    return false;
}

std::vector<CHWInfoSlotEntry> CHWInfoFile::FilledSlots() const {
    std::vector<CHWInfoSlotEntry> out;
    for (const auto& row : kGroups) {
        for (int i = 0; i < row.slots; ++i) {
            CHWInfoSlotEntry e{row.group, i, {}, {}};
            if (GetSlot(row.group, i, e.serialNumber, e.productId))
                out.push_back(std::move(e));
        }
    }
    return out;
}

int CHWInfoFile::GroupCapacity(int group) {
    const int row = RowOf(group);
    return row < 0 ? 0 : kGroups[row].slots;
}

std::string CHWInfoFile::LongName(int group) {
    const int row = RowOf(group);
    return row < 0 ? std::string() : kGroups[row].longName;
}

std::string CHWInfoFile::ShortName(int group) {
    const int row = RowOf(group);
    return row < 0 ? "Unknown" : kGroups[row].shortName;
}

std::string CHWInfoFile::EntryName(int group, int index) {
    return (group == kMhaGroup ? "Connected to Ant. " : "Unit nr ") + std::to_string(index + 1);
}

std::string CHWInfoFile::ListName(int group, int index) {
    if (GroupCapacity(group) == 1)
        return ShortName(group);
    return ShortName(group) + " " + std::to_string(index + 1);
}

std::string CHWInfoFile::TopGroupName(int top) {
    return top >= 0 && top < kTopGroupCount ? kTopNames[top] : "";
}

int CHWInfoFile::TopGroupOf(int group) {
    const int row = RowOf(group);
    return row < 0 ? -1 : kGroups[row].top;
}

std::vector<int> CHWInfoFile::Groups() {
    std::vector<int> groups;
    for (const auto& row : kGroups)
        groups.push_back(row.group);
    return groups;
}

int CHWInfoFile::GroupToKindCode(int group) {
    const int row = RowOf(group);
    return row < 0 ? -1 : kGroups[row].kindCode;
}

int CHWInfoFile::KindCodeToGroup(int code) {
    for (const auto& row : kGroups)
        if (row.kindCode == code)
            return row.group;
    return -1;
}

std::string CHWInfoFile::ExportText(const std::string& path) const {
    const std::size_t cut = path.find_last_of("/\\");
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    std::string out = "File: " + name + "\r\n\r\n";
    for (int top = 0; top < kTopGroupCount; ++top) {
        out += "*";
        out += kTopNames[top];
        out += "\r\n";
        for (const auto& row : kGroups) {
            if (row.top != top || !AcceptsGroup(row.group))
                continue;
            out += " ";
            out += row.longName;
            out += "\r\n";
            for (int i = 0; i < row.slots; ++i) {
                std::string serial, product;
                if (!GetSlot(row.group, i, serial, product))
                    continue;
                char number[24];
                std::snprintf(number, sizeof number, "  %2d  ", i + 1);
                out += number + serial + "  " + product + "\r\n";
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

bool CHWInfoFile::Export(const std::string& path) const {
    return WriteFileAtomically(path, ExportText(path)).empty();
}

bool CHWInfoFile::ImportText(std::string_view text) {
    Clear();
    if (text.empty())
        return false;
    int group = -1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = TrimLeft(line);
        if (!line.empty() && line.front() == '*')
            continue; // top groups only arrange the groups
        const std::string whole = TrimRight(line);
        const auto named = std::find_if(std::begin(kGroups), std::end(kGroups),
                                        [&](const GroupRow& r) { return whole == r.longName; });
        if (named != std::end(kGroups)) {
            group = named->group;
            continue;
        }
        std::string_view rest = line;
        const std::string_view numberText = Token(rest);
        const std::string_view serial = Token(rest);
        const std::string_view product = Token(rest);
        int number = 0;
        const auto [p, ec] =
            std::from_chars(numberText.data(), numberText.data() + numberText.size(), number);
        // Slot numbers count from 1; 0 must not turn into "the first free slot".
        if (group < 0 || ec != std::errc() || p != numberText.data() + numberText.size() ||
            number < 1 || serial.empty() || product.empty())
            continue;
        SetSlot(group, number - 1, serial, product);
    }
    return true;
}

bool CHWInfoFile::Import(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        Clear();
        return false;
    }
    return ImportText(bytes);
}
