#pragma once
// One object the BTS reported (BCF, sector, TRX, transmission unit, ...) with what the
// messages told about it.

#include <array>
#include <cstdint>
#include <string>

class CObjectData {
public:
    int id = 0;
    int objectClass = 0;
    int index = 0;
    int subIndex = 0;
    std::string name;
    // The unit of the configuration currently in BTS it stands for; kind 0 when none. The unit
    // is looked up on every use, since that configuration may be replaced at any time.
    int unitKind = 0;
    int unitNumber = 0;
    int parentId = 0;
    int number = 0;
    // 0 normal, 1 ready/ok, 3 faulty or missing, 4 attention.
    int displayStatus = 0;
    // Paired objects: status and presence of the odd and even half.
    std::array<int, 2> halfStatus{0, 0};
    std::array<bool, 2> halfPresent{false, false};
    int state = -1;
    bool exists = false;
    bool backgroundLoading = false;
    int alarm = 0;
    bool alarm7208 = false;
    int ovenState = -1;
    int arfn = -1;
    int unitTypeCode = 0;
    int bandCode = 0;
    int trxByte = 0;
    bool pendingParent = false;
    uint32_t value1 = 0;
    uint32_t value2 = 0;
    std::string typeText = "Unknown";
    std::string serialNumber = "Unknown";
    std::string productCode = "Unknown";
    std::string shortText = "Unknown";
    std::string longText = "Unknown";
};
