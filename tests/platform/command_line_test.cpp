#include <gtest/gtest.h>

#include "platform/CommandLineInfo.h"
#include "platform/OwnSwitches.h"
#include "platform/SobriquetResolver.h"
#include "platform/StartupTarget.h"

namespace {

class ScriptedResolver : public ISobriquetResolver {
public:
    SobriquetResult Resolve(const std::string& sobriquet) override {
        asked.push_back(sobriquet);
        return answer;
    }
    SobriquetResult answer;
    std::vector<std::string> asked;
};

CBTSCommandLineInfo Parse(std::vector<std::string> args) {
    CBTSCommandLineInfo info;
    info.ParseArguments(args);
    return info;
}

} // namespace

TEST(CommandLine, SwitchesTakeTheNextParameterOnly) {
    auto info = Parse({"-target", "WP=COM,PORT=2", "-sobriquet", "north", "-outputfile", "o.txt",
                       "-bogus", "site.hwc", "second.hwc"});
    EXPECT_EQ(info.target, "WP=COM,PORT=2");
    EXPECT_EQ(info.sobriquet, "north");
    EXPECT_EQ(info.value, "o.txt");
    EXPECT_FALSE(info.updateAbis);
    // The unknown switch is ignored; the first free parameter is the file name.
    EXPECT_EQ(info.fileName, "site.hwc");
    EXPECT_EQ(info.pending, CBTSCommandLineInfo::kNone);

    info = Parse({"-updateabis", "ab.txt"});
    EXPECT_TRUE(info.updateAbis);
    EXPECT_EQ(info.value, "ab.txt");

    // A switch that waits for a value and meets another switch loses it; a trailing one keeps
    // waiting with nothing stored. Switch words match exactly; "/" starts a path, not a switch.
    info = Parse({"-target", "-SW", "/home/u/a.hwc", "-Target", "x", "-sobriquet"});
    EXPECT_EQ(info.target, "");
    EXPECT_EQ(info.fileName, "/home/u/a.hwc");
    EXPECT_EQ(info.pending, CBTSCommandLineInfo::kSobriquet);
    EXPECT_EQ(info.sobriquet, "");
}

TEST(CommandLine, TargetIsNormalisedAndDecidesTheKind) {
    EXPECT_EQ(NormaliseTarget(" WP=COM, PORT=1 ,SPEED=9600\r\n"), "WP=COM,PORT=1,SPEED=9600");
    EXPECT_EQ(NormaliseTarget("A,WP=FE,B"), "A");
    EXPECT_EQ(NormaliseTarget("A, WP = FE,B,WP=FE"), "A");
    EXPECT_EQ(NormaliseTarget("A,wp=fe,B"), "A,wp=fe,B");
    EXPECT_EQ(NormaliseTarget("\t\v "), "");
    EXPECT_EQ(ConnectionKindForTarget("WP=COM,PORT=1,SPEED=9600"), kConnectionLocal);
    EXPECT_EQ(ConnectionKindForTarget("BSCID=12,BCFID=3"), kConnectionRemote);
}

TEST(CommandLine, TargetWinsOverSobriquetAndFailuresAreReported) {
    ScriptedResolver resolver;
    resolver.answer = {true, "BSCID=1, BCFID=2,WP=FE,X", ""};
    CBTSCommandLineParser parser;
    std::string failure;

    CBTSCommandLineInfo both = Parse({"-sobriquet", "north", "-target", "A ,WP=FE,B"});
    EXPECT_EQ(parser.ReadTarget(both, &resolver, failure), "A");
    EXPECT_TRUE(resolver.asked.empty());

    CBTSCommandLineInfo named = Parse({"-sobriquet", "north"});
    EXPECT_EQ(parser.ReadTarget(named, &resolver, failure), "BSCID=1,BCFID=2");
    EXPECT_EQ(resolver.asked, std::vector<std::string>{"north"});
    EXPECT_TRUE(failure.empty());

    resolver.answer = {false, "", "not found"};
    EXPECT_EQ(parser.ReadTarget(named, &resolver, failure), "");
    EXPECT_EQ(failure, "not found");

    failure.clear();
    EXPECT_EQ(parser.ReadTarget(named, nullptr, failure), "");
    EXPECT_NE(failure.find("'north'"), std::string::npos);

    failure.clear();
    EXPECT_EQ(parser.ReadTarget(Parse({}), &resolver, failure), "");
    EXPECT_TRUE(failure.empty());
}

TEST(OwnSwitches, ReadsSwitchesFromRawText) {
    auto s = ParseOwnSwitches(
        R"("C:\Tools\Cabrion.exe" -SW -SCF "C:\my sites\a.hwc" -SNR=12 -Ostrel -target X)");
    EXPECT_EQ(s.startupPath, "C:\\Tools\\Cabrion.exe");
    EXPECT_TRUE(s.sw);
    EXPECT_EQ(s.siteFilePath, "C:\\my sites\\a.hwc");
    EXPECT_TRUE(s.openSiteFileAtStart);
    EXPECT_EQ(s.siteNumber, 12);
    EXPECT_TRUE(s.startedFromOstrel);

    // Words end at '=' and quotes; near misses and bad numbers change nothing.
    s = ParseOwnSwitches(R"(-SWX -sw -SNR=abc -SNR -Ostrel2 -SCF)");
    EXPECT_FALSE(s.sw);
    EXPECT_EQ(s.siteNumber, -1);
    EXPECT_FALSE(s.startedFromOstrel);
    EXPECT_FALSE(s.openSiteFileAtStart);

    // A dash inside quoted text is part of a name, not a switch.
    s = ParseOwnSwitches(R"("/opt/cabrion" "/data/from-Ostrel-SW.hwc" -SCF "x)");
    EXPECT_FALSE(s.startedFromOstrel);
    EXPECT_FALSE(s.sw);
    EXPECT_EQ(s.startupPath, "/data/from-Ostrel-SW.hwc");
    EXPECT_FALSE(s.openSiteFileAtStart);

    EXPECT_EQ(ParseOwnSwitches("-SNR=99999999999").siteNumber, -1);
    EXPECT_EQ(ParseOwnSwitches("-SNR=+7").siteNumber, 7);
}

TEST(OwnSwitches, RawTextFromArgumentsKeepsPathsWhole) {
    const std::vector<std::string> argv = {
        "/usr/bin/cabrion", "-SCF",    "/home/u/my \"sites\".hwc", "-SNR=2", "-Ostrel",
        "-target",          "HOST=a-b"};
    const std::string raw = RawCommandLine(argv);
    EXPECT_EQ(raw, R"("/usr/bin/cabrion" -SCF "/home/u/my sites.hwc" -SNR=2 -Ostrel -target )"
                   R"("HOST=a-b")");
    auto s = ParseOwnSwitches(raw);
    EXPECT_EQ(s.startupPath, "/usr/bin/cabrion");
    EXPECT_EQ(s.siteFilePath, "/home/u/my sites.hwc");
    EXPECT_EQ(s.siteNumber, 2);
    EXPECT_TRUE(s.startedFromOstrel);
}

// What a shell leaves of -SCF="FILE", what another program passes, and the blank-separated form
// all name the file, and the switches after it still count; the file is not also the file to
// open, and the program's own path never is.
TEST(OwnSwitches, SiteFileInEveryFormKeepsTheSwitchesAfterIt) {
    const std::string file = "/home/u/my sites/a.hwc";
    const std::vector<std::vector<std::string>> forms = {
        {"/usr/bin/cabrion", "-SCF=" + file, "-SNR=2", "-Ostrel"},
        {"/usr/bin/cabrion", "-SCF=\"" + file + "\"", "-SNR=2", "-Ostrel"},
        {"/usr/bin/cabrion", "-SCF", file, "-SNR=2", "-Ostrel"},
        {"/usr/bin/cabrion", "-SCF", "\"" + file + "\"", "-SNR=2", "-Ostrel"}};
    for (const auto& argv : forms) {
        const COwnSwitches s = ParseOwnSwitches(RawCommandLine(argv));
        EXPECT_EQ(s.siteFilePath, file) << argv[1];
        EXPECT_TRUE(s.openSiteFileAtStart) << argv[1];
        EXPECT_EQ(s.siteNumber, 2) << argv[1];
        EXPECT_TRUE(s.startedFromOstrel) << argv[1];
        CBTSCommandLineInfo info;
        info.ParseArguments(std::vector<std::string>(argv.begin() + 1, argv.end()));
        EXPECT_EQ(info.fileName, "") << argv[1];
    }
    // -SCF without a file names none and stops nothing.
    const COwnSwitches s =
        ParseOwnSwitches(RawCommandLine({"/usr/bin/cabrion", "-SCF", "-SNR=3", "-SW"}));
    EXPECT_FALSE(s.openSiteFileAtStart);
    EXPECT_EQ(s.siteNumber, 3);
    EXPECT_TRUE(s.sw);
}
