#pragma once
// What each keyword inside a block of a site configuration file holds, how its value is read
// and when it is written. The reader and the writer both walk these tables, so a plain keyword
// is added in one place: its id and name (with its level) in SCFKeywords, its row here. Rows
// are in the order the writer puts the lines; a row marked Own is read or written by the code
// of its block (sub-blocks, converted codes, values kept twice).

#include <cstdint>
#include <string>

#include "files/SCFKeywords.h"
#include "files/SCFSite.h"
#include "files/SiteConfigFile.h"

enum class ESCFValue : std::uint8_t {
    Number, // an integer; the field keeps its value when the text is not one
    Quoted, // text between double quotes
    Line,   // the rest of the line from its first non-blank character
    Own,
};

enum class ESCFWrite : std::uint8_t {
    Always,
    UnlessUnset, // a number left out when -1 (the reader's default)
    UnlessZero,  // a number left out when 0
    IfAny,       // a text left out when it would not read back
    Own,
};

template <class Rec> struct CSCFField {
    ESCFKeyword id;
    ESCFValue value;
    ESCFWrite write;
    int Rec::*number = nullptr;
    std::string Rec::*text = nullptr;
};

namespace scf_fields {

template <class Rec> constexpr CSCFField<Rec> Number(ESCFKeyword id, int Rec::*field, ESCFWrite w) {
    return {id, ESCFValue::Number, w, field, nullptr};
}
template <class Rec> constexpr CSCFField<Rec> Quoted(ESCFKeyword id, std::string Rec::*field) {
    return {id, ESCFValue::Quoted, ESCFWrite::IfAny, nullptr, field};
}
template <class Rec> constexpr CSCFField<Rec> Line(ESCFKeyword id, std::string Rec::*field) {
    return {id, ESCFValue::Line, ESCFWrite::IfAny, nullptr, field};
}
// Read by the block's own code, written as a plain number.
template <class Rec>
constexpr CSCFField<Rec> OwnRead(ESCFKeyword id, int Rec::*field, ESCFWrite w) {
    return {id, ESCFValue::Own, w, field, nullptr};
}
template <class Rec> constexpr CSCFField<Rec> Own(ESCFKeyword id) {
    return {id, ESCFValue::Own, ESCFWrite::Own, nullptr, nullptr};
}

constexpr ESCFWrite kAlways = ESCFWrite::Always;
constexpr ESCFWrite kUnlessUnset = ESCFWrite::UnlessUnset;
constexpr ESCFWrite kUnlessZero = ESCFWrite::UnlessZero;

using H = CSCFFileHeader;
inline constexpr CSCFField<H> kHeaderFields[] = {
    Own<H>(kwVersion),
    Line(kwBscId, &H::bscId),
    Quoted(kwBscName, &H::bscName),
    Line(kwWorkOrderId, &H::workOrderId),
    Line(kwWorkOrderDescr, &H::workOrderDescription),
    Line(kwArfcnScan, &H::arfcnScan),
    Line(kwGwArfcnScan, &H::gatewayArfcnScan),
    Own<H>(kwSiteName),
};

using S = CSCFSite;
inline constexpr CSCFField<S> kSiteFields[] = {
    OwnRead(kwSiteType, &S::siteType, kUnlessZero),
    Own<S>(kwSiteUcSwVersion),
    Line(kwSiteId, &S::siteId),
    Quoted(kwSiteDescription, &S::description),
    Number(kwSiteImplRound, &S::implRound, kUnlessUnset),
    Number(kwSiteImplOrder, &S::implOrder, kUnlessUnset),
    Quoted(kwSiteDropOffPoint, &S::dropOffPoint),
    Number(kwSiteValid, &S::valid, kAlways),
    Number(kwSiteAutoconfMode, &S::autoConfMode, kUnlessUnset),
    Line(kwSiteDataRoute, &S::dataRoute),
    Line(kwSiteIpAddress, &S::ipAddress),
    Line(kwSiteDefGateway, &S::defaultGateway),
    Line(kwSiteNetworkId, &S::networkId),
    Line(kwLatitude, &S::latitude),
    Line(kwLongitude, &S::longitude),
    Line(kwSiteGroundHeight, &S::groundHeight),
    Quoted(kwSiteCommissRep, &S::commissioningReport),
    Own<S>(kwBcfId),
    Own<S>(kwTreEquipmentName),
};

// The BCF block keeps its values in the site record.
inline constexpr CSCFField<S> kBcfFields[] = {
    Quoted(kwBcfName, &S::bcfName),
    Quoted(kwBcfAddress, &S::bcfAddress),
    OwnRead(kwBcfType, &S::bcfType, kUnlessZero),
    Number(kwBcfClkSync, &S::bcfClockSync, kUnlessUnset),
    Own<S>(kwOmLinkNumber),
    Own<S>(kwCabAmount),
    Own<S>(kwBtsId),
};

inline constexpr CSCFField<S> kOmFields[] = {
    Number(kwOmBitRate, &S::omBitRate, kUnlessUnset),
    Number(kwOmPcmSlot, &S::omPcmSlot, kUnlessUnset),
    Number(kwOmPcmIf, &S::omPcmInterface, kUnlessUnset),
    Number(kwOmTsl, &S::omTimeSlot, kUnlessUnset),
    Number(kwOmSubTsl, &S::omSubTimeSlot, kUnlessUnset),
};

using C = CSCFCabinet;
inline constexpr CSCFField<C> kCabinetFields[] = {
    Number(kwCabType, &C::cabinetType, kUnlessUnset),
    Quoted(kwCabConfigDescr, &C::configDescription),
    Number(kwCabLteInstalled, &C::lteInstalled, kUnlessUnset),
    Number(kwCabVswrMonitored, &C::vswrMonitored, kUnlessUnset),
    Number(kwCabWcdmaUpgrade, &C::wcdmaUpgrade, kUnlessUnset),
    Number(kwCabMrcSupportWbc, &C::mrcSupportWbc, kAlways),
    Own<C>(kwCabUnitType),
    Own<C>(kwInput),
    Own<C>(kwOutput),
    Own<C>(kwCabTrxId),
    Own<C>(kwCabAntenna),
};

inline constexpr CSCFField<CSCFUnit> kUnitFields[] = {
    Number(kwCabUnitSlot, &CSCFUnit::slot, kAlways),
    Number(kwCabUnitIndex, &CSCFUnit::index, kUnlessUnset),
};

using A = CSCFAlarmLine;
inline constexpr CSCFField<A> kInputFields[] = {
    Quoted(kwInputName, &A::name),
    Number(kwInputPolarity, &A::polarity, kUnlessUnset),
    Number(kwInputSeverity, &A::severity, kUnlessUnset),
};
inline constexpr CSCFField<A> kOutputFields[] = {
    Quoted(kwOutputName, &A::name),
    Number(kwOutputPolarity, &A::polarity, kUnlessUnset),
};

using T = CSCFTrxCabling;
inline constexpr CSCFField<T> kTrxCablingFields[] = {
    Own<T>(kwCabTrxUnitType),
    Number(kwCabTrxLogId, &T::logicalId, kUnlessUnset),
    Number(kwCabTrxBb2Xcon, &T::bb2XCon, kUnlessUnset),
    Number(kwCabTrxTxCon, &T::txCon, kUnlessUnset),
    Number(kwCabTrxTxPath1, &T::txPath1, kUnlessZero),
    Number(kwCabTrxTxPath2, &T::txPath2, kUnlessZero),
    Number(kwCabTrxTxPath3, &T::txPath3, kUnlessZero),
    Number(kwCabTrxRxmCon, &T::rxMainCon, kUnlessUnset),
    Number(kwCabTrxRxmPath1, &T::rxMainPath1, kUnlessZero),
    Number(kwCabTrxRxmPath2, &T::rxMainPath2, kUnlessZero),
    Number(kwCabTrxRxdCon, &T::rxDivCon, kUnlessUnset),
    Number(kwCabTrxRxdPath1, &T::rxDivPath1, kUnlessZero),
    Number(kwCabTrxRxdPath2, &T::rxDivPath2, kUnlessZero),
    Number(kwCabTrxDivPair, &T::diversityPair, kUnlessUnset),
};

using N = CSCFAntenna;
inline constexpr CSCFField<N> kAntennaFields[] = {
    // Always written: left out, an MHA type 0 would come back as the default 1.
    OwnRead(kwCabAntMha, &N::mhaType, kAlways),
    Number(kwCabAntUnitCon, &N::unitConnection, kUnlessUnset),
    Number(kwCabAntDualBand, &N::dualBand, kUnlessZero),
    Number(kwCabAntUnit2Con, &N::unit2Connection, kUnlessZero),
    Own<N>(kwCabAntCblAtten),
    OwnRead(kwCabAntCositeMha, &N::cositeMha, kAlways),
};

inline constexpr CSCFField<CSCFBts> kBtsFields[] = {
    Quoted(kwBtsNwName, &CSCFBts::networkName),
    Number(kwBtsIndoorGateway, &CSCFBts::indoorGateway, kUnlessUnset),
    Number(kwBtsIndGroupId, &CSCFBts::indoorGroupId, kUnlessUnset),
    Own<CSCFBts>(kwTrxId),
};

using W = CSCFNetworkTrx;
inline constexpr CSCFField<W> kNetworkTrxFields[] = {
    Number(kwTrxNwType, &W::networkType, kUnlessUnset),
    Line(kwTrxArfnArray, &W::arfcnArray),
    Number(kwTrxSigLinkNumber, &W::sigLinkNumber, kUnlessUnset),
    Number(kwTrxSigPcmSlot, &W::sigPcmSlot, kUnlessUnset),
    Number(kwTrxSigPcmIf, &W::sigPcmInterface, kUnlessUnset),
    Number(kwTrxSigBitRate, &W::sigBitRate, kUnlessUnset),
    Number(kwTrxSigTsl, &W::sigTimeSlot, kUnlessUnset),
    Number(kwTrxSigSubTsl, &W::sigSubTimeSlot, kUnlessUnset),
    Number(kwTrxTchTsl, &W::tchTimeSlot, kUnlessUnset),
};

using R = CSCFSiteTre;
inline constexpr CSCFField<R> kTreFields[] = {
    Number(kwTreType, &R::treType, kUnlessUnset),
    Number(kwTreMode, &R::treMode, kUnlessUnset),
    OwnRead(kwTreTrunetDisable, &R::trunetDisable, kUnlessUnset),
    OwnRead(kwTreTrunetSpeed, &R::trunetSpeed, kUnlessUnset),
    Own<R>(kwTreUnitType),
    Own<R>(kwTreManagement),
    Own<R>(kwTreSyncPriority),
    Quoted(kwTreCcFile, &R::ccFile),
    Own<R>(kwMwrHopName),
};

// Lines of the TRE block that belong to the TRE unit read last.
inline constexpr CSCFField<CSCFSiteTreUnit> kTreUnitFields[] = {
    Number(kwTreUnitSlot, &CSCFSiteTreUnit::slot, kUnlessUnset),
    Own<CSCFSiteTreUnit>(kwTreInterfaceId),
};

using I = CSCFTreInterface;
inline constexpr CSCFField<I> kTreInterfaceFields[] = {
    Quoted(kwTreInterfaceName, &I::name),
    Quoted(kwTreInterfCableId, &I::cableId),
    Number(kwTreInterfaceType, &I::interfaceType, kUnlessUnset),
    Number(kwTreInterfaceCrc, &I::crc, kUnlessUnset),
};

using M = CSCFTreManagement;
inline constexpr CSCFField<M> kManagementFields[] = {
    Number(kwTreZ9Address, &M::address, kUnlessUnset),
    Number(kwTreZ9GroupAddr, &M::groupAddress, kUnlessUnset),
    Number(kwTreZ9BaudRate, &M::baudRate, kUnlessUnset),
    Quoted(kwTreEocBus, &M::eocBus),
    Number(kwTreEocSlot, &M::eocSlot, kUnlessUnset),
    Number(kwTreEocFlexbus, &M::eocFlexbus, kUnlessUnset),
    Number(kwTreEocType, &M::eocType, kUnlessUnset),
    Number(kwTreEocInterface, &M::eocInterface, kUnlessUnset),
    Number(kwTreEocBitRate, &M::eocBitRate, kUnlessUnset),
    Number(kwTreEocTsl, &M::eocTimeSlot, kUnlessUnset),
    Number(kwTreEocSubTsl, &M::eocSubTimeSlot, kUnlessUnset),
};

inline constexpr CSCFField<CSCFTreSync> kSyncFields[] = {
    Number(kwTreSyncSlot, &CSCFTreSync::slot, kUnlessUnset),
    Number(kwTreSyncFlexbus, &CSCFTreSync::flexbus, kUnlessUnset),
    Number(kwTreSyncInterface, &CSCFTreSync::interface, kUnlessUnset),
    Number(kwTreSyncType, &CSCFTreSync::syncType, kUnlessUnset),
};

using P = CSCFHop;
inline constexpr CSCFField<P> kHopFields[] = {
    Quoted(kwMwrHopId, &P::id),
    Number(kwMwrHopIuSlot, &P::iuSlot, kUnlessUnset),
    Number(kwMwrHopFlexbus, &P::flexbus, kUnlessUnset),
    Own<P>(kwMwrHopOuType),
    Number(kwMwrHopExist, &P::exists, kUnlessUnset),
    Line(kwMwrHopFrequency, &P::frequency),
    Number(kwMwrHopCapacity, &P::capacity, kUnlessUnset),
    Number(kwMwrHopMaxTxpwr, &P::maxTxPower, kUnlessUnset),
    Line(kwMwrHopTempId, &P::temperatureId),
    Number(kwMwrHopMode, &P::mode, kUnlessUnset),
    Line(kwMwrAcceptChnls, &P::acceptedChannels),
};

} // namespace scf_fields
