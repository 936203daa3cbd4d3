#pragma once
// Serial numbers and product identifiers of the passive units of a configuration, kept in a
// fixed table of slots per unit group, and their ".hwi" text file.

#include <string>
#include <string_view>
#include <vector>

struct CHWInfoSlotEntry {
    int group = 0;
    int slot = 0; // from 0
    std::string serialNumber;
    std::string productId;
};

class CHWInfoFile {
public:
    static constexpr std::size_t kSerialLength = 11;
    static constexpr std::size_t kProductLength = 14;
    static constexpr int kTopGroupCount = 3;
    static constexpr int kMhaGroup = 5;

    CHWInfoFile();
    virtual ~CHWInfoFile() = default;
    CHWInfoFile(const CHWInfoFile&) = default;
    CHWInfoFile& operator=(const CHWInfoFile&) = default;

    // Whether this table keeps and lists the group.
    virtual bool AcceptsGroup(int group) const;

    void Clear();
    int FilledCount() const;
    // Trailing blanks removed; false when the group has no such slot or the slot is empty.
    bool GetSlot(int group, int index, std::string& serial, std::string& product) const;
    // Index -1 takes the first empty slot. Returns the index used, or -1.
    int SetSlot(int group, int index, std::string_view serial, std::string_view product);
    bool ClearSlot(int group, int index);
    void ClearGroup(int group);
    // The entry index (over all groups in table order) of the first slot holding both, or -1.
    int Find(std::string_view serial, std::string_view product) const;
    bool EntryToSlot(int entry, int& group, int& index) const;
    std::vector<CHWInfoSlotEntry> FilledSlots() const;

    static int GroupCapacity(int group);
    static std::string LongName(int group);
    static std::string ShortName(int group); // "Unknown" for a group without slots
    static std::string EntryName(int group, int index);
    static std::string ListName(int group, int index);
    static std::string TopGroupName(int top); // top 0-2
    static int TopGroupOf(int group);
    // The groups in table order.
    static std::vector<int> Groups();

    // Kind codes the BTS uses for passive units; -1 without a counterpart.
    static int GroupToKindCode(int group);
    static int KindCodeToGroup(int code);

    // The ".hwi" text for a file of that path (CRLF line ends).
    std::string ExportText(const std::string& path) const;
    bool Export(const std::string& path) const;
    // Replaces the contents by what the text holds; false for an empty text.
    bool ImportText(std::string_view text);
    bool Import(const std::string& path);

    static constexpr const char* kImportFailed = "Importing the file failed.";
    static constexpr const char* kExportFailed =
        "An error occurred during the creation of the file/export to the file.";

private:
    struct Slot {
        bool filled = false;
        std::string serial;  // blank-padded to kSerialLength
        std::string product; // blank-padded to kProductLength
    };
    Slot* FindSlot(int group, int index);
    const Slot* FindSlot(int group, int index) const;

    std::vector<std::vector<Slot>> m_groups; // in table order
};

// The table for the configuration candidate: the units of the site's own cabinet and the
// miscellaneous units, not those of an external support cabinet.
class CHWInfoFileConf : public CHWInfoFile {
public:
    bool AcceptsGroup(int group) const override;
};
