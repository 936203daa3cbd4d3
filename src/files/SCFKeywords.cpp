#include "files/SCFKeywords.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr CSCFKeyword kTable[] = {
    {kwVersion, "VERSION", 1},
    {kwBscId, "BSC_ID", 1},
    {kwBscName, "BSC_NAME", 1},
    {kwWorkOrderId, "WORK_ORDER_ID", 1},
    {kwWorkOrderDescr, "WORK_ORDER_DESCR", 1},
    {kwArfcnScan, "PAVRO_ARFN_SCAN", 1},
    {kwGwArfcnScan, "PAVRO_GW_ARFN_SCAN", 1},
    {kwSiteName, "SITE_NAME", 1},
    {kwEof, "EOF", 0},
    {kwSiteType, "SITE_TYPE", 2},
    {kwSiteUcSwVersion, "SITE_UC_SW_VERSION", 2},
    {kwSiteId, "SITE_ID", 2},
    {kwSiteDescription, "SITE_DESCRIPTION", 2},
    {kwSiteImplRound, "SITE_IMPL_ROUND", 2},
    {kwSiteImplOrder, "SITE_IMPL_ORDER", 2},
    {kwSiteDropOffPoint, "SITE_DROP_OFF_POINT", 2},
    {kwSiteValid, "SITE_VALID", 2},
    {kwSiteAutoconfMode, "SITE_AUTOCONF_MODE", 2},
    {kwSiteDataRoute, "SITE_DATA_ROUTE", 2},
    {kwSiteIpAddress, "SITE_IP_ADDRESS", 2},
    {kwSiteDefGateway, "SITE_DEF_GATEWAY", 2},
    {kwSiteNetworkId, "SITE_NETWORK_ID", 2},
    {kwLatitude, "LATITUDE", 2},
    {kwLongitude, "LONGITUDE", 2},
    {kwSiteGroundHeight, "SITE_GROUND_HEIGHT", 2},
    {kwSiteCommissRep, "SITE_COMMISS_REP", 2},
    {kwBcfId, "BCF_ID", 2},
    {kwTreEquipmentName, "TRE_EQUIPMENT_NAME", 2},
    {kwBcfName, "BCF_NAME", 3},
    {kwBcfAddress, "BCF_ADDRESS", 3},
    {kwBcfType, "BCF_TYPE", 3},
    {kwBcfClkSync, "BCF_CLK_SYNC", 3},
    {kwOmLinkNumber, "OM_LINK_NUMBER", 4},
    {kwOmBitRate, "OM_BIT_RATE", 5},
    {kwOmPcmSlot, "OM_PCM_SLOT", 5},
    {kwOmPcmIf, "OM_PCM_IF", 5},
    {kwOmTsl, "OM_TSL", 5},
    {kwOmSubTsl, "OM_SUB_TSL", 5},
    {kwCabAmount, "CAB_AMOUNT", 3},
    {kwCabNumber, "CAB_NUMBER", 4},
    {kwBtsId, "BTS_ID", 3},
    {kwCabType, "CAB_TYPE", 5},
    {kwCabConfigDescr, "CAB_CONFIG_DESCR", 5},
    {kwCabLteInstalled, "CAB_LTE_INSTALLED", 5},
    {kwCabVswrMonitored, "CAB_VSWR_MONITORED", 5},
    {kwCabWcdmaUpgrade, "CAB_WCDMA_UPGRADE", 5},
    {kwCabMrcSupportWbc, "CAB_MRC_SUPPORT_WBC", 5},
    {kwCabUnitType, "CAB_UNIT_TYPE", 5},
    {kwCabUnitSlot, "CAB_UNIT_SLOT", 6},
    {kwCabUnitIndex, "CAB_UNIT_INDEX", 6},
    {kwInput, "INPUT", 5},
    {kwInputName, "INPUT_NAME", 6},
    {kwInputPolarity, "INPUT_POLARITY", 6},
    {kwInputSeverity, "INPUT_SEVERITY", 6},
    {kwOutput, "OUTPUT", 5},
    {kwOutputName, "OUTPUT_NAME", 6},
    {kwOutputPolarity, "OUTPUT_POLARITY", 6},
    {kwCabTrxId, "CAB_TRX_ID", 5},
    {kwCabTrxUnitType, "CAB_TRX_UNIT_TYPE", 6},
    {kwCabTrxLogId, "CAB_TRX_LOG_ID", 6},
    {kwCabTrxBb2Xcon, "CAB_TRX_BB2_XCON", 6},
    {kwCabTrxTxCon, "CAB_TRX_TX_CON", 6},
    {kwCabTrxTxPath1, "CAB_TRX_TX_PATH1", 6},
    {kwCabTrxTxPath2, "CAB_TRX_TX_PATH2", 6},
    {kwCabTrxTxPath3, "CAB_TRX_TX_PATH3", 6},
    {kwCabTrxRxmCon, "CAB_TRX_RXM_CON", 6},
    {kwCabTrxRxmPath1, "CAB_TRX_RXM_PATH1", 6},
    {kwCabTrxRxmPath2, "CAB_TRX_RXM_PATH2", 6},
    {kwCabTrxRxdCon, "CAB_TRX_RXD_CON", 6},
    {kwCabTrxRxdPath1, "CAB_TRX_RXD_PATH1", 6},
    {kwCabTrxRxdPath2, "CAB_TRX_RXD_PATH2", 6},
    {kwCabTrxDivPair, "CAB_TRX_DIV_PAIR", 6},
    {kwCabAntenna, "CAB_ANTENNA", 5},
    {kwCabAntMha, "CAB_ANT_MHA", 6},
    {kwCabAntUnitCon, "CAB_ANT_UNIT_CON", 6},
    {kwCabAntDualBand, "CAB_ANT_DUAL_BAND", 6},
    {kwCabAntUnit2Con, "CAB_ANT_UNIT2_CON", 6},
    {kwCabAntCblAtten, "CAB_ANT_CBL_ATTEN", 6},
    {kwCabAntCositeMha, "CAB_ANT_COSITE_MHA", 6},
    {kwBtsNwName, "BTS_NW_NAME", 4},
    {kwBtsIndoorGateway, "BTS_INDOOR_GATEWAY", 4},
    {kwBtsIndGroupId, "BTS_IND_GROUP_ID", 4},
    {kwTrxId, "TRX_ID", 4},
    {kwTrxNwType, "TRX_NW_TYPE", 5},
    {kwTrxArfnArray, "TRX_ARFN_ARRAY", 5},
    {kwTrxSigLinkNumber, "TRXSIG_LINK_NUMBER", 5},
    {kwTrxSigPcmSlot, "TRXSIG_PCM_SLOT", 5},
    {kwTrxSigPcmIf, "TRXSIG_PCM_IF", 5},
    {kwTrxSigBitRate, "TRXSIG_BIT_RATE", 5},
    {kwTrxSigTsl, "TRXSIG_TSL", 5},
    {kwTrxSigSubTsl, "TRXSIG_SUB_TSL", 5},
    {kwTrxTchTsl, "TRX_TCH_TSL", 5},
    {kwTreType, "TRE_TYPE", 3},
    {kwTreMode, "TRE_MODE", 3},
    {kwTreTrunetDisable, "TRE_TRUNET_DISABLE", 3},
    {kwTreTrunetSpeed, "TRE_TRUNET_SPEED", 3},
    {kwTreUnitType, "TRE_UNIT_TYPE", 3},
    {kwTreUnitSlot, "TRE_UNIT_SLOT", 3},
    {kwTreInterfaceId, "TRE_INTERFACE_ID", 3},
    {kwTreInterfaceName, "TRE_INTERFACE_NAME", 4},
    {kwTreInterfCableId, "TRE_INTERF_CABLE_ID", 4},
    {kwTreInterfaceType, "TRE_INTERFACE_TYPE", 4},
    {kwTreInterfaceCrc, "TRE_INTERFACE_CRC", 4},
    {kwTreManagement, "TRE_MANAGEMENT", 3},
    {kwTreZ9Address, "TRE_Z9_ADDRESS", 4},
    {kwTreZ9GroupAddr, "TRE_Z9_GROUP_ADDR", 4},
    {kwTreZ9BaudRate, "TRE_Z9_BAUD_RATE", 4},
    {kwTreEocBus, "TRE_EOC_BUS", 4},
    {kwTreEocSlot, "TRE_EOC_SLOT", 4},
    {kwTreEocFlexbus, "TRE_EOC_FLEXBUS", 4},
    {kwTreEocType, "TRE_EOC_TYPE", 4},
    {kwTreEocInterface, "TRE_EOC_INTERFACE", 4},
    {kwTreEocBitRate, "TRE_EOC_BIT_RATE", 4},
    {kwTreEocTsl, "TRE_EOC_TSL", 4},
    {kwTreEocSubTsl, "TRE_EOC_SUB_TSL", 4},
    {kwTreSyncPriority, "TRE_SYNC_PRIORITY", 3},
    {kwTreSyncSlot, "TRE_SYNC_SLOT", 4},
    {kwTreSyncFlexbus, "TRE_SYNC_FLEXBUS", 4},
    {kwTreSyncInterface, "TRE_SYNC_INTERFACE", 4},
    {kwTreSyncType, "TRE_SYNC_TYPE", 4},
    {kwTreCcFile, "TRE_CC_FILE", 3},
    {kwMwrHopName, "MWR_HOP_NAME", 3},
    {kwMwrHopId, "MWR_HOP_ID", 4},
    {kwMwrHopIuSlot, "MWR_HOP_IU_SLOT", 4},
    {kwMwrHopFlexbus, "MWR_HOP_FLEXBUS", 4},
    {kwMwrHopOuType, "MWR_HOP_OU_TYPE", 4},
    {kwMwrHopExist, "MWR_HOP_EXIST", 4},
    {kwMwrHopFrequency, "MWR_HOP_FREQUENCY", 4},
    {kwMwrHopCapacity, "MWR_HOP_CAPACITY", 4},
    {kwMwrHopMaxTxpwr, "MWR_HOP_MAX_TXPWR", 4},
    {kwMwrHopTempId, "MWR_HOP_TEMP_ID", 4},
    {kwMwrHopMode, "MWR_HOP_MODE", 4},
    {kwMwrAcceptChnls, "MWR_ACCEPT_CHNLS", 4},
    // Listed twice in the table the format grew from; the later row wins, as it always did.
    {kwSiteCommissRep, "SITE_COMMISS_REP", 2},
    {kwNone, "NILL", kLevelUnknown},
};

// Every keyword line of a file is looked up here, so the lookup is an open-addressed table
// with a hash of a few instructions per character rather than a general map.
class CKeywordIndex {
public:
    CKeywordIndex() {
        for (const auto& row : kTable) {
            if (row.id == kwNone)
                break;
            const CSCFNameKey key(std::string_view(row.name, ::strnlen(row.name, sizeof row.name)));
            std::size_t slot = key.Slot(kSlotBits);
            // A name listed twice keeps its later row.
            while (m_slots[slot].row != nullptr && !(m_slots[slot].key == key))
                slot = (slot + 1) & kMask;
            m_slots[slot] = {&row, key};
        }
    }

    const CSCFKeyword* Find(std::string_view name) const {
        if (name.empty() || name.size() > sizeof(CSCFKeyword::name))
            return nullptr;
        const CSCFNameKey key(name);
        for (std::size_t slot = key.Slot(kSlotBits); m_slots[slot].row != nullptr;
             slot = (slot + 1) & kMask)
            if (m_slots[slot].key == key)
                return m_slots[slot].row;
        return nullptr;
    }

private:
    static constexpr int kSlotBits = 8; // 256 slots, about twice the table: short probes
    static constexpr std::size_t kMask = (std::size_t{1} << kSlotBits) - 1;

    struct SSlot {
        const CSCFKeyword* row = nullptr;
        CSCFNameKey key{std::string_view()};
    };
    std::array<SSlot, std::size_t{1} << kSlotBits> m_slots{};
};

struct CodePair {
    int code;
    int typeId;
};

constexpr CodePair kTreUnitCodes[] = {{1, 1100}, {2, 1102},  {3, 1101}, {4, 1105},
                                      {5, 1106}, {15, 1108}, {16, 1109}};
constexpr CodePair kHopOuCodes[] = {{0, 1202}, {1, 1203}, {2, 1204}};

template <std::size_t N> int CodeToType(const CodePair (&pairs)[N], int code) {
    for (const auto& p : pairs)
        if (p.code == code)
            return p.typeId;
    return -1;
}

template <std::size_t N> int TypeToCode(const CodePair (&pairs)[N], int typeId) {
    for (const auto& p : pairs)
        if (p.typeId == typeId)
            return p.code;
    return -1;
}

bool IsTrxCode(int code) {
    return (code >= 1 && code <= 6) || (code >= 10 && code <= 16);
}

} // namespace

const CSCFKeyword* SCFKeywordTable() {
    return kTable;
}

const CSCFKeyword* CSCFKeywordFinder::Find(std::string_view name) {
    if (name.empty() || name.size() > sizeof(CSCFKeyword::name))
        return nullptr;
    const CSCFNameKey key(name);
    SGuess& guess = m_next[m_last];
    if (guess.row != nullptr && guess.key == key) {
        m_last = guess.row->id;
        return guess.row;
    }
    const CSCFKeyword* row = FindSCFKeyword(name);
    if (row != nullptr)
        guess = {row, key};
    m_last = row != nullptr ? row->id : kwNone;
    return row;
}

const CSCFKeyword* FindSCFKeyword(std::string_view name) {
    static const CKeywordIndex index;
    return index.Find(name);
}

std::string_view SCFKeywordName(std::uint32_t id) {
    static const auto names = [] {
        std::array<std::string_view, kwMwrAcceptChnls + 1> n{};
        for (const auto& row : kTable)
            if (row.id != kwNone)
                n[row.id] = row.name;
        return n;
    }();
    return id < names.size() ? names[id] : std::string_view();
}

int TrxUnitTypeFromCode(int code) {
    return IsTrxCode(code) ? code + 1000 : -1;
}
int TrxUnitTypeToCode(int typeId) {
    return typeId > 1000 && IsTrxCode(typeId - 1000) ? typeId - 1000 : -1;
}
int TreUnitTypeFromCode(int code) {
    return CodeToType(kTreUnitCodes, code);
}
int TreUnitTypeToCode(int typeId) {
    return TypeToCode(kTreUnitCodes, typeId);
}
int HopOuTypeFromCode(int code) {
    return CodeToType(kHopOuCodes, code);
}
int HopOuTypeToCode(int typeId) {
    return TypeToCode(kHopOuCodes, typeId);
}
