#pragma once
// The keywords of the site configuration file with their nesting levels. A block reader at
// level L owns the keywords it handles; a keyword of a lower level closes the block.

#include <array>
#include <cstdint>
#include <cstring>
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

// The bytes of a name as three words and its length, read with loads that may overlap
// (the first and the last eight bytes, and the middle ones of a long name): two names are
// equal exactly when their keys are, so a lookup hashes and compares words, with no byte loop
// and no call. Names share long prefixes ("CAB_TRX_", "TRE_EOC_") but not their ends.
struct CSCFNameKey {
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::uint64_t middle = 0;
    std::size_t size = 0;

    explicit CSCFNameKey(std::string_view name) : size(name.size()) {
        const char* p = name.data();
        const std::size_t n = name.size();
        if (n >= 8) {
            head = Load<std::uint64_t>(p);
            tail = Load<std::uint64_t>(p + n - 8);
            if (n > 16)
                middle = Load<std::uint64_t>(p + 8);
        } else if (n >= 4) {
            head = Load<std::uint32_t>(p) | std::uint64_t{Load<std::uint32_t>(p + n - 4)} << 32;
        } else if (n > 0) {
            head = std::uint64_t{static_cast<unsigned char>(p[0])} |
                   std::uint64_t{static_cast<unsigned char>(p[n / 2])} << 8 |
                   std::uint64_t{static_cast<unsigned char>(p[n - 1])} << 16;
        }
    }
    bool operator==(const CSCFNameKey&) const = default;

    std::size_t Slot(int bits) const {
        const std::uint64_t h = (head * 0x9E3779B97F4A7C15ull) ^ (tail * 0xC2B2AE3D27D4EB4Full) ^
                                (middle * 0x165667B19E3779F9ull) ^ size;
        return static_cast<std::size_t>((h ^ (h >> 29)) * 0xFF51AFD7ED558CCDull >> (64 - bits));
    }

private:
    template <class Word> static Word Load(const char* p) {
        Word w;
        std::memcpy(&w, p, sizeof w);
        return w;
    }
};

// Looks keywords up the way a file lists them: first as the keyword that followed the last
// one found the last time, which a file written by a program nearly always is, and only then
// in the table. One per reader, since it learns from the lines it is given.
class CSCFKeywordFinder {
public:
    const CSCFKeyword* Find(std::string_view name);

private:
    struct SGuess {
        const CSCFKeyword* row = nullptr;
        CSCFNameKey key{std::string_view()};
    };
    std::array<SGuess, kwMwrAcceptChnls + 1> m_next{};
    std::uint32_t m_last = kwNone;
};

// File code conversions; every one gives -1 for a value without a counterpart.
int TrxUnitTypeFromCode(int code);
int TrxUnitTypeToCode(int typeId);
int TreUnitTypeFromCode(int code);
int TreUnitTypeToCode(int typeId);
int HopOuTypeFromCode(int code);
int HopOuTypeToCode(int typeId);
