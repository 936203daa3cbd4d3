#pragma once
// The keywords of the site configuration file with their nesting levels. A block reader at
// level L owns the keywords it handles; a keyword of a lower level closes the block.

#include <cstdint>
#include <string_view>

enum ESCFKeyword : std::uint32_t {
    kwNone = 0,
    kwVersion,
    kwBscId,
    kwBscName,
    kwWorkOrderId,
    kwWorkOrderDescr,
    kwArfcnScan,
    kwGwArfcnScan,
    kwSiteName,
    kwEof,
    kwSiteType,
    kwSiteUcSwVersion,
    kwSiteId,
    kwSiteDescription,
    kwSiteImplRound,
    kwSiteImplOrder,
    kwSiteDropOffPoint,
    kwSiteValid,
    kwSiteAutoconfMode,
    kwSiteDataRoute,
    kwSiteIpAddress,
    kwSiteDefGateway,
    kwSiteNetworkId,
    kwLatitude,
    kwLongitude,
    kwSiteGroundHeight,
    kwSiteCommissRep,
    kwBcfId,
    kwTreEquipmentName,
    kwBcfName,
    kwBcfAddress,
    kwBcfType,
    kwBcfClkSync,
    kwOmLinkNumber,
    kwOmBitRate,
    kwOmPcmSlot,
    kwOmPcmIf,
    kwOmTsl,
    kwOmSubTsl,
    kwCabAmount,
    kwCabNumber,
    kwBtsId,
    kwCabType,
    kwCabConfigDescr,
    kwCabLteInstalled,
    kwCabVswrMonitored,
    kwCabWcdmaUpgrade,
    kwCabMrcSupportWbc,
    kwCabUnitType,
    kwCabUnitSlot,
    kwCabUnitIndex,
    kwInput,
    kwInputName,
    kwInputPolarity,
    kwInputSeverity,
    kwOutput,
    kwOutputName,
    kwOutputPolarity,
    kwCabTrxId,
    kwCabTrxUnitType,
    kwCabTrxLogId,
    kwCabTrxBb2Xcon,
    kwCabTrxTxCon,
    kwCabTrxTxPath1,
    kwCabTrxTxPath2,
    kwCabTrxTxPath3,
    kwCabTrxRxmCon,
    kwCabTrxRxmPath1,
    kwCabTrxRxmPath2,
    kwCabTrxRxdCon,
    kwCabTrxRxdPath1,
    kwCabTrxRxdPath2,
    kwCabTrxDivPair,
    kwCabAntenna,
    kwCabAntMha,
    kwCabAntUnitCon,
    kwCabAntDualBand,
    kwCabAntUnit2Con,
    kwCabAntCblAtten,
    kwCabAntCositeMha,
    kwBtsNwName,
    kwBtsIndoorGateway,
    kwBtsIndGroupId,
    kwTrxId,
    kwTrxNwType,
    kwTrxArfnArray,
    kwTrxSigLinkNumber,
    kwTrxSigPcmSlot,
    kwTrxSigPcmIf,
    kwTrxSigBitRate,
    kwTrxSigTsl,
    kwTrxSigSubTsl,
    kwTrxTchTsl,
    kwTreType,
    kwTreMode,
    kwTreTrunetDisable,
    kwTreTrunetSpeed,
    kwTreUnitType,
    kwTreUnitSlot,
    kwTreInterfaceId,
    kwTreInterfaceName,
    kwTreInterfCableId,
    kwTreInterfaceType,
    kwTreInterfaceCrc,
    kwTreManagement,
    kwTreZ9Address,
    kwTreZ9GroupAddr,
    kwTreZ9BaudRate,
    kwTreEocBus,
    kwTreEocSlot,
    kwTreEocFlexbus,
    kwTreEocType,
    kwTreEocInterface,
    kwTreEocBitRate,
    kwTreEocTsl,
    kwTreEocSubTsl,
    kwTreSyncPriority,
    kwTreSyncSlot,
    kwTreSyncFlexbus,
    kwTreSyncInterface,
    kwTreSyncType,
    kwTreCcFile,
    kwMwrHopName,
    kwMwrHopId,
    kwMwrHopIuSlot,
    kwMwrHopFlexbus,
    kwMwrHopOuType,
    kwMwrHopExist,
    kwMwrHopFrequency,
    kwMwrHopCapacity,
    kwMwrHopMaxTxpwr,
    kwMwrHopTempId,
    kwMwrHopMode,
    kwMwrAcceptChnls,
};

struct CSCFKeyword {
    std::uint32_t id;
    char name[24];
    std::uint32_t level;
};

// Level given to a keyword the table does not know.
constexpr std::uint32_t kLevelUnknown = 255;

// The table, ending with the row {0, "NILL", 255}.
const CSCFKeyword* SCFKeywordTable();
// The row of a keyword name (without the backslash), or nullptr. Names compare with case.
const CSCFKeyword* FindSCFKeyword(std::string_view name);
// The name of a keyword id.
std::string_view SCFKeywordName(std::uint32_t id);

// File code conversions; every one gives -1 for a value without a counterpart.
int TrxUnitTypeFromCode(int code);
int TrxUnitTypeToCode(int typeId);
int TreUnitTypeFromCode(int code);
int TreUnitTypeToCode(int typeId);
int HopOuTypeFromCode(int code);
int HopOuTypeToCode(int typeId);
