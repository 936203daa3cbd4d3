#include <gtest/gtest.h>

#include <fstream>

#include "TestFiles.h"
#include "files/PreConfigFile.h"
#include "files/SiteSCFile.h"

namespace {

CSCFNetworkTrx NetworkTrx(int type) {
    CSCFNetworkTrx t;
    t.networkType = type;
    return t;
}

CSCFTrxCabling Cabling(int number, int typeId, int tx, int rxMain, int rxDiv) {
    CSCFTrxCabling t;
    t.trxNumber = number;
    t.trxUnitTypeId = typeId;
    t.txCon = tx;
    t.rxMainCon = rxMain;
    t.rxDivCon = rxDiv;
    t.logicalId = number + 20;
    return t;
}

} // namespace

TEST(SiteSCFile, PanelValuesOfAConfiguration) {
    CSiteSCFile file;
    CSCFSite site;
    site.name = "Panel";
    site.networkTrxs = {NetworkTrx(0), NetworkTrx(1), NetworkTrx(1)};
    site.btsList = {{"1", "", -1, -1}, {"2", "", -1, -1}, {"3", "", -1, -1}};
    CSCFCabinet cab;
    cab.trxCablings = {Cabling(1, 1001, 1, 1, -1), Cabling(2, 1015, 0, 2, -1),
                       Cabling(3, -1, 5, 5, 5)};
    site.cabinets.push_back(cab);

    const CSCFSiteSummary sum = file.Summarise(site);
    EXPECT_EQ(sum.trxCount, 2) << "a record without a TRX unit is not counted";
    EXPECT_EQ(sum.networkFlags, 3);
    const CSCFPanelValues v = file.PanelValues(site);
    EXPECT_EQ(v.name, "Panel");
    EXPECT_EQ(v.id, "-");
    EXPECT_EQ(v.network, "GSM 900/1800");
    EXPECT_EQ(v.trxIds, "3");
    EXPECT_EQ(v.trxUnits, "2");
    EXPECT_EQ(v.sectors, "1 + 2 + 3");
    EXPECT_EQ(v.cabling, "TX, RX Main, RX Div") << "the uncounted record still has cables";
    EXPECT_EQ(v.description, "No description available");

    site.networkTrxs = {NetworkTrx(3)};
    site.btsList.clear();
    site.cabinets[0].trxCablings = {Cabling(1, 1001, 1, 1, 0)};
    const CSCFPanelValues w = file.PanelValues(site);
    EXPECT_EQ(w.network, "Unknown");
    EXPECT_EQ(w.sectors, "-");
    EXPECT_EQ(w.cabling, "TX, RX Main");
    site.bcfType = 4;
    EXPECT_EQ(file.PanelValues(site).cabling, "TX, RX Main, RX Div");

    CSCFSite empty;
    const CSCFPanelValues e = file.PanelValues(empty);
    EXPECT_EQ(e.name, "-");
    EXPECT_EQ(e.id, "-");
    EXPECT_EQ(e.network, "-");
    EXPECT_EQ(e.trxIds, "-");
    EXPECT_EQ(e.sectors, "-");
    EXPECT_EQ(e.trxUnits, "-");
    EXPECT_EQ(e.cabling, "-");
    EXPECT_EQ(CSiteSCFile::BtsTypeText(empty), "Missing");
    empty.bcfType = kBcfTypeOrvik;
    EXPECT_EQ(CSiteSCFile::BtsTypeText(empty), "Orvik BTS");
}

TEST(SiteSCFile, TemplatesAndNames) {
    EXPECT_EQ(CSiteSCFile::EmptyConfigurationName(), "<Empty Orvik BTS>");
    EXPECT_EQ(CSiteSCFile::EmptyConfigurationDescription(),
              "This is an empty Orvik BTS configuration.");
    EXPECT_TRUE(CSiteSCFile::RefuseConfigurationName(CSiteSCFile::kAddNewConfiguration));
    EXPECT_FALSE(CSiteSCFile::RefuseConfigurationName("Pier"));

    CScratchDir dir;
    std::ofstream(dir.File("b.HWC")) << "";
    std::ofstream(dir.File("a.hwc")) << "";
    std::ofstream(dir.File("c.sdf")) << "";
    const auto files = CSiteSCFile::TemplateFiles(dir.Path());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], dir.File("a.hwc"));
}

TEST(SiteSCFile, ClearCabinetContentsKeepsAlarmsAndDescription) {
    CSCFCabinet cab;
    cab.cabinetType = 3;
    cab.mrcSupportWbc = 1;
    cab.configDescription = "kept";
    cab.inputs.push_back({});
    cab.units.push_back({});
    cab.trxCablings.push_back({});
    cab.antennas.push_back({});
    CSiteSCFile::ClearCabinetContents(cab);
    EXPECT_EQ(cab.cabinetType, -1);
    EXPECT_EQ(cab.mrcSupportWbc, 0);
    EXPECT_TRUE(cab.units.empty() && cab.trxCablings.empty() && cab.antennas.empty());
    EXPECT_EQ(cab.inputs.size(), 1u);
    EXPECT_EQ(cab.configDescription, "kept");
}

TEST(SiteSCFile, SavingIntoAnExistingFileKeepsTheOthers) {
    CScratchDir dir;
    const std::string path = dir.File("sites.hwc");
    CSiteConfigFile original(DataPath("full.hwc"));
    ASSERT_TRUE(original.Write(path));

    CSCFSite added;
    added.name = "Added";
    ASSERT_TRUE(CSiteSCFile::SaveConfigurationInto(path, added));
    CSCFSite replaced = *original.Sites()[1];
    replaced.description = "now described";
    ASSERT_TRUE(CSiteSCFile::SaveConfigurationInto(path, replaced));

    CSiteSCFile back(path);
    ASSERT_EQ(back.Sites().size(), 3u);
    EXPECT_TRUE(*back.Sites()[0] == *original.Sites()[0]);
    EXPECT_EQ(back.Sites()[1]->description, "now described");
    EXPECT_EQ(back.Sites()[2]->name, "Added");
    EXPECT_EQ(back.Header().bscName, "Harbour BSC");

    const std::string other = dir.File("notes.txt");
    std::ofstream(other) << "shopping list\n";
    EXPECT_FALSE(CSiteSCFile::SaveConfigurationInto(other, added).ok);
    CSCFSite refused;
    refused.name = CSiteSCFile::kAddNewConfiguration;
    EXPECT_FALSE(CSiteSCFile::SaveConfigurationInto(path, refused).ok);
}

TEST(PreConfigFile, LoadsLogicalTrxsOfTheChosenCabinet) {
    CPreConfigFile pre;
    EXPECT_EQ(pre.name, "New Pre-defined Configuration");
    EXPECT_EQ(pre.LogicalTrx(11), 12);

    CSCFSite site;
    pre.LoadFromSite(site, 1);
    EXPECT_EQ(pre.LogicalTrx(0), 1) << "no cabinets leaves the reset values";

    site.cabinets.resize(2);
    site.cabinets[1].cabinetType = 3;
    site.cabinets[1].lteInstalled = 1;
    site.cabinets[1].trxCablings = {Cabling(1, 1001, 1, 1, 1), Cabling(12, 1001, 1, 1, 1),
                                    Cabling(13, 1001, 1, 1, 1)};
    pre.LoadFromSite(site, 3);
    EXPECT_EQ(pre.cabinetType, 3);
    EXPECT_EQ(pre.lteFlag, 1);
    EXPECT_EQ(pre.LogicalTrx(0), 21);
    EXPECT_EQ(pre.LogicalTrx(11), 32) << "TRX 12 has a place in the table";
    EXPECT_EQ(pre.LogicalTrx(1), 2);

    pre.LoadFromSite(site, 1);
    EXPECT_EQ(pre.cabinetType, -1);
    EXPECT_EQ(pre.lteFlag, 0) << "an LTE value that was never set is not LTE";
    EXPECT_FALSE(pre.SetLogicalTrx(12, 1));
    EXPECT_TRUE(pre.SetLogicalTrx(0, 7));
}
