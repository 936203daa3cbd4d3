#pragma once
// File-side records of one cabinet: its units, alarm lines, TRX cabling and antennas, exactly as
// a site configuration file holds them.

#include <string>
#include <vector>

struct CSCFUnit {
    int typeId = 0; // catalogue type id
    int slot = -1;
    int index = -1;

    bool operator==(const CSCFUnit&) const = default;
};

// An alarm input (1-24) or a control output (1-6) of a cabinet.
struct CSCFAlarmLine {
    int number = 0;
    int polarity = -1;
    int severity = -1; // inputs only
    std::string name;
    bool isInput = true;

    bool operator==(const CSCFAlarmLine&) const = default;
};

struct CSCFTrxCabling {
    int trxNumber = 0;
    int logicalId = -1;
    int bb2XCon = -1;
    int trxUnitTypeId = -1; // -1 when the file code has no catalogue type
    int txCon = -1;
    int txPath1 = 0;
    int txPath2 = 0;
    int txPath3 = 0;
    int rxMainCon = -1;
    int rxMainPath1 = 0;
    int rxMainPath2 = 0;
    int rxDivCon = -1;
    int rxDivPath1 = 0;
    int rxDivPath2 = 0;
    int diversityPair = -1;

    bool operator==(const CSCFTrxCabling&) const = default;
};

// Attenuation value meaning "not set".
constexpr int kAttenuationNotSet = 9999;

struct CSCFAntenna {
    int antennaNumber = 0;
    int mhaType = 1;
    int cableAttenuation = kAttenuationNotSet; // hundredths of a dB
    int dualBand = 0;
    int unitConnection = -1;
    int unit2Connection = 0;
    int cositeMha = 0; // 0 or 1

    bool operator==(const CSCFAntenna&) const = default;
};

struct CSCFCabinet {
    int cabinetNumber = 0;
    int cabinetType = -1; // file code; Orvik stores the model's cabinet type plus one
    int lteInstalled = -1;
    int vswrMonitored = -1;
    int wcdmaUpgrade = -1;
    int mrcSupportWbc = 0;
    std::string configDescription;
    std::vector<CSCFAlarmLine> inputs;
    std::vector<CSCFAlarmLine> outputs;
    std::vector<CSCFUnit> units;
    std::vector<CSCFTrxCabling> trxCablings;
    std::vector<CSCFAntenna> antennas;

    bool operator==(const CSCFCabinet&) const = default;
};
