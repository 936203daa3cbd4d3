#pragma once
// The rules of the "Display" options page: three drawing flags of the view manager and the
// "ViewSettings" number they are stored in.

class CRegistry;

struct SDisplayFlags {
    bool widebandAndMulticoupler = false;
    bool rackShelfSlot = false;
    bool onlySelectedCabling = false;

    // Bit 0 wideband and multicoupler units, bit 1 rack, shelf and slot, bit 2 only selected.
    static SDisplayFlags FromViewSettings(int value);
    int ToViewSettings() const;
    bool operator==(const SDisplayFlags&) const = default;
};

class CPageOptionsCabling {
public:
    // The boxes show the view manager's flags.
    explicit CPageOptionsCabling(const SDisplayFlags& current) : m_flags(current) {}

    SDisplayFlags& Flags() { return m_flags; }
    const SDisplayFlags& Flags() const { return m_flags; }
    // OK: stores the flags when there is a view manager to take them; true when stored.
    bool Apply(CRegistry& store, SDisplayFlags* viewManagerFlags) const;

private:
    SDisplayFlags m_flags;
};
