// The simulated BTS that `scripts/run.sh --with-bts` starts beside the twelve-transceiver sample:
// it reports the sample's hardware and holds a configuration that differs from the sample in
// three cables and one antenna, so that a newcomer's first fetch succeeds and shows something.
// After a change of the block writers run test_cli with CABRION_WRITE_TOUR_SCENARIO=1 to write
// the scenario again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "comms/ConfigBlocks.h"
#include "comms/FirstConfigFile.h"
#include "comms/SecondConfigFile.h"
#include "files/SiteRecords.h"
#include "files/SiteSCFile.h"
#include "model/SiteKODA.h"
#include "support/SimProcess.h"
#include "support/SimScenarios.h"

using clitest::Cli;
using clitest::Data;
using clitest::ReadAll;
using clitest::Temp;

namespace {

const std::string kSample = Data("../../docs/samples/harbour-4x3.hwc");
const std::string kScenario = Data("../../docs/samples/harbour-4x3-bts.json");

// What the site engineer got wrong: TRX 12's RX diversity cable is missing, TRX 8's TX goes
// straight to its DDU past the combiner, and antenna 1 has a high-gain MHA at 1.9 dB.
constexpr const char* kFieldEdits = R"([
  {"op": "clear-rx-div", "trx": 12},
  {"op": "set-tx", "trx": 8, "path1": 0, "path2": 0, "combiner": 6},
  {"op": "set-antenna", "antenna": 1, "connection": 1, "mha": 3, "attenuation": 190}])";

// The scenario of a BTS that holds the sample with the field edits.
nlohmann::json MakeScenario() {
    const std::string ops = Temp("tour-ops.json");
    const std::string edited = Temp("tour-bts.hwc");
    clitest::WriteAll(ops, kFieldEdits);
    const auto r = Cli("edit " + kSample + " --out " + edited + " --script " + ops);
    EXPECT_EQ(r.rc, 0) << r.err;
    CSiteSCFile file;
    file.ReadBytes(ReadAll(edited));
    CSiteKODA site;
    if (file.Sites().empty() || !BuildSiteFromRecord(site, *file.Sites().front(), 0)) {
        ADD_FAILURE() << "the edited sample does not read back";
        return {};
    }
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    const int level = db.SwLevel().Level();
    using testsupport::Hex;
    nlohmann::json s;
    s["name"] = "Harbour 4+4+4 as installed";
    s["bts"] = {{"type", 19},
                {"variant", 204},
                {"swLevel", level},
                {"bcfState", "Commissioning"},
                {"units",
                 {{{"kind", "TRX"},
                   {"first", 1},
                   {"last", 12},
                   {"band", 1800},
                   {"edge", true},
                   {"typeText", "RVDB"}},
                  {{"kind", "DDU"}, {"index", 1}},
                  {{"kind", "DDU"}, {"index", 3}},
                  {{"kind", "DDU"}, {"index", 5}}}}};
    s["stored"] = {{"0", Hex(blocks::BuildFirstConfigFile(db, level).bytes)},
                   {"3", Hex(blocks::BuildSecondConfigFile(db))},
                   {"4", Hex(blocks::BuildCrossConnectionBlock(db, level))}};
    return s;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const size_t a = text.find(from);
    const size_t b = text.find(to, a);
    return a == std::string::npos || b == std::string::npos ? "" : text.substr(a, b - a);
}

} // namespace

TEST(TourCli, FirstFetchFromTheSimulatedBtsOfTheSampleShowsTheFieldEdits) {
    const nlohmann::json made = MakeScenario();
    if (std::getenv("CABRION_WRITE_TOUR_SCENARIO") != nullptr) {
        std::ofstream(kScenario) << made.dump(2) << '\n';
    }
    const std::string text = ReadAll(kScenario);
    ASSERT_FALSE(text.empty()) << kScenario;
    EXPECT_EQ(nlohmann::json::parse(text), made) << "write it again, see the top of this file";

    testsupport::CSimProcess sim(
        {testsupport::BtsSimProgram(), "--listen", "127.0.0.1:0", "--scenario", kScenario});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string target =
        "HOST=127.0.0.1,TCPPORT=" + line.substr(std::string("listening 127.0.0.1:").size());

    const std::string fetched = Temp("tour-fetched.hwc");
    const auto fetch = Cli("fetch --timeout 20 --target " + target + " -o " + fetched);
    ASSERT_EQ(fetch.rc, 0) << fetch.out << fetch.err;
    EXPECT_NE(fetch.out.find("First configuration file received successfully."), std::string::npos)
        << fetch.out;

    // The hardware is the sample's but for the MHA of antenna 1; the three cables and the
    // antenna differ.
    const auto diff = Cli("diff " + kSample + " --bts " + fetched);
    EXPECT_EQ(diff.rc, 1) << diff.err;
    EXPECT_EQ(Between(diff.out, "Cabinet Information", "\n\n"),
              "Cabinet Information\tIndoor, Clock Sync. is Auto Detect Off\tIndoor, Clock Sync. "
              "is Auto Detect Off\tOK\n"
              "Cabinet Units\t12 RVx / 15 cabling units\t12 RVx / 15 cabling units\tNot same\n"
              "BB2 - RVx Cross-connection\tStraight through\tStraight through\tOK\n"
              "TX Cabling\t12 RVx / 18 cables\t12 RVx / 17 cables\tNot same\n"
              "RX Main Cabling\t12 RVx / 18 cables\t12 RVx / 18 cables\tOK\n"
              "RX Diversity Cabling\t12 RVx / 18 cables\t11 RVx / 17 cables\tNot same\n"
              "Antenna Settings\t0 Ant / 0 MHAs\t1 Ant / 1 MHAs\tNot same\n"
              "Passive Units\t0\t0\tOK");
    // The BTS reports the DDUs the sample has, so no unit is missing for a send.
    EXPECT_EQ(diff.out.find("Missing Units"), std::string::npos) << diff.out;

    // What the sample sends is what the BTS then holds.
    const auto send = Cli("send " + kSample + " --yes --timeout 20 --target " + target);
    EXPECT_EQ(send.rc, 0) << send.out << send.err;
    const auto again = Cli("fetch --timeout 20 --target " + target + " -o " + fetched);
    ASSERT_EQ(again.rc, 0) << again.out;
    EXPECT_EQ(Cli("diff " + kSample + " --bts " + fetched).rc, 0);
}
