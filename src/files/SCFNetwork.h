#pragma once
// File-side BSC network records of a site: its BTSs and their network TRXs. Cabrion does not
// edit them; they are kept so that a save does not drop what other tools entered.

#include <string>

struct CSCFBts {
    std::string btsId;
    std::string networkName;
    int indoorGateway = -1;
    int indoorGroupId = -1;

    bool operator==(const CSCFBts&) const = default;
};

struct CSCFNetworkTrx {
    int trxId = 0;
    std::string btsId; // id text of the BTS block the TRX was read in
    int networkType = -1;
    std::string arfcnArray;
    int sigLinkNumber = -1;
    int sigBitRate = -1;
    int sigPcmSlot = -1;
    int sigPcmInterface = -1;
    int sigTimeSlot = -1;
    int sigSubTimeSlot = -1;
    int tchTimeSlot = -1;

    bool operator==(const CSCFNetworkTrx&) const = default;
};
