#include <algorithm>
#include <nlohmann/json.hpp>

#include "CliRunner.h"

using clitest::Cli;
using clitest::Data;
using nlohmann::json;

namespace {

const json* FindUnit(const json& dump, int kind, int number) {
    for (const json& unit : dump["units"])
        if (unit["kind"] == kind && unit["number"] == number)
            return &unit;
    return nullptr;
}

json Dump(const std::string& args) {
    const clitest::Run run = Cli("dump --json " + args);
    EXPECT_EQ(run.rc, 0) << run.err;
    return json::parse(run.out);
}

} // namespace

TEST(Dump, KeepsTheDocumentedNames) {
    const json d = Dump(Data("plan_site.hwc"));
    const auto ordered =
        nlohmann::ordered_json::parse(Cli("dump --json " + Data("plan_site.hwc")).out);
    std::vector<std::string> top;
    for (const auto& [key, value] : ordered.items())
        top.push_back(key);
    EXPECT_EQ(top, (std::vector<std::string>{"name", "swLevel", "band", "bandText", "cabinet",
                                             "units", "antennas", "cables"}));
    for (const char* key :
         {"type", "name", "clockSync", "lte", "vswr", "wcdma", "mrc", "description"})
        EXPECT_TRUE(d["cabinet"].contains(key)) << key;
    for (const json& unit : d["units"]) {
        for (const char* key : {"kind", "number", "displayedNumber", "typeId", "code", "band",
                                "edge", "upgrade", "idle", "name", "location"})
            EXPECT_TRUE(unit.contains(key)) << key;
        EXPECT_EQ(unit.contains("trx"), unit["kind"] == 1) << unit["name"];
    }
    const json& trx = FindUnit(d, 1, 1)->at("trx");
    for (const char* key : {"logicalId", "bb2Id", "txPath1", "txPath2", "txPath3", "txCombiner",
                            "rxCombiner", "rxMainMulticoupler", "rxMainPath2", "rxDivCombiner",
                            "rxDivMulticoupler", "rxDivPath2", "diversityPair"})
        EXPECT_TRUE(trx.contains(key)) << key;
    ASSERT_EQ(d["antennas"].size(), 12u);
    for (int n = 1; n <= 12; ++n) {
        const json& a = d["antennas"][n - 1];
        EXPECT_EQ(a["antenna"], n);
        for (const char* key : {"connectedCombiner", "mhaType", "attenuation", "dualBand",
                                "secondConnection", "cositeMha"})
            EXPECT_TRUE(a.contains(key)) << key;
    }
    EXPECT_TRUE(d["cables"].is_array());
}

TEST(Dump, ShowsTheConfigurationAsBuilt) {
    const json d = Dump(Data("plan_site.hwc"));
    EXPECT_EQ(d["name"], "Quay West");
    EXPECT_EQ(d["swLevel"], 14);
    EXPECT_EQ(d["cabinet"]["type"], 3) << "the file's cabinet type less one";
    EXPECT_EQ(d["cabinet"]["name"], "Orvik Midi Outdoor");
    EXPECT_EQ(d["cabinet"]["clockSync"], 1);
    EXPECT_EQ(d["cabinet"]["vswr"], 1);
    EXPECT_EQ(d["cabinet"]["mrc"], 1);
    EXPECT_EQ(d["cabinet"]["description"], "Three sectors");
    EXPECT_EQ(d["bandText"], "900/1800(E)");

    // The new site's units first, then the file's in file order.
    EXPECT_EQ(d["units"][0]["name"], "BOI 1");
    EXPECT_EQ(d["units"][0]["location"], "2 /  1 /  7");
    EXPECT_EQ(d["units"][1]["name"], "RVGA 1");
    EXPECT_EQ(d["units"].back()["kind"], 5);
    EXPECT_EQ(d["units"].back()["number"], 4);

    const json& planned = *FindUnit(d, 1, 3);
    EXPECT_TRUE(planned["upgrade"]);
    EXPECT_EQ(planned["name"], "(RVDA 3)");
    const json& ddu = *FindUnit(d, 6, 2);
    EXPECT_EQ(ddu["displayedNumber"], 3);
    EXPECT_EQ(ddu["code"], "HYGx");
    EXPECT_FALSE(ddu["upgrade"]);

    const json& trx = FindUnit(d, 1, 1)->at("trx");
    EXPECT_EQ(trx["txCombiner"], 1);
    EXPECT_EQ(trx["txPath1"], 2);
    EXPECT_EQ(trx["txPath2"], 3);
    EXPECT_EQ(trx["rxDivCombiner"], 2);
    EXPECT_EQ(FindUnit(d, 1, 2)->at("trx")["txCombiner"], 14);
    EXPECT_TRUE(FindUnit(d, 1, 2)->at("edge"));

    EXPECT_EQ(d["antennas"][0]["mhaType"], 5);
    EXPECT_EQ(d["antennas"][0]["attenuation"], 150);
    EXPECT_EQ(d["antennas"][0]["cositeMha"], 1);
    EXPECT_EQ(d["antennas"][1]["mhaType"], 8) << "VSWR variants stay as stored";
    EXPECT_EQ(d["antennas"][1]["attenuation"], -30);
    EXPECT_EQ(d["antennas"][1]["connectedCombiner"], 13);
    EXPECT_EQ(d["antennas"][2]["attenuation"], 9999) << "no combiner: not set";
}

TEST(Dump, ChoosesTheConfiguration) {
    EXPECT_EQ(Dump(Data("full.hwc"))["name"], "North Pier");
    EXPECT_EQ(Dump(Data("full.hwc") + " --index 1")["name"], "North Pier");
    EXPECT_EQ(Dump(Data("plan_two_sites.ewb") + " --config Ferry")["name"], "Ferry");
    EXPECT_EQ(Dump(Data("plan_two_sites.ewb") + " --index 2")["name"], "Ferry");
    // Names typed in the shell are UTF-8; the file holds them in its code page.
    const clitest::Run coded =
        Cli("dump --json --config 'Broken \xc3\xa5sa' " + Data("errors.hwc"));
    EXPECT_EQ(json::parse(coded.out)["name"], "Broken \xc3\xa5sa") << coded.err;

    const clitest::Run unknown = Cli("dump --json --config Nowhere " + Data("full.hwc"));
    EXPECT_EQ(unknown.rc, 2);
    EXPECT_NE(unknown.err.find("no configuration named \"Nowhere\""), std::string::npos);
    EXPECT_EQ(Cli("dump --json --index 3 " + Data("full.hwc")).rc, 2);
    EXPECT_EQ(Cli("dump --json --index 0 " + Data("full.hwc")).rc, 2);
    EXPECT_EQ(Cli("dump --json --index 1 --config 'North Pier' " + Data("full.hwc")).rc, 2);
}

TEST(Dump, ExitCodesForProblemsAndUnreadableInput) {
    EXPECT_EQ(Cli("dump --json /nonexistent/file.hwc").rc, 2);
    EXPECT_EQ(Cli("dump --json " + clitest::Temp("absent.ewb")).rc, 2);
    EXPECT_EQ(Cli("dump").rc, 2);
    EXPECT_EQ(Cli("dump --help").rc, 0);

    const clitest::Run noHeader = Cli("dump --json " + Data("no_version.hwc"));
    EXPECT_EQ(noHeader.rc, 1);
    EXPECT_TRUE(noHeader.out.empty());
    EXPECT_EQ(noHeader.err.rfind("Syntax Error  3: ", 0), 0u) << noHeader.err;

    // What could be read is still shown, but the problems are not passed over in silence.
    const clitest::Run broken = Cli("dump --json " + Data("errors.hwc"));
    EXPECT_EQ(broken.rc, 1);
    EXPECT_EQ(json::parse(broken.out)["name"], "Broken \xc3\xa5sa");
    EXPECT_NE(broken.err.find("validate"), std::string::npos);

    // Problems elsewhere in the file do not spoil a configuration that was read whole.
    const std::string two = clitest::Temp("two.hwc");
    std::string text = clitest::ReadAll(Data("plan_site.hwc"));
    text.replace(
        text.find("\\EOF"), 4,
        "\\SITE_NAME \"Other\"\n\\BCF_ID 1\n\\CAB_AMOUNT 1\n\\CAB_NUMBER 1\n\\NO_SUCH 1\n\\EOF");
    clitest::WriteAll(two, text);
    EXPECT_EQ(Cli("dump --json --index 1 " + two).rc, 0);
    const clitest::Run other = Cli("dump --json --index 2 " + two);
    EXPECT_EQ(other.rc, 1);
    EXPECT_EQ(json::parse(other.out)["name"], "Other");
    std::remove(two.c_str());

    const clitest::Run noCabinet = Cli("dump --json --config 'Empty Lot' " + Data("full.hwc"));
    EXPECT_EQ(noCabinet.rc, 1);
    EXPECT_NE(noCabinet.err.find("has no cabinet"), std::string::npos);
}

TEST(Dump, TextFormNamesEveryUnitWithItsPlace) {
    const clitest::Run run = Cli("dump " + Data("plan_site.hwc"));
    ASSERT_EQ(run.rc, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Quay West\nOutdoor Midi, Clock Sync. is Autodetect On", 0), 0u);
    EXPECT_NE(run.out.find("\n(RVDA 3)\t5 /  2 /  3\n"), std::string::npos);
}

TEST(Dump, CablesFollowTheTransceiverReferences) {
    const json d = Dump(Data("plan_site.hwc"));
    ASSERT_FALSE(d["cables"].empty());
    bool txOfTrx1 = false;
    bool antennaToMha2 = false;
    for (const json& c : d["cables"]) {
        const int type = c["type"];
        EXPECT_TRUE(type == 1 || type == 2 || type == 3 || type == 5) << c;
        if (c["trx"] != 0) {
            EXPECT_NE(std::find(c["trxs"].begin(), c["trxs"].end(), c["trx"]), c["trxs"].end())
                << "built for a transceiver it is not flagged for: " << c;
        }
        txOfTrx1 = txOfTrx1 || (type == 1 && c["trx"] == 1 && c["from"]["kind"] == 1 &&
                                c["from"]["number"] == 1 && c["from"]["connectorKind"] == 4);
        antennaToMha2 = antennaToMha2 || (type == 5 && c["to"]["kind"] == 11 &&
                                          c["to"]["number"] == 2 && c["from"]["kind"] == 12);
    }
    EXPECT_TRUE(txOfTrx1);
    EXPECT_TRUE(antennaToMha2) << "antenna 2 is fed by RTC 1 (port 13)";
}
