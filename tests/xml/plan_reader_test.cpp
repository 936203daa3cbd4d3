#include "files/HWInfoFile.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "files/xml/ReadXML.h"
#include "files/xml/XMLPlanTables.h"
#include "files/xml/XMLPlanWriter.h"
#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/SiteKODA.h"
#include "xml/XmlTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

std::string DataPath(const std::string& name) {
    return std::string(CABRION_TEST_DATA_DIR) + "/" + name;
}

std::unique_ptr<CSCFSite> ReadFixture(std::size_t siteIndex, CHWInfoFile* passive,
                                      CXMLError& error) {
    CXML_NodeFile file(DataPath("plan_two_sites.ewb"));
    return ReadXMLPlan(
        file, [siteIndex](const CXML_NodeFile&) { return std::optional(siteIndex); }, passive,
        error);
}

using UnitKey = std::tuple<int, int, int>;

std::vector<UnitKey> SortedUnits(const CSCFCabinet& cabinet) {
    std::vector<UnitKey> units;
    for (const auto& unit : cabinet.units) {
        units.emplace_back(unit.typeId, unit.slot, unit.index);
    }
    std::sort(units.begin(), units.end());
    return units;
}

} // namespace

TEST(XmlPlanReader, ReadsHandWrittenPlanAndSkipsWhatItCannotRepresent) {
    CXMLError error;
    CHWInfoFile passive;
    auto site = ReadFixture(0, &passive, error);
    ASSERT_TRUE(site) << error.message << " " << error.details;
    EXPECT_EQ(site->name, "Harbour");
    EXPECT_EQ(site->bcfType, kBcfTypeOrvik);
    EXPECT_EQ(site->bcfClockSync, 1);
    EXPECT_EQ(site->ucSwVersion.Level(), 0); // 40 is outside 1-31
    ASSERT_EQ(site->cabinets.size(), 1u);
    const CSCFCabinet& cabinet = site->cabinets[0];
    EXPECT_EQ(cabinet.cabinetType, 2);
    EXPECT_EQ(cabinet.configDescription, "Two TRX");
    EXPECT_EQ(cabinet.lteInstalled, 0);
    EXPECT_EQ(cabinet.wcdmaUpgrade, 1);
    EXPECT_EQ(cabinet.mrcSupportWbc, 0);

    ASSERT_EQ(cabinet.trxCablings.size(), 2u); // ZZZZ skipped
    EXPECT_EQ(cabinet.trxCablings[0].trxUnitTypeId, 1010);
    EXPECT_EQ(cabinet.trxCablings[0].txCon, -1);
    EXPECT_EQ(cabinet.trxCablings[1].trxUnitTypeId, 1015);
    EXPECT_EQ(cabinet.trxCablings[1].txPath1, 4);
    EXPECT_EQ(cabinet.trxCablings[1].txCon, 3);

    EXPECT_EQ(SortedUnits(cabinet), (std::vector<UnitKey>{{31, 1, -1}})); // NOPE skipped

    ASSERT_EQ(cabinet.antennas.size(), 2u);
    EXPECT_EQ(cabinet.antennas[0].mhaType, 8);
    EXPECT_EQ(cabinet.antennas[0].cableAttenuation, kAttenuationNotSet); // +0.00
    EXPECT_EQ(cabinet.antennas[0].unitConnection, 3);
    EXPECT_EQ(cabinet.antennas[1].mhaType, 1); // unknown words keep the default
    EXPECT_EQ(cabinet.antennas[1].cableAttenuation, 225);
    EXPECT_EQ(cabinet.antennas[1].unitConnection, -1);

    std::string serial, product;
    ASSERT_TRUE(passive.GetSlot(1, 0, serial, product));
    EXPECT_EQ(serial, "SN100");
    EXPECT_EQ(product, "DJMA-1");
}

TEST(XmlPlanReader, SecondBtsWithoutCabinetValuesAndFailures) {
    CXMLError error;
    auto ferry = ReadFixture(1, nullptr, error);
    ASSERT_TRUE(ferry);
    EXPECT_EQ(ferry->name, "Ferry");
    EXPECT_EQ(ferry->bcfType, 0);
    EXPECT_TRUE(ferry->cabinets[0].trxCablings.empty());

    CXML_NodeFile file("");
    ASSERT_TRUE(file.LoadFromBuffer(
        "<qorm version=\"2.1\"><managedObject class=\"BTS_NE\" distName=\"BTS_NE-1\"/>"
        "<managedObject class=\"CABINET_INFO\" distName=\"BTS_NE-1/CABINET_INFO\">"
        "<p name=\"cabinetType\">Floating Cabinet</p></managedObject></qorm>"));
    EXPECT_EQ(CReadXML(file).Read(), nullptr);
}

TEST(XmlPlanReader, SitePickedByName) {
    CXMLError error;
    CXML_NodeFile file(DataPath("plan_two_sites.ewb"));
    auto ferry = ReadXMLPlanSite(file, "Ferry", nullptr, error);
    ASSERT_TRUE(ferry) << error.message;
    EXPECT_EQ(ferry->name, "Ferry");

    CXML_NodeFile again(DataPath("plan_two_sites.ewb"));
    EXPECT_EQ(ReadXMLPlanSite(again, "Nowhere", nullptr, error), nullptr);
    EXPECT_EQ(error.message, "Could not find \"Nowhere\" in the site list");
}

TEST(XmlPlanReader, SiteSummaryForTheSelection) {
    CXML_NodeFile file(DataPath("plan_two_sites.ewb"));
    ASSERT_TRUE(file.Load());
    CReadXML reader(file);
    CXMLSiteSummary summary = reader.Summarise("BTS_NE-1");
    EXPECT_EQ(summary.bandText, "900/1800(E)");
    EXPECT_EQ(summary.transceiverCodes, (std::vector<std::string>{"RVGA", "RVDB", "ZZZZ"}));
    EXPECT_EQ(summary.CablingText(), "TX");
    EXPECT_EQ(reader.Summarise("BTS_NE-2").bandText, "Illegal");
    EXPECT_EQ(file.GetCurrentBtsDistName(), "BTS_NE-1");
}

TEST(XmlPlanReader, TransceiverBandTexts) {
    EXPECT_EQ(XMLTransceiverBandText({"RVGA", "RVGA"}), "900");
    EXPECT_EQ(XMLTransceiverBandText({"RVDB", "RVGB"}), "900/1800E");
    EXPECT_EQ(XMLTransceiverBandText({"RVPA", "RVTB"}), "800/1900(E)");
    EXPECT_EQ(XMLTransceiverBandText({"RVPB"}), "1900E");
    EXPECT_EQ(XMLTransceiverBandText({"RVTB"}), "800E");
    EXPECT_EQ(XMLTransceiverBandText({"RVGA", "RVPA"}), "Illegal");
    EXPECT_EQ(XMLTransceiverBandText({}), "Illegal");
}

TEST(XmlPlanReader, ZeroAttenuationReadsBackAsNotSet) {
    CSCFSite site;
    site.cabinets.emplace_back();
    site.cabinets[0].cabinetType = 1;
    site.cabinets[0].antennas = {{1, 5, 0, 0, 1, 0, 0}, {2, 4, -30, 0, 1, 0, 1}};
    xmltest::ScratchDir dir;
    CXML_NodeFile out(dir.File("zero.ewb"));
    ASSERT_TRUE(WriteXMLPlan(out, site, site.cabinets[0], nullptr));
    EXPECT_NE(xmltest::ReadAll(dir.File("zero.ewb")).find(">+0.00<"), std::string::npos);

    CXML_NodeFile in(dir.File("zero.ewb"));
    CXMLError error;
    auto back = ReadXMLPlan(in, {}, nullptr, error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->cabinets[0].antennas[0].cableAttenuation, kAttenuationNotSet);
    EXPECT_EQ(back->cabinets[0].antennas[0].mhaType, 5);
    EXPECT_EQ(back->cabinets[0].antennas[1].cableAttenuation, -30);
    EXPECT_EQ(back->cabinets[0].antennas[1].mhaType, 4);
    EXPECT_EQ(back->cabinets[0].antennas[1].cositeMha, 1);
}

// A text configuration written as a plan and read back keeps every value the plan carries,
// and the text file written from it reads the same again.
TEST(XmlPlanReader, TextFileThroughPlanAndBack) {
    CSiteConfigFile source(DataPath("plan_site.hwc"));
    ASSERT_FALSE(source.HasErrors());
    ASSERT_EQ(source.Sites().size(), 1u);
    const CSCFSite& original = *source.Sites()[0];
    const CSCFCabinet& cab = original.cabinets.at(0);

    xmltest::ScratchDir dir;
    CHWInfoFile passive;
    passive.SetSlot(6, 1, "W2", "GEDA-2");
    passive.SetSlot(7, 0, "R1", "J2HA-1");
    CXML_NodeFile plan(dir.File("site.ewb"));
    ASSERT_TRUE(WriteXMLPlan(plan, original, cab, &passive));

    CXML_NodeFile reread(dir.File("site.ewb"));
    CXMLError error;
    CHWInfoFile passiveBack;
    auto site = ReadXMLPlan(reread, {}, &passiveBack, error);
    ASSERT_TRUE(site) << error.details;
    ASSERT_EQ(passiveBack.FilledCount(), 2);
    std::string serial, product;
    ASSERT_TRUE(passiveBack.GetSlot(6, 1, serial, product));
    EXPECT_EQ(serial + "/" + product, "W2/GEDA-2");
    ASSERT_TRUE(passiveBack.GetSlot(7, 0, serial, product));
    EXPECT_EQ(serial + "/" + product, "R1/J2HA-1");

    CSiteConfigFile written;
    written.AddSite(std::move(site));
    ASSERT_TRUE(written.Write(dir.File("back.hwc")));
    CSiteConfigFile back(dir.File("back.hwc"));
    ASSERT_FALSE(back.HasErrors());
    ASSERT_EQ(back.Sites().size(), 1u);
    const CSCFSite& result = *back.Sites()[0];
    const CSCFCabinet& rc = result.cabinets.at(0);

    EXPECT_EQ(result.name, original.name);
    EXPECT_EQ(result.bcfType, original.bcfType);
    EXPECT_EQ(result.bcfClockSync, original.bcfClockSync);
    EXPECT_EQ(result.ucSwVersion, original.ucSwVersion);
    EXPECT_EQ(rc.cabinetType, cab.cabinetType);
    EXPECT_EQ(rc.configDescription, cab.configDescription);
    EXPECT_EQ(rc.lteInstalled, cab.lteInstalled);
    EXPECT_EQ(rc.wcdmaUpgrade, cab.wcdmaUpgrade);
    EXPECT_EQ(rc.mrcSupportWbc, cab.mrcSupportWbc);
    EXPECT_EQ(SortedUnits(rc), SortedUnits(cab));

    ASSERT_EQ(rc.trxCablings.size(), cab.trxCablings.size());
    for (std::size_t i = 0; i < cab.trxCablings.size(); ++i) {
        const auto& a = cab.trxCablings[i];
        const auto& b = rc.trxCablings[i];
        EXPECT_EQ(std::tie(a.trxNumber, a.trxUnitTypeId, a.bb2XCon, a.txCon, a.txPath1, a.txPath2,
                           a.rxMainCon, a.rxMainPath1, a.rxDivCon, a.rxDivPath1),
                  std::tie(b.trxNumber, b.trxUnitTypeId, b.bb2XCon, b.txCon, b.txPath1, b.txPath2,
                           b.rxMainCon, b.rxMainPath1, b.rxDivCon, b.rxDivPath1))
            << "TRX " << a.trxNumber;
    }
    ASSERT_EQ(rc.antennas.size(), cab.antennas.size());
    for (std::size_t i = 0; i < cab.antennas.size(); ++i) {
        const auto& a = cab.antennas[i];
        const auto& b = rc.antennas[i];
        EXPECT_EQ(
            std::tie(a.antennaNumber, a.mhaType, a.cableAttenuation, a.unitConnection, a.cositeMha),
            std::tie(b.antennaNumber, b.mhaType, b.cableAttenuation, b.unitConnection, b.cositeMha))
            << "antenna " << a.antennaNumber;
    }
    ASSERT_EQ(result.tre.units.size(), original.tre.units.size());
    EXPECT_EQ(result.tre.units[0].typeId, original.tre.units[0].typeId);
    EXPECT_EQ(result.tre.units[0].slot, original.tre.units[0].slot);
}

// The plan names the BOI's fixed place, not its number: a site read back from a plan has the
// one BOI it was written with.
TEST(XmlPlanReader, NewSiteThroughPlanKeepsItsOneBoi) {
    CSiteKODA written;
    CSCFSite record;
    ASSERT_TRUE(CopySiteIntoRecord(written, record));
    record.name = "Quay";
    xmltest::ScratchDir dir;
    CXML_NodeFile plan(dir.File("quay.ewb"));
    ASSERT_TRUE(WriteXMLPlan(plan, record, record.cabinets.at(0), nullptr));

    CXML_NodeFile reread(dir.File("quay.ewb"));
    CXMLError error;
    auto site = ReadXMLPlan(reread, {}, nullptr, error);
    ASSERT_TRUE(site) << error.details;
    CSiteKODA read;
    ASSERT_TRUE(BuildSiteFromRecord(read, *site, 0));
    std::vector<int> bois;
    for (const auto& unit : read.GetConfiguration(kSelectCandidate)->Units()) {
        if (unit->Kind() == kUnitKindBoi) {
            bois.push_back(unit->Number());
        }
    }
    EXPECT_EQ(bois, std::vector<int>{1});
}
