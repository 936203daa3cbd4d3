// What the reader keeps must survive every later save and reopen: a block whose identity cannot
// be written back is refused, with a reported problem, on the first reading.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "TestFiles.h"
#include "files/SiteConfigFile.h"

namespace {

std::string Kw(const std::string& name, const std::string& value = "") {
    std::string s = "\\" + name;
    s.resize(26, ' ');
    return s + value + "\r\n";
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool HasValueErrorAt(const CSiteConfigFile& f, int line) {
    for (const CSCFParseError& e : f.Errors())
        if (e.line == line && e.type == ESCFErrorType::Value)
            return true;
    return false;
}

std::string ErrorList(const CSiteConfigFile& f) {
    std::string out;
    for (const CSCFParseError& e : f.Errors())
        out += std::to_string(e.line) + " " + std::string(e.TypeWord()) + " " + e.text + "\n";
    return out;
}

// Saves what was read, reopens and saves again: the second reading reports nothing, keeps
// every record of the first, and the two saves are the same text.
std::string ExpectSaveStable(const CSiteConfigFile& first) {
    const std::string written = first.WriteToString();
    CSiteConfigFile again;
    again.ReadBytes(written);
    EXPECT_FALSE(again.HasErrors()) << ErrorList(again);
    EXPECT_EQ(again.WriteToString(), written);
    EXPECT_EQ(again.Sites().size(), first.Sites().size());
    for (std::size_t i = 0; i < first.Sites().size() && i < again.Sites().size(); ++i) {
        const CSCFSite& a = *first.Sites()[i];
        const CSCFSite& b = *again.Sites()[i];
        EXPECT_EQ(b.btsList.size(), a.btsList.size()) << a.name;
        EXPECT_EQ(b.networkTrxs.size(), a.networkTrxs.size()) << a.name;
        EXPECT_EQ(b.cabinets.size(), a.cabinets.size()) << a.name;
        EXPECT_EQ(b.tre, a.tre) << a.name;
    }
    return written;
}

} // namespace

TEST(SiteConfigRoundTrip, BtsWithABlankIdIsRefusedOnTheFirstReading) {
    // Found by fuzzing: the BTS id is a lone carriage return, which was kept, written back as
    // an empty id and so dropped, with every TRX under it, by the next reading.
    const std::string bytes = Slurp(DataPath("hwc-empty-bts-id.hwc"));
    ASSERT_FALSE(bytes.empty());
    CSiteConfigFile f;
    f.ReadBytes(bytes);
    EXPECT_TRUE(HasValueErrorAt(f, 34)) << ErrorList(f);
    const CSCFSite* pier = f.FindSite("North Pier");
    ASSERT_NE(pier, nullptr);
    for (const CSCFBts& bts : pier->btsList)
        EXPECT_FALSE(bts.btsId.find_first_not_of(" \t") == std::string::npos);
    ExpectSaveStable(f);
}

TEST(SiteConfigRoundTrip, BlockIdentitiesThatCannotBeWrittenBackAreRefused) {
    const std::string site = Kw("SITE_NAME", "\"S\"");
    const std::string bcf = site + Kw("BCF_ID", "1");
    const std::string cab = bcf + Kw("CAB_AMOUNT", "1") + Kw("CAB_NUMBER", "1");
    const std::string tre = site + Kw("TRE_EQUIPMENT_NAME", "\"T\"");
    struct Case {
        const char* opener;
        std::string before; // lines up to the opener
        std::string after;  // a line that belongs to the opened block
        std::vector<std::string> refused;
    };
    const std::vector<std::string> numbers = {"", "\r", "abc", "-1", "-7", "1x", "99999999999"};
    const std::vector<std::string> texts = {"", "\r", " \r\t", "\r\r"};
    const std::vector<std::string> quoted = {"", "\"\"", "noquote"};
    std::vector<std::string> bcfIds = numbers;
    bcfIds.push_back("65536");
    const Case cases[] = {
        {"SITE_NAME", "", Kw("SITE_ID", "S-1"), quoted},
        {"BCF_ID", site, Kw("BCF_NAME", "\"B\""), bcfIds},
        {"OM_LINK_NUMBER", bcf, Kw("OM_BIT_RATE", "64"), numbers},
        {"CAB_AMOUNT", bcf, Kw("CAB_NUMBER", "1"), {"", "abc"}},
        {"CAB_NUMBER", bcf + Kw("CAB_AMOUNT", "1"), Kw("CAB_TYPE", "2"), numbers},
        {"CAB_UNIT_TYPE", cab, Kw("CAB_UNIT_SLOT", "3"), numbers},
        {"INPUT", cab, Kw("INPUT_NAME", "\"door\""), {"", "abc", "-1", "0", "25"}},
        {"OUTPUT", cab, Kw("OUTPUT_NAME", "\"fan\""), {"", "abc", "-1", "0", "7"}},
        {"CAB_TRX_ID", cab, Kw("CAB_TRX_UNIT_TYPE", "1"), numbers},
        {"CAB_ANTENNA", cab, Kw("CAB_ANT_UNIT_CON", "3"), numbers},
        {"BTS_ID", bcf, Kw("BTS_NW_NAME", "\"A\""), texts},
        {"TRX_ID", bcf + Kw("BTS_ID", "7"), Kw("TRX_NW_TYPE", "1"), numbers},
        {"TRE_EQUIPMENT_NAME", site, Kw("TRE_TYPE", "2"), quoted},
        {"TRE_UNIT_TYPE", tre, Kw("TRE_UNIT_SLOT", "2"), {"", "abc", "-1", "0", "6", "1100"}},
        {"TRE_INTERFACE_ID", tre + Kw("TRE_UNIT_TYPE", "1"), Kw("TRE_INTERFACE_TYPE", "2"),
         numbers},
        {"TRE_MANAGEMENT", tre, Kw("TRE_Z9_ADDRESS", "5"), numbers},
        {"TRE_SYNC_PRIORITY", tre, Kw("TRE_SYNC_SLOT", "4"), numbers},
        {"MWR_HOP_NAME", tre, Kw("MWR_HOP_CAPACITY", "8"), quoted},
    };
    for (const Case& c : cases) {
        // Lines: comment, VERSION, the lines before, then the opener.
        const int openerLine =
            3 + static_cast<int>(std::count(c.before.begin(), c.before.end(), '\n'));
        for (const std::string& value : c.refused) {
            SCOPED_TRACE(std::string(c.opener) + " \"" + value + "\"");
            CSiteConfigFile f;
            f.ReadBytes("written by hand\r\n" + Kw("VERSION", "3.00") + c.before +
                        Kw(c.opener, value) + c.after + Kw("EOF"));
            EXPECT_TRUE(HasValueErrorAt(f, openerLine)) << ErrorList(f);
            ExpectSaveStable(f);
        }
    }
}

TEST(SiteConfigRoundTrip, AcceptedIdentitiesComeBackWithTheirBlocks) {
    CSiteConfigFile f;
    f.ReadBytes(Kw("VERSION", "3.00") + Kw("SITE_NAME", "\"\r\"") + Kw("BCF_ID", "65535") +
                Kw("OM_LINK_NUMBER", "0") + Kw("OM_BIT_RATE", "64") + Kw("CAB_AMOUNT", "-3") +
                Kw("CAB_NUMBER", "0") + Kw("CAB_TYPE", "2") + Kw("BTS_ID", " \r7\r") +
                Kw("TRX_ID", "0") + Kw("TRX_NW_TYPE", "1") + Kw("TRE_EQUIPMENT_NAME", "\"T\"") +
                Kw("TRE_MANAGEMENT", "0") + Kw("TRE_Z9_ADDRESS", "5") + Kw("EOF"));
    EXPECT_FALSE(f.HasErrors()) << ErrorList(f);
    const std::string written = ExpectSaveStable(f);
    ASSERT_EQ(f.Sites().size(), 1u);
    const CSCFSite& s = *f.Sites()[0];
    EXPECT_EQ(s.name, " ") << "a carriage return reads as the blank it is written as";
    EXPECT_EQ(s.omBitRate, 64);
    ASSERT_EQ(s.cabinets.size(), 1u);
    EXPECT_EQ(s.cabinets[0].cabinetType, 2);
    ASSERT_EQ(s.btsList.size(), 1u);
    EXPECT_EQ(s.btsList[0].btsId, "7 ");
    ASSERT_EQ(s.networkTrxs.size(), 1u);
    EXPECT_EQ(s.networkTrxs[0].networkType, 1);
    EXPECT_EQ(s.tre.management.address, 5);
    EXPECT_NE(written.find("\\TRE_MANAGEMENT           0\r\n"), std::string::npos);

    // A keyword ended by a stray carriage return is still that keyword.
    CSiteConfigFile cr;
    cr.ReadBytes("\\VERSION\r3.00\r\r\n\\SITE_NAME\r\"A\"\r\n\\SITE_ID\ra\rb\r\n\\EOF\r\r\n");
    EXPECT_FALSE(cr.HasErrors()) << ErrorList(cr);
    ASSERT_EQ(cr.Sites().size(), 1u);
    EXPECT_EQ(cr.Sites()[0]->siteId, "a b");
}

TEST(SiteConfigRoundTrip, CablingWithoutAUnitTypeIsReported) {
    // A record without a known unit type is saved as its number only.
    const std::string head = Kw("VERSION", "3.00") + Kw("SITE_NAME", "\"S\"") + Kw("BCF_ID", "1") +
                             Kw("CAB_AMOUNT", "1") + Kw("CAB_NUMBER", "1");
    CSiteConfigFile cabled;
    cabled.ReadBytes(head + Kw("CAB_TRX_ID", "2") + Kw("CAB_TRX_LOG_ID", "5") +
                     Kw("CAB_TRX_TX_CON", "1") + Kw("EOF"));
    ASSERT_EQ(cabled.Errors().size(), 1u) << ErrorList(cabled);
    EXPECT_EQ(cabled.Errors()[0].line, 6);
    EXPECT_EQ(cabled.Errors()[0].keyword, "\\CAB_TRX_ID");
    ExpectSaveStable(cabled);

    // A bad unit code is reported once, on its own line.
    CSiteConfigFile badCode;
    badCode.ReadBytes(head + Kw("CAB_TRX_ID", "2") + Kw("CAB_TRX_UNIT_TYPE", "9") +
                      Kw("CAB_TRX_LOG_ID", "5") + Kw("EOF"));
    ASSERT_EQ(badCode.Errors().size(), 1u) << ErrorList(badCode);
    EXPECT_EQ(badCode.Errors()[0].line, 7);

    // The number-only record the writer makes for such a unit reads back without a word.
    CSiteConfigFile bare;
    bare.ReadBytes(head + Kw("CAB_TRX_ID", "2") + Kw("CAB_TRX_ID", "3") + Kw("EOF"));
    EXPECT_FALSE(bare.HasErrors()) << ErrorList(bare);
    EXPECT_EQ(bare.Sites().at(0)->cabinets.at(0).trxCablings.size(), 2u);
}

TEST(SiteConfigRoundTrip, OldFileMhaTypeAtTheTopOfTheRangeIsAValueError) {
    CSiteConfigFile f;
    f.ReadBytes(Kw("VERSION", "2.10") + Kw("SITE_NAME", "\"S\"") + Kw("BCF_ID", "1") +
                Kw("CAB_AMOUNT", "1") + Kw("CAB_NUMBER", "1") + Kw("CAB_ANTENNA", "1") +
                Kw("CAB_ANT_MHA", "2147483647") + Kw("EOF"));
    ASSERT_EQ(f.Errors().size(), 1u) << ErrorList(f);
    EXPECT_EQ(f.Errors()[0].line, 7);
    EXPECT_EQ(f.Sites().at(0)->cabinets.at(0).antennas.at(0).mhaType, 1);
}
