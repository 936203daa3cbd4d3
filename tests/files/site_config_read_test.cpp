#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/AtomicFile.h"
#include "files/SiteConfigFile.h"

namespace {

std::string Kw(const std::string& name, const std::string& value = "") {
    std::string s = "\\" + name;
    s.resize(26, ' ');
    return s + value + "\r\n";
}

std::string Wrap(const std::string& body) {
    return Kw("VERSION", "3.00") + Kw("SITE_NAME", "\"S\"") + body + Kw("EOF");
}

const CSCFSite& OnlySite(const CSiteConfigFile& f) {
    EXPECT_EQ(f.Sites().size(), 1u);
    return *f.Sites().front();
}

} // namespace

TEST(SiteConfigRead, FullFileFillsEveryBlock) {
    CSiteConfigFile f(DataPath("full.hwc"));
    EXPECT_FALSE(f.HasErrors()) << f.Errors().front().text;
    ASSERT_EQ(f.Sites().size(), 2u);
    EXPECT_EQ(f.Header().bscName, "Harbour BSC");
    EXPECT_EQ(f.Header().gatewayArfcnScan, "4,5");
    const CSCFSite& s = *f.Sites()[0];
    EXPECT_EQ(s.name, "North Pier");
    EXPECT_EQ(s.siteTypeRead, 3);
    EXPECT_EQ(s.siteType, 3);
    EXPECT_EQ(s.ucSwVersion.Level(), 12);
    EXPECT_EQ(s.latitude, "60.1699 N");
    EXPECT_EQ(s.bcfId, 42);
    EXPECT_EQ(s.omSubTimeSlot, 0);
    ASSERT_EQ(s.cabinets.size(), 1u);
    const CSCFCabinet& c = s.cabinets[0];
    EXPECT_EQ(c.cabinetType, 2);
    EXPECT_EQ(c.units.size(), 2u);
    EXPECT_EQ(c.units[1].index, -1);
    ASSERT_EQ(c.inputs.size(), 1u);
    EXPECT_EQ(c.inputs[0].severity, 2);
    ASSERT_EQ(c.outputs.size(), 1u);
    EXPECT_FALSE(c.outputs[0].isInput);
    ASSERT_EQ(c.trxCablings.size(), 2u);
    EXPECT_EQ(c.trxCablings[0].trxUnitTypeId, 1001);
    EXPECT_EQ(c.trxCablings[1].trxUnitTypeId, 1015);
    EXPECT_EQ(c.trxCablings[0].diversityPair, 2);
    ASSERT_EQ(c.antennas.size(), 2u);
    EXPECT_EQ(c.antennas[0].cableAttenuation, 1000);
    EXPECT_EQ(c.antennas[1].cableAttenuation, -30);
    EXPECT_EQ(c.antennas[0].cositeMha, 1);
    ASSERT_EQ(s.btsList.size(), 2u);
    ASSERT_EQ(s.networkTrxs.size(), 2u);
    EXPECT_EQ(s.networkTrxs[1].btsId, "2");
    EXPECT_EQ(s.networkTrxs[0].arfcnArray, "10 12 14");
    EXPECT_EQ(s.tre.equipmentName, "TRE North");
    ASSERT_EQ(s.tre.units.size(), 1u);
    EXPECT_EQ(s.tre.units[0].typeId, 1101);
    EXPECT_EQ(s.tre.units[0].interfaces.at(0).cableId, "C-17");
    EXPECT_EQ(s.tre.management.eocSubTimeSlot, 7);
    EXPECT_EQ(s.tre.syncs.at(0).syncType, 5);
    ASSERT_EQ(s.tre.hops.size(), 1u);
    EXPECT_EQ(s.tre.hops[0].ouTypeId, 1204);
    EXPECT_EQ(s.tre.hops[0].acceptedChannels, "1-4");
    EXPECT_EQ(f.Sites()[1]->name, "Empty Lot");
    EXPECT_TRUE(f.Sites()[1]->cabinets.empty());
}

TEST(SiteConfigRead, MissingVersionStopsWithOneError) {
    CSiteConfigFile f(DataPath("no_version.hwc"));
    EXPECT_TRUE(f.Sites().empty());
    ASSERT_EQ(f.Errors().size(), 1u);
    EXPECT_EQ(f.Errors()[0].TypeWord(), "Missing");
    EXPECT_EQ(f.Errors()[0].ConfigurationName(), "<File Header>");
    EXPECT_TRUE(f.HeaderMissing());
    EXPECT_EQ(f.HeaderFailureMessage(), "Syntax Error  3: \\SITE_NAME                \"A s");

    // An unknown first keyword is one "Missing" problem, not also an "Unidentified" one.
    CSiteConfigFile g;
    g.ReadBytes("\\BOGUS 1\n\\VERSION 3.00\n");
    ASSERT_EQ(g.Errors().size(), 1u);
    EXPECT_EQ(g.Errors()[0].type, ESCFErrorType::Missing);
}

TEST(SiteConfigRead, UnreadablePathsGiveNothing) {
    CSiteConfigFile missing("/nonexistent/dir/x.hwc");
    EXPECT_TRUE(missing.Sites().empty());
    EXPECT_FALSE(missing.HasErrors());
    // A plan is left to the plan reader, whatever the case of its extension; read as a site
    // configuration file the same bytes would be a "Missing" problem.
    CScratchDir dir;
    std::filesystem::copy_file(DataPath("plan_two_sites.ewb"), dir.File("PLAN.EWB"));
    std::filesystem::copy_file(DataPath("plan_two_sites.ewb"), dir.File("plan.hwc"));
    CSiteConfigFile plan(dir.File("PLAN.EWB"));
    EXPECT_FALSE(plan.HasErrors());
    EXPECT_TRUE(plan.Sites().empty());
    EXPECT_TRUE(CSiteConfigFile(dir.File("plan.hwc")).HasErrors());
    CSiteConfigFile folder(CABRION_TEST_DATA_DIR);
    EXPECT_FALSE(folder.HasErrors());
}

TEST(SiteConfigRead, VersionRulesUseSubstrings) {
    CSiteConfigFile f(DataPath("old_version.hwc"));
    EXPECT_TRUE(f.IsSupportedVersion());
    EXPECT_TRUE(f.IsOldVersion());
    EXPECT_FALSE(f.IsCurrentVersion());
    EXPECT_FALSE(f.HasErrors()) << "an old file's co-site line is skipped silently";
    const CSCFAntenna& a = OnlySite(f).cabinets.at(0).antennas.at(0);
    EXPECT_EQ(a.mhaType, 1) << "old files count MHA types from 0";
    EXPECT_EQ(a.cositeMha, 0);
    EXPECT_EQ(a.cableAttenuation, 115);

    CSiteConfigFile bad;
    bad.ReadBytes("\\VERSION 9.99\r\n\\SITE_NAME \"A\"\r\n\\CAB_ANT_MHA 1\r\n\\EOF\r\n");
    ASSERT_GE(bad.Errors().size(), 1u);
    EXPECT_EQ(bad.Errors()[0].TypeWord(), "Version");
    EXPECT_EQ(bad.Sites().size(), 1u) << "an unsupported version is reported, not fatal";
}

TEST(SiteConfigRead, ErrorTypesLinesAndConfigurations) {
    CSiteConfigFile f(DataPath("errors.hwc"));
    struct Expected {
        int line;
        const char* word;
        const char* keyword;
        const char* configuration;
    };
    const Expected expected[] = {
        {3, "Misplaced", "\\CAB_UNIT_SLOT", "<File Header>"},
        {5, "Value", "\\SITE_ID", "Broken \xe5sa"},
        {6, "Misplaced", "\\CAB_UNIT_SLOT", "Broken \xe5sa"},
        {7, "Unidentified", "\\NO_SUCH_KEYWORD", "Broken \xe5sa"},
        {11, "Value", "\\INPUT", "Broken \xe5sa"},
        {12, "Misplaced", "\\INPUT_NAME", "Broken \xe5sa"},
        {13, "Value", "\\OUTPUT", "Broken \xe5sa"},
        {14, "Value", "\\CAB_UNIT_TYPE", "Broken \xe5sa"},
        {16, "Value", "\\CAB_ANT_COSITE_MHA", "Broken \xe5sa"},
    };
    ASSERT_EQ(f.Errors().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CSCFParseError& e = f.Errors()[i];
        EXPECT_EQ(e.line, expected[i].line) << i;
        EXPECT_EQ(e.TypeWord(), expected[i].word) << i;
        EXPECT_EQ(e.keyword, expected[i].keyword) << i;
        EXPECT_EQ(e.ConfigurationName(), expected[i].configuration) << i;
    }
    EXPECT_EQ(f.Errors()[4].value, "25");
    const CSCFSite& s = OnlySite(f);
    EXPECT_TRUE(s.siteId.empty());
    const CSCFCabinet& c = s.cabinets.at(0);
    EXPECT_TRUE(c.inputs.empty());
    EXPECT_TRUE(c.outputs.empty());
    EXPECT_TRUE(c.units.empty());
    EXPECT_EQ(c.antennas.at(0).cositeMha, 0);
    EXPECT_EQ(CSCFParseError::TypeWord(7), "Unknown");
}

TEST(SiteConfigRead, ValueKindsAndLineEndings) {
    CSiteConfigFile f;
    // LF only, tabs as separators, a comment line between keywords, a number list token.
    f.ReadBytes("\\VERSION\t3.00\n\\SITE_NAME \"Tabs\"\nnot a keyword line\n"
                "\\SITE_IMPL_ROUND\t+7,8\n\\SITE_DESCRIPTION \"unterminated\n"
                "\\SITE_DROP_OFF_POINT noquote\n\\SITE_COMMISS_REP \"\"\n"
                "\\SITE_IMPL_ORDER 99999999999\n\\SITE_TYPE 3x\r\n\\EOF");
    const CSCFSite& s = OnlySite(f);
    EXPECT_EQ(s.implRound, 7);
    EXPECT_EQ(s.description, "unterminated");
    EXPECT_EQ(s.implOrder, -1);
    EXPECT_EQ(s.siteType, 0) << "an unreadable type keeps the default to write";
    EXPECT_EQ(s.siteTypeRead, -1);
    ASSERT_EQ(f.Errors().size(), 4u);
    EXPECT_EQ(f.Errors()[3].line, 9);
    EXPECT_EQ(f.Errors()[0].line, 6);
    EXPECT_EQ(f.Errors()[1].line, 7);
    EXPECT_EQ(f.Errors()[2].line, 8);
}

// Plain digits are read on a short way of their own; both ways must agree at its edges.
TEST(SiteConfigRead, IntegersAtTheEdgesOfTheirDigits) {
    const struct {
        const char* text;
        int value; // -1: refused with an error
    } cases[] = {{"7", 7},
                 {"007", 7},
                 {"123456789", 123456789},
                 {"1234567890", 1234567890},
                 {"2147483647", 2147483647},
                 {"2147483648", -1},
                 {"12,5", 12},
                 {"12\t9", 12},
                 {"12x", -1},
                 {"+12", 12},
                 {"-", -1},
                 {"4294967303", -1}};
    for (const auto& c : cases) {
        CSiteConfigFile f;
        f.ReadBytes(Wrap(Kw("SITE_IMPL_ORDER", c.text)));
        EXPECT_EQ(OnlySite(f).implOrder, c.value) << c.text;
        EXPECT_EQ(f.Errors().size(), c.value < 0 ? 1u : 0u) << c.text;
    }
}

TEST(SiteConfigRead, BlockOpenersAndDuplicates) {
    CSiteConfigFile f;
    f.ReadBytes(Kw("VERSION", "3.00") + Kw("SITE_NAME", "\"Twin\"") + Kw("SITE_NAME", "\"Twin\"") +
                Kw("SITE_NAME", "") + Kw("SITE_VALID", "1") + Kw("EOF"));
    EXPECT_EQ(f.Sites().size(), 2u);
    ASSERT_EQ(f.Errors().size(), 2u);
    EXPECT_EQ(f.Errors()[0].TypeWord(), "Value");
    EXPECT_EQ(f.Errors()[1].TypeWord(), "Misplaced") << "lines of a block that was not opened";

    // A TRE unit with an unknown code opens nothing; its slot must not land on the previous unit.
    CSiteConfigFile t;
    t.ReadBytes(Wrap(Kw("TRE_EQUIPMENT_NAME", "\"T\"") + Kw("TRE_UNIT_TYPE", "1") +
                     Kw("TRE_UNIT_SLOT", "3") + Kw("TRE_UNIT_TYPE", "9") +
                     Kw("TRE_UNIT_SLOT", "8") + Kw("TRE_TRUNET_SPEED", "5")));
    const CSCFSite& s = OnlySite(t);
    ASSERT_EQ(s.tre.units.size(), 1u);
    EXPECT_EQ(s.tre.units[0].slot, 3);
    EXPECT_EQ(s.tre.trunetSpeed, 1);
    ASSERT_EQ(t.Errors().size(), 1u);
    EXPECT_EQ(t.Errors()[0].line, 6);
}

TEST(SiteConfigRead, CodeConversions) {
    CSiteConfigFile f;
    f.ReadBytes(Wrap(Kw("BCF_ID", "1") + Kw("CAB_AMOUNT", "1") + Kw("CAB_NUMBER", "1") +
                     Kw("CAB_TRX_ID", "1") + Kw("CAB_TRX_UNIT_TYPE", "16") + Kw("CAB_TRX_ID", "2") +
                     Kw("CAB_TRX_UNIT_TYPE", "7")));
    const auto& trx = OnlySite(f).cabinets.at(0).trxCablings;
    ASSERT_EQ(trx.size(), 2u);
    EXPECT_EQ(trx[0].trxUnitTypeId, 1016);
    EXPECT_EQ(trx[1].trxUnitTypeId, -1);
    EXPECT_EQ(f.Errors().size(), 1u) << "an unknown TRX unit code is reported";
}

TEST(SiteConfigRead, ManagementHoldsCabinetsOnlyForSiteType2) {
    const std::string body = Kw("TRE_EQUIPMENT_NAME", "\"T\"") + Kw("TRE_MANAGEMENT", "1") +
                             Kw("CAB_AMOUNT", "1") + Kw("CAB_NUMBER", "4");
    CSiteConfigFile two;
    two.ReadBytes(Wrap(Kw("SITE_TYPE", "2") + body));
    EXPECT_EQ(OnlySite(two).cabinets.size(), 1u);
    EXPECT_FALSE(two.HasErrors());
    CSiteConfigFile three;
    three.ReadBytes(Wrap(Kw("SITE_TYPE", "3") + body));
    EXPECT_TRUE(OnlySite(three).cabinets.empty());
    EXPECT_TRUE(three.HasErrors());
}

// A file is read through a window that is refilled line by line: records, problems and their
// line numbers must come out as from the same bytes in memory, with lines that straddle a
// refill, a line longer than the window, a stray carriage return, and the problem of a
// transceiver record reported at its number line after later lines replaced it.
TEST(SiteConfigRead, FileOnDiskReadsAsItsBytesInMemory) {
    std::string full;
    ASSERT_TRUE(ReadWholeFile(DataPath("full.hwc"), full));
    const std::string site =
        full.substr(full.find("\\SITE_NAME"), full.find("\\EOF") - full.find("\\SITE_NAME"));
    std::string text = full.substr(0, full.find("\\SITE_NAME"));
    for (int n = 0; n < 400; ++n) {
        text += site;
        if (n % 97 == 5)
            text += Kw("SITE_DESCRIPTION", "\"" + std::string(300000 + n, 'd') + "\"");
        if (n % 50 == 7)
            text += Kw("CAB_TRX_ID", "9") + Kw("CAB_TRX_TX_CON", "2") + Kw("SITE_ID", "x\ry") +
                    Kw("NO_SUCH_KEYWORD", "1");
    }
    text += Kw("EOF");
    ASSERT_GT(text.size(), 3'000'000u);
    CScratchDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("big.hwc"), text).empty());

    CSiteConfigFile memory;
    memory.ReadBytes(text);
    CSiteConfigFile disk(dir.File("big.hwc"));
    ASSERT_EQ(disk.Sites().size(), 800u);
    ASSERT_EQ(disk.Sites().size(), memory.Sites().size());
    for (std::size_t i = 0; i < memory.Sites().size(); ++i)
        ASSERT_TRUE(*disk.Sites()[i] == *memory.Sites()[i]) << i;
    EXPECT_EQ(disk.Sites()[11]->description.size(), 300005u);
    EXPECT_EQ(disk.Header().bscName, memory.Header().bscName);
    EXPECT_EQ(disk.VersionText(), "3.00");
    ASSERT_EQ(disk.Errors().size(), 24u);
    ASSERT_EQ(disk.Errors().size(), memory.Errors().size());
    for (std::size_t i = 0; i < memory.Errors().size(); ++i) {
        const CSCFParseError& d = disk.Errors()[i];
        const CSCFParseError& m = memory.Errors()[i];
        EXPECT_EQ(d.line, m.line) << i;
        EXPECT_EQ(d.type, m.type) << i;
        EXPECT_EQ(d.text, m.text) << i;
        EXPECT_EQ(d.siteName, m.siteName) << i;
    }
    EXPECT_EQ(disk.Errors()[0].text.substr(0, 11), "\\CAB_TRX_ID");
    EXPECT_EQ(disk.WriteToString(), memory.WriteToString());

    // Read for its problems alone, in one part or several, the file gives the same errors and
    // keeps no configuration.
    for (const unsigned parts : {1u, 2u, 7u}) {
        CSiteConfigFile problems;
        ASSERT_TRUE(problems.ReadFileProblems(dir.File("big.hwc"), 2, parts));
        EXPECT_TRUE(problems.Sites().empty());
        ASSERT_EQ(problems.Errors().size(), disk.Errors().size()) << parts;
        for (std::size_t i = 0; i < disk.Errors().size(); ++i) {
            const CSCFParseError& p = problems.Errors()[i];
            EXPECT_EQ(p.line, disk.Errors()[i].line) << i;
            EXPECT_EQ(p.text, disk.Errors()[i].text) << i;
            EXPECT_EQ(p.site, nullptr) << i;
            EXPECT_EQ(p.ConfigurationName(), disk.Errors()[i].ConfigurationName()) << i;
        }
    }

    // A folder or a missing file is no file, and reading one leaves nothing of the last.
    EXPECT_FALSE(disk.ReadFile(dir.Path()));
    EXPECT_TRUE(disk.Sites().empty());
    EXPECT_FALSE(disk.ReadFile(dir.File("none.hwc")));
}

// Parts begin at SITE_NAME lines; what a part cannot know from its own lines (that an "\EOF"
// before it ended the file, header values and the version given between configurations, the
// line count before it) must come out as one reading gives it.
TEST(SiteConfigRead, PartsReadAsTheWholeFile) {
    std::string sites;
    for (int n = 0; n < 12; ++n)
        sites += Kw("SITE_NAME", "\"S" + std::to_string(n) + "\"") +
                 Kw("SITE_TYPE", n % 5 ? "3" : "x") + Kw("CAB_TRX_ID", "1") + Kw("NO_SUCH", "1");
    const std::string head = "comment\r\n" + Kw("VERSION", "3.00") + Kw("BSC_NAME", "\"B\"");
    const std::vector<std::string> texts = {
        head + sites + Kw("BSC_ID", "7") + Kw("VERSION", "2.10") + sites + Kw("EOF"),
        head + sites + Kw("EOF") + sites + Kw("BSC_NAME", "\"late\""),
        head + sites + "\\SITE_NAMES x\r\n\\SITE_NAME\r\n" + sites,
        std::string(2000, 'c') + "\r\n" + Kw("SITE_NAME", "\"S\"") + sites,
        head + sites.substr(0, sites.size() - 2),
    };
    CScratchDir dir;
    for (const std::string& text : texts) {
        ASSERT_TRUE(WriteFileAtomically(dir.File("p.hwc"), text).empty());
        CSiteConfigFile whole;
        ASSERT_TRUE(whole.ReadFile(dir.File("p.hwc")));
        for (const unsigned parts : {2u, 3u, 9u, 40u}) {
            CSiteConfigFile f;
            ASSERT_TRUE(f.ReadFileProblems(dir.File("p.hwc"), 2, parts));
            ASSERT_EQ(f.Errors().size(), whole.Errors().size()) << parts << text;
            for (std::size_t i = 0; i < f.Errors().size(); ++i) {
                EXPECT_EQ(f.Errors()[i].line, whole.Errors()[i].line) << i;
                EXPECT_EQ(f.Errors()[i].type, whole.Errors()[i].type) << i;
                EXPECT_EQ(f.Errors()[i].siteName, whole.Errors()[i].siteName) << i;
            }
            EXPECT_EQ(f.VersionText(), whole.VersionText());
            EXPECT_EQ(f.Header().bscId, whole.Header().bscId);
            EXPECT_EQ(f.Header().bscName, whole.Header().bscName);
            EXPECT_EQ(f.HeaderMissing(), whole.HeaderMissing());
            EXPECT_EQ(f.CurrentLineNumber(), whole.CurrentLineNumber());
            EXPECT_EQ(f.CurrentLine(), whole.CurrentLine());
        }
    }
}

// Lines that end well inside the bytes are cut in 16-byte steps, the last ones of a file byte
// by byte: both must give the same values, errors and columns, also where a line end, a stray
// carriage return or a blank falls on either side of a step.
TEST(SiteConfigRead, LinesReadAlikeWhereverTheyEnd) {
    std::vector<std::string> lines = {"\\SITE_ID\tA\r\n",
                                      "\\SITE_ID\r\n",
                                      "\\SITE_ID   \r\n",
                                      "\\SITE_ID X\r\r\n",
                                      "\\SITE_ID X\rY\n",
                                      "\\SITE_ID\rX\n",
                                      "\\SITE_TYPE\r\n",
                                      "\\NO_SUCH \t 5\r\n",
                                      "\\\r\n",
                                      "\\SITE_IMPL_ROUND -12,4\n",
                                      "\\SITE_DESCRIPTION \"" + std::string(70, 'd') + "\"\r\n",
                                      "\\BSC_NAME\t\t\"x\"\n"};
    // A value of each length puts the line end, a CR before it and the value's first
    // character at every place of the first four steps.
    for (std::size_t n = 0; n < 70; ++n) {
        lines.push_back("\\SITE_ID " + std::string(n, 'v') + "\r\n");
        lines.push_back("\\SITE_ID" + std::string(n, ' ') + "w\r\n");
        lines.push_back("\\SITE_ID " + std::string(n, 'v') + "\rz\r\n");
        lines.push_back("\\SITE_VALID" + std::string(n, '\t') + "\n");
    }
    const std::string head = Kw("VERSION", "3.00") + Kw("SITE_NAME", "\"S\"");
    const std::string tail = "comment line after the last keyword line, long enough\r\n";
    for (const std::string& line : lines) {
        CSiteConfigFile last;
        last.ReadBytes(head + line);
        CSiteConfigFile inside;
        inside.ReadBytes(head + line + tail);
        ASSERT_EQ(last.Errors().size(), inside.Errors().size()) << line;
        for (std::size_t i = 0; i < last.Errors().size(); ++i) {
            const CSCFParseError& a = last.Errors()[i];
            const CSCFParseError& b = inside.Errors()[i];
            EXPECT_EQ(a.line, b.line) << line;
            EXPECT_EQ(a.type, b.type) << line;
            EXPECT_EQ(a.keyword, b.keyword) << line;
            EXPECT_EQ(a.value, b.value) << line;
        }
        EXPECT_EQ(last.WriteToString(), inside.WriteToString()) << line;
    }
    CSiteConfigFile f;
    f.ReadBytes(head + "\\SITE_ID " + std::string(20, 'v') + "\rz\r\n" + tail);
    EXPECT_EQ(OnlySite(f).siteId, std::string(20, 'v') + " z");
}
