// cabrion-cli edit: scripted page operations, refused scripts that leave the file alone, and the
// same result as the same clicks on the pages.
#include <algorithm>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "app/pages/PageAntennaController.h"
#include "app/pages/PageCabinetControllers.h"
#include "app/pages/PageCablingControllers.h"
#include "app/pages/PageDocument.h"
#include "app/pages/PageUnitsController.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/SiteKODA.h"

using clitest::Cli;
using clitest::Data;
using clitest::ReadAll;
using clitest::Temp;
using clitest::WriteAll;
using nlohmann::json;

namespace {

// A copy of the fixture to edit, and a script beside it.
struct EditFiles {
    explicit EditFiles(const std::string& tag)
        : site(Temp(tag + ".hwc")), script(Temp(tag + ".json")) {
        clitest::Copy(Data("edit_site.hwc"), site);
    }
    std::string site;
    std::string script;
};

json Dump(const std::string& path, const std::string& config = "") {
    const auto run =
        Cli("dump --json " + path + (config.empty() ? "" : " --config '" + config + "'"));
    EXPECT_EQ(run.rc, 0) << run.err;
    return json::parse(run.out);
}

json TrxOf(const json& dump, int number) {
    for (const auto& unit : dump["units"]) {
        if (unit["kind"] == 1 && unit["number"] == number) {
            return unit["trx"];
        }
    }
    return {};
}

// The document side of a save from the pages: Clear All is answered Yes.
class SaveHost : public CNullSiteHost {
public:
    bool AskYesNo(const std::string&) override { return true; }
};

} // namespace

TEST(Edit, AppliesEachOperationAndPrintsItsUndoLabel) {
    EditFiles f("apply");
    WriteAll(f.script, R"([
        {"op": "set-tx", "trx": 4, "path1": 6},
        {"op": "change-band", "band": 1},
        {"op": "set-antenna", "antenna": 2, "connection": 3, "mha": 3, "attenuation": 340},
        {"op": "cabinet-usage", "lte": 1},
        {"op": "clear-all-rx-main"}
    ])");
    const auto run = Cli("edit " + f.site + " --script " + f.script);
    ASSERT_EQ(run.rc, 0) << run.err;
    // The band is the one the configuration has: no step.
    EXPECT_EQ(run.out, "Set TX Cabling\nSet Antenna\nChange Cabinet Usage\nClear All RX Main "
                       "Cabling\n");
    const json d = Dump(f.site);
    // TRX 3 is already on WBC 6: its path 2 and combiner were proposed and taken.
    EXPECT_EQ(TrxOf(d, 4)["txPath1"], 6);
    EXPECT_EQ(TrxOf(d, 4)["txPath2"], 43);
    EXPECT_EQ(TrxOf(d, 4)["txCombiner"], 3);
    EXPECT_EQ(TrxOf(d, 1)["rxCombiner"], 0);
    EXPECT_EQ(d["cabinet"]["lte"], 1);
    EXPECT_EQ(d["antennas"][1]["connectedCombiner"], 3);
    EXPECT_EQ(d["antennas"][1]["attenuation"], 340);
    // Antenna 5 had port 3: it loses it and its attenuation, not its MHA type.
    EXPECT_EQ(d["antennas"][4]["connectedCombiner"], 0);
    EXPECT_EQ(d["antennas"][4]["mhaType"], 6);
    // The other configuration of the file is still there.
    EXPECT_EQ(Dump(f.site, "Other Site")["name"], "Other Site");
}

TEST(Edit, ARefusedOperationLeavesTheFileByteForByte) {
    const std::string original = ReadAll(Data("edit_site.hwc"));
    const struct {
        const char* script;
        const char* reason;
    } cases[] = {
        {R"([{"op": "cabinet-usage", "lte": 1}, {"op": "paint-it"}])", "operation 2"},
        {R"([{"op": "set-tx", "trx": 1, "colour": 3}])", "unknown field \"colour\""},
        {R"([{"op": "set-tx", "trx": 9}])", "there is no TRX 9"},
        {R"([{"op": "cabinet-usage", "lte": 1}, {"op": "set-tx", "trx": 1, "combiner": 11}])",
         "operation 2 (set-tx): combiner 11 is not offered"},
        {R"([{"op": "remove-unit", "kind": 10, "number": 9}])", "there is no unit 10/9"},
        {R"([{"op": "set-antenna", "antenna": 1, "vswr": 1, "cosite": 1}])", "exclude each other"},
        {R"([{"op": "set-tx", "trx": "one"}])", "whole number"},
        {R"({"op": "set-tx"})", "JSON list"},
        {R"([{"op": "set-tx"}])", "\"trx\" is missing"},
    };
    for (const auto& c : cases) {
        EditFiles f("refused");
        WriteAll(f.script, c.script);
        const auto run = Cli("edit " + f.site + " --script " + f.script);
        EXPECT_EQ(run.rc, 2) << c.script;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.script;
        EXPECT_EQ(ReadAll(f.site), original) << c.script;
    }
}

TEST(Edit, OutAndStandardInputLeaveTheSourceAlone) {
    EditFiles f("out");
    const std::string out = Temp("out_result.hwc");
    std::remove(out.c_str());
    const auto run = Cli("edit " + f.site + " --out " + out +
                         " --script - <<'EOF'\n[{\"op\": \"cabinet-type\", \"type\": 6}]\nEOF\n");
    ASSERT_EQ(run.rc, 0) << run.err;
    EXPECT_EQ(run.out, std::string(PageCabTypeController::kUndoLabel) + "\n");
    EXPECT_EQ(ReadAll(f.site), ReadAll(Data("edit_site.hwc")));
    EXPECT_EQ(Dump(out)["cabinet"]["type"], 6);
}

TEST(Edit, TheScriptAndThePagesSaveTheSameBytes) {
    EditFiles f("same");
    WriteAll(f.script, R"([
        {"op": "set-tx", "trx": 4, "path1": 6},
        {"op": "set-rx-main", "trx": 4, "multicoupler": 1},
        {"op": "add-unit", "kind": 10, "number": 8, "typeId": 46},
        {"op": "remove-unit", "kind": 1, "number": 2},
        {"op": "set-antenna", "antenna": 2, "connection": 4, "mha": 7, "vswr": 1},
        {"op": "clear-all-tx"},
        {"op": "change-band", "band": 3}
    ])");
    ASSERT_EQ(Cli("edit " + f.site + " --script " + f.script).rc, 0);

    // The same clicks on the pages, saved as the document saves.
    CSiteConfigFile file;
    file.ReadBytes(ReadAll(Data("edit_site.hwc")));
    SaveHost host;
    CSiteKODA site(&host, &host);
    CSCFSite* record = file.FindSite("Harbour Edit");
    ASSERT_NE(record, nullptr);
    site.SetText(record->name);
    ASSERT_TRUE(BuildSiteFromRecord(site, *record, 0));
    CCountingPageDocument document;
    PageTXCablingController tx(site, document);
    tx.SelectTrx(4);
    ASSERT_TRUE(tx.ChoosePath1(6));
    ASSERT_TRUE(tx.Set());
    PageRXCablingController rx(site, document);
    rx.SelectTrx(4);
    ASSERT_TRUE(rx.ChooseMulticoupler(1));
    ASSERT_TRUE(rx.Set());
    PageUnitsController units(site, document);
    units.Select(kUnitKindWbc, 8);
    ASSERT_TRUE(units.ChooseType(46));
    ASSERT_TRUE(units.Add());
    units.Select(kUnitKindTrx, 2);
    ASSERT_TRUE(units.Remove());
    units.Leave();
    PageAntennaController antenna(site, document);
    antenna.SelectAntenna(2);
    ASSERT_TRUE(antenna.ChooseConnection(4));
    ASSERT_TRUE(antenna.ChooseMhaType(7));
    antenna.SetVswr(true);
    ASSERT_TRUE(antenna.Set());
    ASSERT_TRUE(tx.ClearAll());
    ASSERT_TRUE(units.ChangeBand(3));
    const std::string pages = Temp("same_pages.hwc");
    ASSERT_TRUE(SaveSite(site, file, record, pages));
    EXPECT_EQ(ReadAll(pages), ReadAll(f.site));
}

TEST(Edit, APlanIsEditedInPlaceAndKeepsItsOtherBts) {
    const std::string plan = Temp("edit_plan.ewb");
    std::remove(plan.c_str());
    clitest::Copy(Data("plan_two_sites.ewb"), plan);
    const auto before = Cli("list " + plan);
    ASSERT_EQ(before.rc, 0) << before.err;
    const std::string script = Temp("edit_plan.json");
    WriteAll(script, R"([{"op": "cabinet-usage", "lte": 1}])");
    const auto run = Cli("edit " + plan + " --index 2 --script " + script);
    ASSERT_EQ(run.rc, 0) << run.err;
    // The other BTS is as it was; the edited one is now stored as an Orvik BTS.
    const std::string after = Cli("list " + plan).out;
    EXPECT_EQ(after.substr(0, after.find('\n')), before.out.substr(0, before.out.find('\n')));
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'), 2);
    EXPECT_EQ(run.out, "Change Cabinet Usage\n");
    EXPECT_EQ(Dump(plan + " --index 2")["cabinet"]["lte"], 1);
}
