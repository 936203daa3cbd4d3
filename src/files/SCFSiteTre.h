#pragma once
// File-side transmission equipment (TRE) records of a site: units with interfaces, management,
// sync sources and microwave hops. Carried through a save unchanged.

#include <string>
#include <vector>

struct CSCFTreInterface {
    int id = 0;
    std::string name;
    std::string cableId;
    int interfaceType = -1;
    int crc = -1;

    bool operator==(const CSCFTreInterface&) const = default;
};

struct CSCFSiteTreUnit {
    int typeId = -1; // catalogue type id (converted from the file code)
    int slot = -1;
    std::vector<CSCFTreInterface> interfaces;

    bool operator==(const CSCFSiteTreUnit&) const = default;
};

struct CSCFTreManagement {
    int managementType = -1;
    int address = -1;
    int groupAddress = -1;
    int baudRate = -1;
    std::string eocBus;
    int eocSlot = -1;
    int eocFlexbus = -1;
    int eocType = -1;
    int eocInterface = -1;
    int eocBitRate = -1;
    int eocTimeSlot = -1;
    int eocSubTimeSlot = -1;

    bool operator==(const CSCFTreManagement&) const = default;
};

struct CSCFTreSync {
    int priority = -1;
    int slot = -1;
    int flexbus = -1;
    int interface = -1;
    int syncType = -1;

    bool operator==(const CSCFTreSync&) const = default;
};

struct CSCFHop {
    std::string name;
    std::string id;
    int iuSlot = -1;
    int flexbus = -1;
    int ouTypeId = -1; // catalogue type id (converted from the file code)
    int exists = -1;
    std::string frequency;
    int capacity = -1;
    int maxTxPower = -1;
    std::string temperatureId;
    int mode = -1;
    std::string acceptedChannels;

    bool operator==(const CSCFHop&) const = default;
};

struct CSCFSiteTre {
    std::string equipmentName; // empty: the site has no TRE block
    int treType = -1;
    int treMode = -1;
    int trunetDisable = -1;
    int trunetSpeed = -1;
    std::string ccFile;
    CSCFTreManagement management;
    std::vector<CSCFSiteTreUnit> units;
    std::vector<CSCFTreSync> syncs;
    std::vector<CSCFHop> hops;

    bool operator==(const CSCFSiteTre&) const = default;
};
