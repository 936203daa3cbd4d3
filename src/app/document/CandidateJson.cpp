#include "app/document/CandidateJson.h"

#include "files/TextCodec.h"
#include "model/BandInformation.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

namespace {

using Json = nlohmann::ordered_json;

Json TrxJson(const CUnitKTrx& trx) {
    const STrxCabling& c = trx.Cabling();
    return {{"logicalId", trx.LogicalTrxId()},
            {"bb2Id", trx.Bb2Id()},
            {"txPath1", c.txPath1},
            {"txPath2", c.txPath2},
            {"txPath3", c.txPath3},
            {"txCombiner", c.txCombinerId},
            {"rxCombiner", c.rxCombinerId},
            {"rxMainMulticoupler", c.rxMainMulticoupler},
            {"rxMainPath2", c.rxMainPath2},
            {"rxDivCombiner", c.rxDiversityCombiner},
            {"rxDivMulticoupler", c.rxDiversityMulticoupler},
            {"rxDivPath2", c.rxDiversityPath2},
            {"diversityPair", c.diversityPair}};
}

Json UnitJson(const CUnit& unit, const CCabinet* cabinet) {
    Json j = {{"kind", unit.Kind()},
              {"number", unit.Number()},
              {"displayedNumber", unit.DisplayedNumber()},
              {"typeId", unit.TypeId()},
              {"code", Cp1252ToUtf8(unit.TypeCode())},
              {"band", unit.Band()},
              {"edge", unit.IsEdge()},
              {"upgrade", unit.IsUpgrade()},
              {"idle", unit.IsIdle()},
              {"name", Cp1252ToUtf8(unit.DisplayName())},
              {"location", cabinet ? Cp1252ToUtf8(cabinet->LocationText(unit)) : std::string()}};
    if (const auto* trx = dynamic_cast<const CUnitKTrx*>(&unit)) {
        j["trx"] = TrxJson(*trx);
    }
    return j;
}

Json AntennaJson(int number, const CAntenna& a) {
    return {{"antenna", number},         {"connectedCombiner", a.ConnectedCombiner()},
            {"mhaType", a.MhaType()},    {"attenuation", a.Attenuation()},
            {"dualBand", a.DualBand()},  {"secondConnection", a.SecondConnection()},
            {"cositeMha", a.CositeMha()}};
}

Json EndJson(const CUnit* unit, int connectorKind, int index) {
    return {{"kind", unit ? unit->Kind() : 0},
            {"number", unit ? unit->Number() : 0},
            {"connectorKind", connectorKind},
            {"index", index}};
}

Json CableJson(const CCabling& cable) {
    Json trxs = Json::array();
    for (int trx = 1; trx <= 12; ++trx) {
        if (cable.FlaggedFor(trx)) {
            trxs.push_back(trx);
        }
    }
    return {{"type", cable.CableType()},
            {"trx", cable.TrxNumber()},
            {"trxs", trxs},
            {"from", EndJson(cable.Start(), cable.StartKind(), cable.StartIndex())},
            {"to", EndJson(cable.End(), cable.EndKind(), cable.EndIndex())}};
}

} // namespace

Json CandidateJson(CSiteKODA& site, const std::string& name) {
    const CDataBaseKODA* db = site.GetKODA(kSelectCandidate);
    const CCabinet* cabinet = db->Cabinet(0);
    const SCabinetSettings& s = db->CabinetSettings();

    Json units = Json::array();
    for (const auto& unit : db->Units()) {
        units.push_back(UnitJson(*unit, cabinet));
    }
    Json antennas = Json::array();
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        antennas.push_back(AntennaJson(n, *db->Antenna(n)));
    }
    Json cables = Json::array();
    for (const auto& cable : db->Cables()) {
        cables.push_back(CableJson(*cable));
    }
    return {{"name", Cp1252ToUtf8(name)},
            {"swLevel", db->SwLevel().Level()},
            {"band", db->Band()},
            {"bandText", CBandInformation::BandNameOfValue(db->Band())},
            {"cabinet",
             {{"type", s.cabinetType},
              {"name", cabinet ? Cp1252ToUtf8(cabinet->Name()) : std::string()},
              {"clockSync", s.clockSync},
              {"lte", s.lte},
              {"vswr", s.vswr},
              {"wcdma", s.wcdma},
              {"mrc", s.mrc},
              {"description", cabinet ? Cp1252ToUtf8(cabinet->DescriptionText()) : std::string()}}},
            {"units", units},
            {"antennas", antennas},
            {"cables", cables}};
}
