#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "comms/FirstConfigFile.h"
#include "comms/SecondConfigFile.h"

using namespace blocks_test;
using namespace transfer_test;

namespace {

void CableCandidate(CDataBaseKODA& db) {
    db.SetSwLevel(CUcSwVersion(9));
    AddUnit(db, kUnitKindDdu, 1, 44);
    AddUnit(db, kUnitKindWbc, 1, 47);
    // Attenuations travel as 0.5 dB classes; these read back exactly.
    for (int j = 1; j <= 12; ++j) {
        db.Antenna(j)->SetAttenuation(9999);
    }
    db.Antenna(3)->SetAttenuation(-10);
    for (int j = 1; j <= 2; ++j) {
        CUnitKTrx* trx = Trx(db, j);
        trx->SetUpgrade(false);
        trx->Cabling().txCombinerId = j;
        trx->Cabling().rxCombinerId = j;
        trx->Cabling().rxMainMulticoupler = 1;
        db.Antenna(j)->SetConnectedCombiner(j);
        db.Antenna(j)->SetMhaType(3);
        db.Antenna(j)->SetAttenuation(9999);
    }
}

TEST(TransferFlow, SendThenFetchGivesBackWhatWasSent) {
    SBench bench;
    ASSERT_TRUE(bench.connected);
    CableCandidate(bench.Candidate());
    // The BTS reported the DDU and the transceivers the candidate uses.
    AddUnit(bench.Bts(), kUnitKindDdu, 1, 903);
    for (int j = 1; j <= 12; ++j) {
        Trx(bench.Bts(), j)->SetType(Trx(bench.Candidate(), j)->TypeId());
        Trx(bench.Bts(), j)->SetUpgrade(Trx(bench.Candidate(), j)->IsUpgrade());
    }
    auto transfer = bench.Transfer();
    transfer.Download(false);
    EXPECT_TRUE(bench.host.questions.empty());
    EXPECT_EQ(CConfigTransfer::TransferStatus(1), 1);
    EXPECT_EQ(CConfigTransfer::TransferStatus(2), 1);
    EXPECT_EQ(bench.host.log,
              (std::vector<std::string>{"First configuration file sent succesfully.",
                                        "Second configuration file sent successfully."}));
    EXPECT_EQ(bench.configurationCleared, 1);
    ASSERT_NE(bench.sim->Store().Stored(4), nullptr);
    EXPECT_EQ(bench.sim->Store().Stored(4)->size(), 25u);

    bench.host.log.clear();
    transfer.Fetch(false);
    EXPECT_EQ(bench.host.log,
              (std::vector<std::string>{"First configuration file received successfully.",
                                        "Second configuration file received successfully."}));
    EXPECT_TRUE(bench.host.messages.empty());
    CDataBaseKODA& bts = bench.Bts();
    for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(Trx(bts, j)->Cabling(), Trx(bench.Candidate(), j)->Cabling()) << j;
        EXPECT_EQ(*bts.Antenna(j), *bench.Candidate().Antenna(j)) << j;
    }
    EXPECT_EQ(bts.FindUnit(kUnitKindDdu, 1)->TypeId(), 44);
    EXPECT_NE(bts.FindUnit(kUnitKindWbc, 1), nullptr);
    EXPECT_EQ(bts.SwLevel().Level(), 9);
    EXPECT_TRUE(bts.CablingPresent());
    // The fetched second file is kept as it came; every status written told the main window
    // which step it was and what it became.
    ASSERT_NE(bench.sim->Store().Stored(3), nullptr);
    EXPECT_EQ(bts.SecondFileCopy(), *bench.sim->Store().Stored(3));
    const std::vector<int> told(bench.host.notificationValues.end() - 2,
                                bench.host.notificationValues.end());
    EXPECT_EQ(told, (std::vector<int>{1 * 256 + 1, 2 * 256 + 1}));
    EXPECT_EQ(bench.refreshes, 1);
    EXPECT_FALSE(bench.site.Busy());
}

TEST(TransferFlow, AttenuationsSurviveOnEveryCombinerAndScale) {
    // A dual-band site: DDUs 1, 3 and 5 are 900 units, 2, 4 and 6 1800 units, RTC 1 a 900
    // unit; one antenna on each DDU (both halves by turns), one on the RTC and one on the
    // external cabinet, which has no unit of its own. Each attenuation reads back only on its
    // own scale (340 - 50c low band, 640 - 50c otherwise).
    SBench bench;
    ASSERT_TRUE(bench.connected);
    CDataBaseKODA& candidate = bench.Candidate();
    candidate.SetSwLevel(CUcSwVersion(9));
    bench.site.SetBand(kBand900 | kBand1800, kSelectCandidate, false);
    struct SAntennaCase {
        int port;
        int attenuation;
        int mhaType;
    };
    // No MHA (1) and a low gain one (2) on a DDU each, the VSWR variant of high gain on one.
    const SAntennaCase cases[] = {{1, 140, 3},  {4, 240, 3},  {5, 340, 1}, {8, -10, 2},
                                  {9, -360, 6}, {12, 590, 3}, {13, 90, 3}, {18, 440, 3}};
    for (int k = 1; k <= 6; ++k) {
        AddUnit(candidate, kUnitKindDdu, 2 * k - 1, k % 2 == 1 ? 43 : 44);
    }
    AddUnit(candidate, kUnitKindRtc, 1, 40);
    for (int j = 1; j <= 12; ++j) {
        candidate.Antenna(j)->SetAttenuation(9999);
    }
    for (int j = 1; j <= 8; ++j) {
        CAntenna& a = *candidate.Antenna(j);
        a.SetConnectedCombiner(cases[j - 1].port);
        a.SetMhaType(cases[j - 1].mhaType);
        a.SetAttenuation(cases[j - 1].attenuation);
    }
    // The BTS reported its DDUs under their first halves and its RTC; only the second file
    // tells their types.
    for (int k = 1; k <= 6; ++k) {
        bench.site.UnitReportedByBts(13, 2 * k - 1, nullptr);
    }
    bench.site.UnitReportedByBts(12, 1, nullptr);

    auto transfer = bench.Transfer();
    transfer.Download(false);
    ASSERT_EQ(CConfigTransfer::TransferStatus(1), 1);
    transfer.Fetch(false);
    ASSERT_EQ(CConfigTransfer::TransferStatus(2), 1);
    for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(bench.Bts().Antenna(j)->Attenuation(), candidate.Antenna(j)->Attenuation())
            << "antenna " << j << " on port " << candidate.Antenna(j)->ConnectedCombiner();
    }
    for (int k = 1; k <= 6; ++k) {
        const CUnit* ddu = bench.Bts().FindUnitByDisplayedNumber(kUnitKindDdu, k);
        ASSERT_NE(ddu, nullptr) << k;
        EXPECT_EQ(ddu->TypeId(), k % 2 == 1 ? 43 : 44) << k;
    }
    EXPECT_EQ(bench.Bts().FindUnit(kUnitKindRtc, 1)->TypeId(), 40);
}

TEST(TransferFlow, VersionQuestionAnsweredNoSendsNothing) {
    SBench bench;
    bench.Candidate().SetSwLevel(CUcSwVersion(7));
    bench.Bts().SetTransferStatus(1, 1);
    bench.Transfer(9).Download(false);
    ASSERT_EQ(bench.host.questions.size(), 1u);
    EXPECT_NE(bench.host.questions[0].find("Still Download?"), std::string::npos);
    for (int step = 1; step <= 3; ++step) {
        EXPECT_EQ(CConfigTransfer::TransferStatus(step), 0);
    }
    EXPECT_EQ(bench.sim->Store().Stored(0), nullptr);
    EXPECT_EQ(bench.sim->Store().Stored(3), nullptr);
}

TEST(TransferFlow, WithoutABtsNothingIsSentAndTheUserIsTold) {
    SBench bench;
    STransferContext context = bench.Context();
    context.commands = nullptr;
    bench.Candidate().SetSwLevel(CUcSwVersion(9));
    CConfigTransfer(bench.site, context).SendConfiguration();
    EXPECT_EQ(bench.host.messages,
              std::vector<std::string>{"Cannot update BTS because there is no connection."});
    EXPECT_EQ(CConfigTransfer::TransferStatus(1), 0);
    CConfigTransfer(bench.site, context).FetchFirstFile();
    EXPECT_EQ(bench.host.messages.back(), "No BTS connection.");
    EXPECT_FALSE(bench.site.Busy());
    CBtsConfiguration::Drop();
    EXPECT_EQ(CConfigTransfer::TransferStatus(1), -1);
}

// A refusal is the BTS's answer to that very file: it is not sent again. Silence may pass, so
// a BTS that does not answer gets the three tries with their pauses.
TEST(TransferFlow, RefusedFilesAreNotSentAgainButSilenceIsRetried) {
    const std::vector<std::string> notSent = {"Cannot send first configuration file.",
                                              "Cannot send second configuration file."};
    {
        SSimScenario scenario;
        scenario.replies[0xEC].message = {0x81, 0, 0, 0, 0, 0, 0, 0, 0x05, 0x01};
        SBench bench(scenario);
        bench.Candidate().SetSwLevel(CUcSwVersion(9));
        auto transfer = bench.Transfer();
        transfer.SendConfiguration();
        EXPECT_EQ(bench.host.log, notSent);
        EXPECT_EQ(bench.waited, 0);
        EXPECT_EQ(bench.sim->BlockRequests(), 3) << "cross-connection block, first, second";
        EXPECT_EQ(transfer.FailureReason(1), "the BTS refused it (code 261)");
        EXPECT_EQ(CConfigTransfer::TransferStatus(1), 0);
        EXPECT_EQ(CConfigTransfer::TransferStatus(2), 0);
        EXPECT_EQ(bench.configurationCleared, 0);
        transfer.FetchPassiveUnits();
        EXPECT_EQ(CConfigTransfer::TransferStatus(3), 0) << "a refusal is no empty BTS";
        EXPECT_EQ(transfer.FailureReason(3), "the BTS refused it (code 261)");
    }
    SSimScenario scenario;
    scenario.faults.blockFault = {SSimBlockFault::Kind::Silence, 1, 0};
    SBench bench(scenario);
    bench.Candidate().SetSwLevel(CUcSwVersion(9));
    auto transfer = bench.Transfer();
    transfer.SendConfiguration();
    EXPECT_EQ(bench.host.log, notSent);
    EXPECT_EQ(bench.waited, 4 * CConfigTransfer::kAttemptPauseMs);
    EXPECT_EQ(transfer.FailureReason(2), "the BTS did not answer");
    transfer.FetchPassiveUnits();
    EXPECT_EQ(CConfigTransfer::TransferStatus(3), 0) << "silence read as a BTS without units";
}

TEST(TransferFlow, UninitialisedBtsAndNewerSecondFile) {
    SSimScenario scenario;
    scenario.stored[0] = std::vector<uint8_t>(376, 0);
    scenario.stored[3] = {'M', 'M', 'I', 3, 0, 0};
    SBench bench(scenario);
    bench.Transfer().Fetch(false);
    EXPECT_EQ(bench.host.log,
              (std::vector<std::string>{"First configuration file is uninitialized.",
                                        "Second configuration file received successfully."}));
    EXPECT_EQ(CConfigTransfer::TransferStatus(1), 2);
    EXPECT_EQ(CConfigTransfer::TransferStatus(2), 1);
    ASSERT_EQ(bench.host.messages.size(), 1u);
    EXPECT_NE(bench.host.messages[0].find("newer Cabrion"), std::string::npos);
}

TEST(TransferFlow, CrossConnectionWarningOncePerSiteAndNotOnReadBack) {
    auto swapped = [] {
        auto db = FirstCandidate();
        Trx(*db, 1)->SetBb2Id(2);
        Trx(*db, 2)->SetBb2Id(1);
        return blocks::BuildFirstConfigFile(*db, 9).bytes;
    };
    SSimScenario scenario;
    scenario.stored[0] = swapped();
    {
        SBench bench(scenario);
        bench.Transfer().FetchFirstFile();
        bench.site.ResetBtsConfiguration();
        bench.Transfer().FetchFirstFile();
        EXPECT_EQ(bench.host.messages,
                  std::vector<std::string>{
                      "Warning: Invalid BB2 - RVxx cross connection detected in BTS."});
        EXPECT_EQ(Trx(bench.Bts(), 1)->Bb2Id(), 2);
    }
    SBench bench(scenario);
    bench.site.SetCrossConnectionWarned(true); // as before the read-back after a send
    bench.Transfer().FetchFirstFile();
    EXPECT_TRUE(bench.host.messages.empty());
}

TEST(TransferFlow, PassiveUnitsSendAndFetch) {
    SBench bench;
    bench.candidatePassive.SetSlot(CHWInfoFile::kMhaGroup, 1, "S1", "P1");
    auto transfer = bench.Transfer();
    transfer.FetchPassiveUnits();
    EXPECT_EQ(CConfigTransfer::TransferStatus(3), 2) << "nothing stored yet";
    transfer.Download(true);
    EXPECT_EQ(CConfigTransfer::TransferStatus(3), 1);
    EXPECT_EQ(bench.passiveCleared, 1);
    bench.btsPassive.SetSlot(3, 0, "STALE", "X");
    transfer.Fetch(true);
    EXPECT_EQ(CConfigTransfer::TransferStatus(3), 1);
    std::string serial, product;
    EXPECT_TRUE(bench.btsPassive.GetSlot(CHWInfoFile::kMhaGroup, 1, serial, product));
    EXPECT_EQ(serial, "S1");
    EXPECT_EQ(bench.btsPassive.FilledCount(), 1);
    EXPECT_EQ(bench.host.log,
              (std::vector<std::string>{"Requesting BTS passive unit information.",
                                        "Passive unit information sent successfully.",
                                        "Requesting BTS passive unit information."}));
}

} // namespace
