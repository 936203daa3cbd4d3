#pragma once
// One configuration of a site configuration file as plain data: the site, BCF and OM values,
// cabinets, BSC network data and transmission equipment. The site model fills it before a save
// and builds from it after an open.

#include <cstdint>
#include <string>
#include <vector>

#include "files/SCFCabinet.h"
#include "files/SCFNetwork.h"
#include "files/SCFSiteTre.h"
#include "model/UcSwVersion.h"

struct CSCFSite {
    std::string name;

    // Types are kept twice: as read (to know what the file said) and as to be written.
    int siteTypeRead = -1;
    int siteType = 0;

    std::string siteId;
    std::string ipAddress;
    std::string defaultGateway;
    std::string networkId;
    std::string latitude;
    std::string longitude;
    std::string groundHeight;
    std::string dataRoute;
    std::string description;
    std::string dropOffPoint;
    std::string commissioningReport;
    int implRound = -1;
    int implOrder = -1;
    int valid = 0;
    int autoConfMode = -1;
    CUcSwVersion ucSwVersion{2};

    std::uint16_t bcfId = 65535;
    std::string bcfName;
    std::string bcfAddress;
    int bcfTypeRead = -1;
    int bcfType = 0;
    int bcfClockSync = -1;

    int omLinkNumber = -1;
    int omBitRate = -1;
    int omPcmSlot = -1;
    int omPcmInterface = -1;
    int omTimeSlot = -1;
    int omSubTimeSlot = -1;

    int cabinetAmount = 0; // as declared in the file; the writer writes cabinets.size()
    std::vector<CSCFCabinet> cabinets;

    std::vector<CSCFBts> btsList;
    std::vector<CSCFNetworkTrx> networkTrxs;
    CSCFSiteTre tre;

    bool operator==(const CSCFSite&) const = default;
};

// Site and BCF types an Orvik configuration is written with.
constexpr int kSiteTypeOrvik = 3;
constexpr int kBcfTypeOrvik = 6;
// BCF type of a configuration of the older Selmo family.
constexpr int kBcfTypeSelmo = 4;
// Sites of this type are read but never written back.
constexpr int kSiteTypeNotWritten = 2;
