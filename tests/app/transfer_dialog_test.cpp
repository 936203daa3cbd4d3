#include <gtest/gtest.h>

#include "app/transfer/BTSUpdateFetchDlg.h"
#include "comms/TransferTestSupport.h"
#include "files/ConfigInfoKODA.h"

using namespace transfer_test;

namespace {

struct SDialogBench : SBench {
    explicit SDialogBench(SSimScenario scenario = {}) : SBench(std::move(scenario)) {
        Candidate().SetSwLevel(CUcSwVersion(9));
    }
    CBTSUpdateFetchDlg Dialog(int mode) {
        CBTSUpdateFetchDlg::SEnvironment env;
        env.site = &site;
        env.transfer = &transfer;
        env.info = &info;
        env.linkUp = [this] { return linkUp; };
        env.bcfState = [this] { return bcfState; };
        env.remote = remote;
        env.fullControl = fullControl;
        env.selectBtsTab = [this] { ++btsTabShown; };
        env.candidatePassive = &candidatePassive;
        env.btsPassive = &btsPassive;
        env.log = [this](const std::string& line) { host.LogEvent(line); };
        return CBTSUpdateFetchDlg(mode, env);
    }

    CConfigTransfer transfer{site, Context(9)};
    CConfigInfoKODA info{&site};
    bool linkUp = true;
    int bcfState = 0;
    bool remote = false;
    bool fullControl = true;
    int btsTabShown = 0;
};

TEST(TransferDialog, TitlesAndButtonsByMode) {
    SDialogBench bench;
    EXPECT_EQ(bench.Dialog(0).Title(), "Send BTS Configuration");
    EXPECT_EQ(bench.Dialog(1).Title(), "Send BTS Passive Unit Information");
    EXPECT_EQ(bench.Dialog(2).Title(), "Fetch BTS Configuration");
    EXPECT_EQ(bench.Dialog(3).Title(), "Fetch BTS Passive Unit Information");
    EXPECT_EQ(bench.Dialog(4).Title(), "Internal Error - Unknown view type");
    auto fetch = bench.Dialog(2);
    ASSERT_TRUE(fetch.Start());
    EXPECT_FALSE(fetch.sendVisible);
    EXPECT_TRUE(fetch.fetchVisible);
    EXPECT_FALSE(fetch.missingInfoVisible);
    EXPECT_EQ(fetch.status, "Ready");
    EXPECT_EQ(fetch.percentText, "0%");
    fetch.SetStatus("", 3);
    fetch.SetStatus("Too far", 5);
    EXPECT_EQ(fetch.status, "Ready");
}

TEST(TransferDialog, EnableRulesFollowBcfStateAndAccess) {
    SDialogBench bench;
    for (int state : {0, 1, 9}) {
        bench.bcfState = state;
        auto dlg = bench.Dialog(0);
        dlg.Refresh();
        EXPECT_TRUE(dlg.sendEnabled) << state;
        EXPECT_EQ(dlg.comment, "Sending and fetching configuration information enabled");
    }
    bench.bcfState = 5;
    auto dlg = bench.Dialog(2);
    dlg.Refresh();
    EXPECT_FALSE(dlg.fetchEnabled);
    EXPECT_EQ(dlg.comment, "Sending and fetching configuration information disabled");
    bench.bcfState = -1;
    dlg.Refresh();
    EXPECT_EQ(dlg.bcfStateText, "Unknown");
    bench.bcfState = 0;
    bench.remote = true;
    bench.fullControl = false;
    auto readOnly = bench.Dialog(0);
    readOnly.Refresh();
    EXPECT_FALSE(readOnly.sendEnabled);
    EXPECT_TRUE(readOnly.fetchEnabled);
    EXPECT_EQ(readOnly.comment,
              "User does not have permissions to send the configuration file to BTS.");
}

TEST(TransferDialog, SendReadsBackAndReportsSuccess) {
    SDialogBench bench;
    auto dlg = bench.Dialog(0);
    // Nothing received yet: an empty candidate and the empty BTS stand-in must not read as the
    // same, nor their cross-connections as a change that needs a reset.
    dlg.Refresh();
    EXPECT_EQ(dlg.candidateValues, "Not compared\n");
    EXPECT_EQ(dlg.btsValues, "Not received\nNot received\nNot received\nNot received\n"
                             "Not received\n");
    EXPECT_FALSE(dlg.crossConnectionDiffers);
    dlg.OnSend();
    // Read back, every item is compared again, and all of them are the same.
    EXPECT_EQ(dlg.candidateLabels, "As in Cabrion");
    EXPECT_EQ(dlg.btsValues, "");
    EXPECT_EQ(dlg.status, "Send successful");
    EXPECT_EQ(dlg.progress, 4);
    EXPECT_EQ(dlg.percentText, "100%");
    EXPECT_EQ(bench.host.log.front(), "Sending BTS configuration information.");
    EXPECT_NE(std::find(bench.host.log.begin(), bench.host.log.end(),
                        "Requesting BTS configuration information."),
              bench.host.log.end());
    EXPECT_TRUE(bench.site.CrossConnectionWarned());
    EXPECT_EQ(CConfigTransfer::TransferStatus(1), 1);
    // A cabinet changed after the send: the candidate's group names the candidate's cabinet.
    SCabinetSettings changed = bench.Candidate().CabinetSettings();
    changed.lte = 1;
    bench.Candidate().SetCabinetSettings(changed);
    dlg.Refresh();
    EXPECT_EQ(dlg.candidateValues, bench.Candidate().SummaryLine() + "\n");
    EXPECT_NE(dlg.candidateValues.find("LTE is in use"), std::string::npos);
}

TEST(TransferDialog, VersionRefusedMeansSendingFailed) {
    SDialogBench bench;
    bench.Candidate().SetSwLevel(CUcSwVersion(7));
    auto dlg = bench.Dialog(0);
    dlg.OnSend();
    for (int step = 1; step <= 3; ++step) {
        EXPECT_EQ(CConfigTransfer::TransferStatus(step), 0);
    }
    EXPECT_EQ(dlg.status, "Sending failed");
    EXPECT_EQ(dlg.progress, 4);
    EXPECT_EQ(bench.host.messages, std::vector<std::string>{"BTS update failed."});
    EXPECT_EQ(bench.btsTabShown, 1);
}

TEST(TransferDialog, NothingHappensWhileTheLinkIsDown) {
    SDialogBench bench;
    bench.linkUp = false;
    auto dlg = bench.Dialog(2);
    dlg.Start();
    dlg.OnFetch();
    EXPECT_EQ(dlg.status, "Ready");
    EXPECT_TRUE(bench.host.log.empty());
}

// A failed fetch ends the bar and says why, after one request per file.
TEST(TransferDialog, FetchFailuresSayWhy) {
    SSimScenario scenario;
    scenario.stored[1] = {101}; // more records than a BTS can hold
    SDialogBench bench(scenario);
    auto dlg = bench.Dialog(2);
    dlg.OnFetch();
    EXPECT_EQ(dlg.status, "Fetching failed: the BTS holds no configuration yet");
    EXPECT_EQ(dlg.progress, 4);
    EXPECT_EQ(bench.host.messages.back(),
              "Fetching BTS information from BTS failed.\nThe BTS holds no configuration yet.");
    EXPECT_EQ(bench.sim->BlockRequests(), 2);
    auto passive = bench.Dialog(3);
    passive.OnFetch();
    EXPECT_EQ(CConfigTransfer::TransferStatus(3), 0);
    EXPECT_EQ(bench.host.messages.back(), "Fetching Passive unit information from BTS failed.\nThe "
                                          "BTS's answer could not be read.");

    SSimScenario refusing;
    refusing.replies[0xEC].message = {0x81, 0, 0, 0, 0, 0, 0, 0, 0x03, 0x00};
    SDialogBench refused(refusing);
    auto asked = refused.Dialog(2);
    asked.OnFetch();
    EXPECT_EQ(asked.status, "Fetching failed: the BTS refused it (code 3)");

    SSimScenario silent;
    silent.faults.blockFault = {SSimBlockFault::Kind::Silence, 1, 0};
    SDialogBench unanswered(silent);
    auto waiting = unanswered.Dialog(2);
    waiting.OnFetch();
    EXPECT_EQ(waiting.status, "Fetching failed: the BTS did not answer");
    EXPECT_EQ(unanswered.host.messages.back(),
              "Fetching BTS information from BTS failed.\nThe BTS did not answer.");
}

TEST(TransferDialog, EmptyPassiveSendAsksFirst) {
    SDialogBench bench;
    bench.btsPassive.SetSlot(3, 0, "S", "P");
    auto dlg = bench.Dialog(1);
    dlg.OnSend();
    ASSERT_EQ(bench.host.questions.size(), 1u);
    EXPECT_EQ(bench.sim->Store().Stored(1), nullptr);
    bench.host.answers = {true};
    bench.candidatePassive.SetSlot(3, 0, "S2", "P2");
    dlg.OnSend();
    EXPECT_EQ(dlg.status, "Send successful");
    std::string serial, product;
    EXPECT_TRUE(bench.btsPassive.GetSlot(3, 0, serial, product));
    EXPECT_EQ(serial, "S2");
}

} // namespace
