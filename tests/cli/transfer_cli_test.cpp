// cabrion-cli send and fetch against the simulated BTS: what is sent is fetched back unchanged
// in every value the stored blocks carry, over TCP and over a serial line at 115200.
#include <gtest/gtest.h>

#include "files/SiteRecords.h"
#include "support/SimProcess.h"
#include "support/SimScenarios.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "comms/ElementCodec.h"
#include "files/SiteSCFile.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace {

namespace fs = std::filesystem;

using testsupport::CSimProcess;

// A BTS that reports itself with its BCF in Commissioning to every client.
std::string Scenario() {
    return testsupport::CommissioningBtsScenario().dump();
}

class TransferCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("cabrion_transfer_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "bts.json") << Scenario();
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Program(const char* name) {
        return std::string(CABRION_BINARY_DIR) + "/programs/" + name;
    }
    int Cli(const std::string& args, std::string& output, const std::string& env = "",
            const std::string& errors = "&1") {
        const std::string out = (dir / "cli.out").string();
        const std::string cmd =
            env + " " + Program("cabrion-cli") + " " + args + " > " + out + " 2>" + errors;
        const int status = std::system(cmd.c_str());
        std::ifstream in(out);
        output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Standard output and standard error apart, for what a script reads from each.
    int Cli(const std::string& args, std::string& output, std::string& errors) {
        const std::string err = (dir / "cli.err").string();
        const int rc = Cli(args, output, "", err);
        std::ifstream in(err);
        errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return rc;
    }
    // A simulated BTS on a loopback port, and the target text that reaches it.
    std::string StartSim(std::unique_ptr<CSimProcess>& sim, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {Program("cabrion-btssim"), "--listen", "127.0.0.1:0"};
        args.insert(args.end(), extra.begin(), extra.end());
        sim = std::make_unique<CSimProcess>(args);
        const std::string line = sim->FirstLine();
        EXPECT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
        return "HOST=127.0.0.1,TCPPORT=" + line.substr(std::string("listening 127.0.0.1:").size());
    }
    void SendAndFetch(const std::string& target, const std::string& env);

    fs::path dir;
};

// A candidate cabled in every field the blocks carry; its combiners need no report of the BTS.
std::string WriteCandidate(const fs::path& path) {
    CSiteKODA site;
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    db.SetSwLevel(CUcSwVersion(9));
    for (int j = 1; j <= 12; ++j) {
        auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, j);
        trx->SetUpgrade(j > 6);
        trx->SetBb2Id(j <= 2 ? 3 - j : j);
        STrxCabling& c = trx->Cabling();
        c.txCombinerId = j <= 6 ? 17 : 0;
        c.rxCombinerId = j <= 6 ? 18 : 0;
        c.rxDiversityCombiner = j <= 3 ? 17 : 0;
        c.txPath1 = j;
        c.rxMainMulticoupler = j <= 6 ? 1 : 0;
        c.rxDiversityMulticoupler = j <= 6 ? 2 : 0;
        CAntenna& a = *db.Antenna(j);
        a.SetConnectedCombiner(j <= 6 ? 17 : 0);
        a.SetMhaType(j % 2 == 0 || j > 6 ? 1 : 5);
        a.SetAttenuation(j == 1 ? 9999 : 640 - 50 * j);
        a.SetCositeMha(j == 4 ? 1 : 0);
    }
    for (int n = 1; n <= 2; ++n) {
        auto mc = CSiteKODA::CreateUnitOfKind(kUnitKindMc2);
        mc->SetNumber(2 * n - 1);
        mc->SetType(34);
        db.AddUnit(std::move(mc));
    }
    auto wbc = CSiteKODA::CreateUnitOfKind(kUnitKindWbc);
    wbc->SetNumber(1);
    wbc->SetType(47);
    db.AddUnit(std::move(wbc));
    SCabinetSettings cabinet{.clockSync = 1, .lte = 1, .wcdma = 0, .cabinetType = 1, .mrc = 1};
    site.SetCabinet(cabinet.clockSync, cabinet.lte, 0, 0, cabinet.cabinetType, cabinet.mrc,
                    kSelectCandidate);
    CSCFSite record;
    EXPECT_TRUE(CopySiteIntoRecord(site, record));
    record.name = "Sent";
    EXPECT_TRUE(CSiteSCFile::SaveConfigurationInto(path.string(), record));
    return path.string();
}

// The values the stored blocks carry, of the first configuration of a file.
nlohmann::json Dump(const fs::path& path) {
    CSiteSCFile file;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    file.ReadBytes(bytes);
    nlohmann::json j;
    if (file.Sites().empty()) {
        return j;
    }
    CSiteKODA site;
    EXPECT_TRUE(BuildSiteFromRecord(site, *file.Sites().front(), 0));
    const CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    j["swLevel"] = db.SwLevel().Level();
    const SCabinetSettings& c = db.CabinetSettings();
    j["cabinet"] = {c.clockSync, c.lte, c.wcdma, c.cabinetType, c.mrc};
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, n);
        if (trx == nullptr) {
            continue;
        }
        const STrxCabling& t = trx->Cabling();
        j["trx"][std::to_string(n)] = {trx->LogicalTrxId(),
                                       trx->Bb2Id(),
                                       t.txPath1,
                                       t.txPath2,
                                       t.txPath3,
                                       t.txCombinerId,
                                       t.rxCombinerId,
                                       t.rxMainMulticoupler,
                                       t.rxMainPath2,
                                       t.rxDiversityCombiner,
                                       t.rxDiversityMulticoupler,
                                       t.rxDiversityPath2};
        const CAntenna& a = *db.Antenna(n);
        j["antenna"][std::to_string(n)] = {a.ConnectedCombiner(), a.MhaType(), a.Attenuation(),
                                           a.CositeMha()};
    }
    for (const auto& unit : db.Units()) {
        const int k = unit->Kind();
        if (k == kUnitKindMc2 || k == kUnitKindMc6 || k == kUnitKindWbc || k == kUnitKindWbt) {
            j["combiners"].push_back({k, unit->Number(), unit->TypeId()});
        }
    }
    return j;
}

void TransferCli::SendAndFetch(const std::string& target, const std::string& env) {
    const std::string sent = WriteCandidate(dir / "sent.hwc");
    std::string output;
    ASSERT_EQ(Cli("send " + sent + " --yes --timeout 20 --target " + target, output, env), 0)
        << output;
    EXPECT_NE(output.find("First configuration file sent succesfully."), std::string::npos)
        << output;
    EXPECT_NE(output.find("Send successful"), std::string::npos) << output;
    const std::string fetched = (dir / "fetched.hwc").string();
    ASSERT_EQ(Cli("fetch --timeout 20 --target " + target + " -o " + fetched, output, env), 0)
        << output;
    const nlohmann::json a = Dump(sent);
    const nlohmann::json b = Dump(fetched);
    ASSERT_FALSE(a.is_null());
    EXPECT_EQ(a.dump(1), b.dump(1));
}

TEST_F(TransferCli, SendAndFetchBackOverTcp) {
    CSimProcess sim({Program("cabrion-btssim"), "--listen", "127.0.0.1:0", "--scenario",
                     (dir / "bts.json").string()});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string port = line.substr(std::string("listening 127.0.0.1:").size());
    SendAndFetch("HOST=127.0.0.1,TCPPORT=" + port, "");
}

// A machine file, made by root, that switches access checking on; the user running the tests
// is in no group of that name.
std::string CheckingOn(const fs::path& dir) {
    const fs::path machine = dir / "machine.ini";
    std::ofstream(machine) << "[2G_Managers]\nAccess Levels=On\n";
    return "CABRION_MACHINE_INI=" + machine.string();
}

// A serial line at the BTS is open to every user, also with access checking on.
TEST_F(TransferCli, SendAndFetchBackOverASerialLine) {
    CSimProcess sim(
        {Program("cabrion-btssim"), "--pty", "--scenario", (dir / "bts.json").string()});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("pty ", 0), 0u) << line;
    SendAndFetch("WP=COM,PORT=7", CheckingOn(dir) + " CABRION_COM7=" + line.substr(4));
}

// Without full control a remote BTS is refused before any link opens; reading it stays open,
// and shows that it got nothing.
TEST_F(TransferCli, SendToARemoteBtsNeedsFullControl) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only a machine file made by root switches checking on";
    }
    CSimProcess sim({Program("cabrion-btssim"), "--listen", "127.0.0.1:0", "--scenario",
                     (dir / "bts.json").string()});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string target =
        "HOST=127.0.0.1,TCPPORT=" + line.substr(std::string("listening 127.0.0.1:").size());
    const std::string sent = WriteCandidate(dir / "sent.hwc");
    const std::string out = (dir / "send.out").string();
    const std::string err = (dir / "send.err").string();
    const int status =
        std::system((CheckingOn(dir) + " " + Program("cabrion-cli") + " send " + sent +
                     " --yes --timeout 20 --target " + target + " >" + out + " 2>" + err)
                        .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const auto read = [](const std::string& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(err), "User does not have permissions to send the configuration file to BTS.\n");
    EXPECT_EQ(read(out), "");

    std::string output;
    EXPECT_EQ(Cli("fetch --timeout 20 --target " + target + " -o " + (dir / "f.hwc").string(),
                  output, CheckingOn(dir)),
              1)
        << output;
    EXPECT_NE(output.find("Cannot receive first configuration file."), std::string::npos) << output;
}

TEST_F(TransferCli, GivesUpWhenTheBtsNeverReports) {
    std::ofstream(dir / "mute.json") << "{}";
    CSimProcess sim({Program("cabrion-btssim"), "--listen", "127.0.0.1:0", "--scenario",
                     (dir / "mute.json").string()});
    const std::string line = sim.FirstLine();
    const std::string port = line.substr(std::string("listening 127.0.0.1:").size());
    std::string output;
    EXPECT_EQ(Cli("fetch --timeout 1 --target HOST=127.0.0.1,TCPPORT=" + port + " -o " +
                      (dir / "x.hwc").string(),
                  output),
              1);
    EXPECT_NE(output.find("did not report itself"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(dir / "x.hwc"));
}

// The BTS takes both files but gives nothing back: the send cannot be verified, and a script
// must not read that as success.
TEST_F(TransferCli, SendThatCannotBeReadBackIsNoSuccess) {
    nlohmann::json j = nlohmann::json::parse(Scenario());
    j["replies"]["EC"] = {{"message", "81 00 00 00 00 00 00 01"}};
    std::ofstream(dir / "deaf.json") << j.dump();
    CSimProcess sim({Program("cabrion-btssim"), "--listen", "127.0.0.1:0", "--scenario",
                     (dir / "deaf.json").string()});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string port = line.substr(std::string("listening 127.0.0.1:").size());
    const std::string sent = WriteCandidate(dir / "sent.hwc");
    std::string output;
    EXPECT_EQ(
        Cli("send " + sent + " --yes --timeout 20 --target HOST=127.0.0.1,TCPPORT=" + port, output),
        1);
    EXPECT_NE(output.find("Second configuration file sent successfully."), std::string::npos)
        << output;
    EXPECT_NE(output.find("could not be read back for verification"), std::string::npos) << output;
}

// A fetch that fails half way leaves a file it was to replace as it was, and leaves nothing
// behind; the next fetch from the same BTS replaces it whole.
TEST_F(TransferCli, FailedFetchLeavesTheOutputFileAlone) {
    // Block requests 1-6 are the send and its read-back; the 7th is the fetch's first file.
    CSimProcess sim({Program("cabrion-btssim"), "--listen", "127.0.0.1:0", "--scenario",
                     (dir / "bts.json").string(), "--fault", "drop@7"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string target =
        "HOST=127.0.0.1,TCPPORT=" + line.substr(std::string("listening 127.0.0.1:").size());
    const std::string sent = WriteCandidate(dir / "sent.hwc");
    std::string output;
    ASSERT_EQ(Cli("send " + sent + " --yes --timeout 20 --target " + target, output), 0) << output;

    // A file of configurations that the fetch is to add the BTS's one to.
    const fs::path kept = dir / "kept.hwc";
    fs::copy_file(sent, kept);
    const auto bytes = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string previous = bytes(kept);
    const auto entries = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto before = entries();
    EXPECT_EQ(Cli("fetch --timeout 20 --target " + target + " -o " + kept.string(), output), 1)
        << output;
    EXPECT_NE(output.find("Cannot receive first configuration file."), std::string::npos) << output;
    EXPECT_NE(output.find("Fetching failed"), std::string::npos) << output;
    EXPECT_EQ(bytes(kept), previous);
    EXPECT_EQ(entries(), before);

    ASSERT_EQ(Cli("fetch --timeout 20 --target " + target + " -o " + kept.string(), output), 0)
        << output;
    CSiteSCFile file;
    file.ReadBytes(bytes(kept));
    ASSERT_EQ(file.Sites().size(), 2u);
    EXPECT_EQ(file.Sites()[0]->name, "Sent");
    EXPECT_EQ(file.Sites()[1]->name, "Currently in BTS");
    EXPECT_EQ(entries(), before);
}

// A script learns from standard error why a transfer failed, in the transfer window's words.
TEST_F(TransferCli, FailedTransfersSayWhyOnStandardError) {
    const std::string sent = WriteCandidate(dir / "sent.hwc");
    std::string output, errors;
    {
        std::unique_ptr<CSimProcess> sim;
        const std::string target = StartSim(sim);
        EXPECT_EQ(Cli("fetch --timeout 20 --target " + target + " -o " + (dir / "f.hwc").string(),
                      output, errors),
                  1);
        EXPECT_EQ(errors, "Fetching failed: the BTS holds no configuration yet\n") << output;
        EXPECT_EQ(output.find("Fetching failed"), std::string::npos) << output;
        EXPECT_FALSE(fs::exists(dir / "f.hwc"));

        EXPECT_EQ(Cli("send " + sent + " --timeout 20 --target " + target, output, errors), 1);
        EXPECT_NE(errors.find("Nothing was sent: a question was answered No"), std::string::npos)
            << output;
    }
    std::unique_ptr<CSimProcess> sim;
    const std::string target = StartSim(sim, {"--fault", "drop@1"});
    EXPECT_EQ(Cli("send " + sent + " --yes --timeout 20 --target " + target, output, errors), 1);
    EXPECT_NE(errors.find("Sending failed: the BTS did not answer\n"), std::string::npos)
        << errors << output;
    EXPECT_EQ(output.find("Sending failed"), std::string::npos) << output;
}

} // namespace

// Every view on the BTS tab, with what a simulated BTS holds, written for looking at. Another
// site's configuration is sent to it, so that the Differences view has something to outline.
TEST_F(TransferCli, EveryViewOnTheBtsTabAgainstTheSimulatedBts) {
    CSimProcess sim({Program("cabrion-btssim"), "--listen", "127.0.0.1:0"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string target =
        "HOST=127.0.0.1,TCPPORT=" + line.substr(std::string("listening 127.0.0.1:").size());
    const std::string samples = std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/";
    std::string output;
    ASSERT_EQ(
        Cli("send " + samples + "chapel-2x3.hwc --yes --timeout 20 --target " + target, output), 0)
        << output;
    const std::string fetched = (dir / "in-bts.hwc").string();
    ASSERT_EQ(Cli("fetch --timeout 20 --target " + target + " -o " + fetched, output), 0) << output;

    const fs::path shots = fs::path(CABRION_BINARY_DIR) / "screenshots" / "bts-tab";
    fs::create_directories(shots);
    const auto read = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    for (int view : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11}) {
        const fs::path png = shots / ("view-" + std::to_string(view) + ".png");
        ASSERT_EQ(Cli("render " + samples + "harbour-4x3.hwc --tab bts --bts " + fetched +
                          " --options 1 --view " + std::to_string(view) + " --out " + png.string(),
                      output),
                  0)
            << view << ": " << output;
        EXPECT_EQ(read(png).substr(0, 4), "\x89PNG") << view;
    }
    // The BTS tab draws what the BTS holds, not the candidate.
    const fs::path candidate = dir / "candidate-units.png";
    ASSERT_EQ(Cli("render " + samples + "harbour-4x3.hwc --options 1 --view 2 --out " +
                      candidate.string(),
                  output),
              0)
        << output;
    EXPECT_NE(read(candidate), read(shots / "view-2.png"));
}
