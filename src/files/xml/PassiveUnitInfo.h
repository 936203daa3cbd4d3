#pragma once
// Access to the serial numbers and product identifiers of a configuration's passive units, by
// unit group and slot (0-based). The plan writes them from and reads them into this table.

#include <string>

// Unit groups of the passive unit table.
enum EPassiveGroup : int {
    kPassiveCoreMechanics = 1,
    kPassiveApplicationKit = 2,
    kPassiveCabinetFan = 3,
    kPassiveCabinetHeater = 4,
    kPassiveMha = 5,
    kPassiveWbc = 6,
    kPassiveMulticoupler = 7,
    kPassiveZe2a = 8,
    kPassiveBiasT = 9,
    kPassiveWbt = 10,
    kPassiveMiniHeater = 11,
    kPassiveKettraSupport = 13,
    kPassiveKettraMisc = 14,
    kPassiveMisc = 16,
};

class IPassiveUnitInfo {
public:
    virtual ~IPassiveUnitInfo() = default;
    // Number of slots of the group (0 for an unknown group).
    virtual int SlotCount(int group) const = 0;
    // False when the group has no such slot or the slot is empty.
    virtual bool GetSlot(int group, int index, std::string& serial, std::string& product) const = 0;
    // Returns the index used, or -1 when the group has no such slot.
    virtual int SetSlot(int group, int index, const std::string& serial,
                        const std::string& product) = 0;
};
