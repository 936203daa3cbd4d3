#include "files/HWInfoFile.h"
#include "files/xml/XMLPlanWriter.h"
#include "xml/XmlTestSupport.h"

#include <gtest/gtest.h>

using xmltest::Count;
using xmltest::ReadAll;

namespace {

CSCFSite MakeSite() {
    CSCFSite site;
    site.name = "Quay";
    site.bcfType = kBcfTypeOrvik;
    site.bcfClockSync = 0;
    CSCFCabinet cabinet;
    cabinet.cabinetType = 7;
    cabinet.configDescription = "desc";
    cabinet.lteInstalled = 1;
    cabinet.wcdmaUpgrade = 0;
    cabinet.mrcSupportWbc = 0;
    site.cabinets.push_back(cabinet);
    return site;
}

std::string Write(const CSCFSite& site, const CHWInfoFile* passive = nullptr) {
    xmltest::ScratchDir dir;
    CXML_NodeFile file(dir.File("plan.ewb"));
    EXPECT_TRUE(WriteXMLPlan(file, site, site.cabinets.front(), passive))
        << file.GetLastError().message;
    return ReadAll(dir.File("plan.ewb"));
}

} // namespace

TEST(XmlPlanWriter, BtsAndCabinetInformation) {
    std::string text = Write(MakeSite());
    EXPECT_NE(text.find("<p name=\"sitename\">Quay</p>\n\t\t\t<p name=\"sitedesc\">desc</p>\n\t\t\t"
                        "<p name=\"btsFamilyType\">Orvik</p>"),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find("<p name=\"cabinetType\">Mini Cabinet</p>\n\t\t\t<p "
                  "name=\"ucSwVersion\">2</p>\n\t\t\t<p name=\"autoDetectedClockSync\">Off</p>"
                  "\n\t\t\t<p name=\"lteInstalled\">Yes</p>\n\t\t\t<p "
                  "name=\"wcdmaUpgrade\">No</p>\n\t\t\t<p name=\"mrcSupportWithWBC\">No</p>"),
        std::string::npos)
        << text;
    // Nothing else in a cabinet without units, cabling or antennas.
    EXPECT_EQ(Count(text, "<managedObject"), 2);
    EXPECT_EQ(Count(text, "BOI_INFO"), 0);
}

TEST(XmlPlanWriter, PowerSuppliesShareOneListInUnitOrder) {
    CSCFSite site = MakeSite();
    site.cabinets[0].units = {{56, 3, -1}, {30, 1, -1}, {32, 1, -1}, {31, 2, -1}};
    std::string text = Write(site);
    EXPECT_EQ(Count(text, "class=\"PWS_INFO\""), 1);
    EXPECT_EQ(Count(text, "<list name=\"pwsInfo\">"), 1);
    auto c = text.find("FUSC");
    auto a = text.find("FUSA");
    auto b = text.find("FUSB");
    EXPECT_LT(c, a);
    EXPECT_LT(a, b);
    EXPECT_NE(
        text.find("<p name=\"pwsId\">3</p>\n\t\t\t\t\t<p name=\"pwsType\">FUSC</p>\n\t\t\t\t\t"
                  "<p name=\"rack\">1</p>\n\t\t\t\t\t<p name=\"shelf\">1</p>\n\t\t\t\t\t"
                  "<p name=\"slot\">3</p>"),
        std::string::npos);
    EXPECT_EQ(Count(text, "class=\"BB2_INFO\""), 1);
}

TEST(XmlPlanWriter, BoiOnlyWithABoiUnit) {
    CSCFSite site = MakeSite();
    site.cabinets[0].units = {{1000, 5, -1}};
    std::string text = Write(site);
    EXPECT_NE(text.find("<managedObject class=\"BOI_INFO\" distName=\"BTS_NE-1/BOI_INFO\" "
                        "version=\"1.0\">\n\t\t\t<p name=\"boiType\">UQIA</p>\n\t\t\t<p "
                        "name=\"rack\">2</p>\n\t\t\t<p name=\"shelf\">1</p>\n\t\t\t<p "
                        "name=\"slot\">7</p>"),
              std::string::npos)
        << text;
}

TEST(XmlPlanWriter, AntennaEncodings) {
    CSCFSite site = MakeSite();
    site.cabinets[0].antennas = {
        {1, 5, 150, 0, 2, 0, 1}, {2, 7, 0, 0, -1, 0, 0}, {3, 1, kAttenuationNotSet, 0, 1, 0, 0}};
    std::string text = Write(site);
    EXPECT_NE(text.find("<p name=\"antennaId\">1</p>\n\t\t\t\t\t<p "
                        "name=\"connectedToCombiner\">2</p>\n\t\t\t\t\t<p name=\"mhaType\">Low "
                        "Gain</p>\n\t\t\t\t\t<p name=\"attenuationValue\">+1.50</p>\n\t\t\t\t\t<p "
                        "name=\"monitoringWithVSWR\">Yes</p>\n\t\t\t\t\t<p "
                        "name=\"cositeMHA\">Yes</p>"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("High Gain with ByPass</p>\n\t\t\t\t\t<p "
                        "name=\"attenuationValue\">+0.00</p>\n\t\t\t\t\t<p "
                        "name=\"monitoringWithVSWR\">No</p>"),
              std::string::npos);
    EXPECT_NE(text.find("<p name=\"attenuationValue\">0</p>"), std::string::npos);
}

TEST(XmlPlanWriter, ObjectsComeInWriterOrderWithPassiveUnits) {
    CSCFSite site = MakeSite();
    CSCFCabinet& cabinet = site.cabinets[0];
    cabinet.units = {{1000, 7, -1}, {43, 2, 3},  {30, 1, -1}, {40, 1, -1}, {46, 2, -1},
                     {65, 1, -1},   {33, 1, -1}, {32, 1, -1}, {50, 4, -1}};
    CSCFTrxCabling trx;
    trx.trxNumber = 1;
    trx.trxUnitTypeId = 1011;
    cabinet.trxCablings.push_back(trx);
    cabinet.antennas.push_back({});
    CSCFSiteTreUnit tre;
    tre.typeId = 1105;
    tre.slot = 4;
    site.tre.units.push_back(tre);
    CHWInfoFile passive;
    passive.SetSlot(6, 1, "WBC-SN", "GEGA-P");
    passive.SetSlot(5, 3, "MHA-SN", "SZG-P");
    for (int group : {1, 2, 3, 4, 8, 9, 11, 13, 14, 16}) {
        passive.SetSlot(group, 0, "S" + std::to_string(group), "P" + std::to_string(group));
    }
    std::string text = Write(site, &passive);

    const char* order[] = {"BTS_NE",
                           "CABINET_INFO",
                           "BOI_INFO",
                           "TRANSCEIVER_INFO",
                           "TX_CABLING",
                           "RXMAIN_CABLING",
                           "RXDIVERSITY_CABLING",
                           "HYGDF_INFO",
                           "PWS_INFO",
                           "RTC_INFO",
                           "WBC_INFO",
                           "TWBC_INFO",
                           "RMC_INFO",
                           "TRANSCEIVER_BB2_XCONNECTION",
                           "BB2_INFO",
                           "MHA_INFO",
                           "ANTENNA_SETTINGS",
                           "CORE_MECH_INFO",
                           "TRE_INFO",
                           "BT_INFO",
                           "KETTRA_SUPP_CABINET_INFO",
                           "KETTRA_MISC_INFO",
                           "MISC_INFO",
                           "ZE2A_INFO",
                           "LPTA_INFO",
                           "CCF_INFO",
                           "KIT_INFO",
                           "LPTM_INFO"};
    std::size_t at = 0;
    for (const char* cls : order) {
        std::size_t found = text.find(std::string("<managedObject class=\"") + cls + "\"", at);
        ASSERT_NE(found, std::string::npos) << cls;
        at = found;
    }
    EXPECT_EQ(Count(text, "<managedObject"), 28);
    // Unit ids: the slot, but the index for the duplex unit.
    EXPECT_NE(text.find("<p name=\"hygdfId\">3</p>"), std::string::npos);
    EXPECT_NE(text.find("<p name=\"wbcId\">2</p>\n\t\t\t\t\t<p name=\"wbcType\">GEGA</p>"),
              std::string::npos);
    EXPECT_NE(text.find("<p name=\"serialNo\">WBC-SN</p>\n\t\t\t\t\t<p "
                        "name=\"productId\">GEGA-P</p>"),
              std::string::npos);
    EXPECT_NE(
        text.find("<p name=\"mhaId\">4</p>\n\t\t\t\t\t<p name=\"mhaType\">SZGx</p>\n\t\t\t\t\t"
                  "<p name=\"serialNo\">MHA-SN</p>"),
        std::string::npos);
    EXPECT_NE(text.find("<p name=\"transceiverType\">RVDA</p>"), std::string::npos);
    EXPECT_NE(text.find("<p name=\"treType\">YTRA</p>"), std::string::npos);
    // One-slot groups stand directly in their object, the others in a list.
    EXPECT_NE(text.find("distName=\"BTS_NE-1/CORE_MECH_INFO\" version=\"1.0\">\n\t\t\t"
                        "<p name=\"coreMechId\">1</p>"),
              std::string::npos);
    EXPECT_NE(text.find("<list name=\"miscInfo\">\n\t\t\t\t<item>\n\t\t\t\t\t<p "
                        "name=\"miscUnit\">1</p>\n\t\t\t\t\t<p name=\"serialNo\">S16</p>"),
              std::string::npos);
}

TEST(XmlPlanWriter, ConfigurationFileWritesItsFirstSiteOnly) {
    xmltest::ScratchDir dir;
    CSiteConfigFile configurations;
    CXML_NodeFile empty(dir.File("empty.ewb"));
    EXPECT_FALSE(WriteXMLPlan(empty, configurations, nullptr));
    EXPECT_FALSE(std::filesystem::exists(dir.File("empty.ewb")));

    auto first = std::make_unique<CSCFSite>(MakeSite());
    auto second = std::make_unique<CSCFSite>(MakeSite());
    second->name = "Second";
    configurations.AddSite(std::move(first));
    configurations.AddSite(std::move(second));
    CXML_NodeFile file(dir.File("first.ewb"));
    ASSERT_TRUE(WriteXMLPlan(file, configurations, nullptr));
    std::string text = ReadAll(dir.File("first.ewb"));
    EXPECT_EQ(Count(text, "Quay"), 1);
    EXPECT_EQ(Count(text, "Second"), 0);
}
