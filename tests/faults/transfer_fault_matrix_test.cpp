// Every fault the link knows, at every block exchange of a send and of a fetch, against the
// simulated BTS on a loopback port: what the user is told, what the statuses say, whether the
// link comes back or stops, and that the candidate is left as it was.

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

#include "app/transfer/BTSUpdateFetchDlg.h"
#include "comms/BlocksTestSupport.h"
#include "comms/ConfigBlocks.h"
#include "comms/FirstConfigFile.h"
#include "comms/LinkTestSupport.h"
#include "comms/SecondConfigFile.h"
#include "comms/TransferTestSupport.h"
#include "files/SCFSite.h"
#include "files/SiteRecords.h"

using namespace blocks_test;
using namespace linktest;

namespace {

using Kind = SSimBlockFault::Kind;

// Waits short enough for sixty runs in well under a minute, in the proportions of the real
// ones: a retry comes after the link has reconnected, a second fetch comes while it still is
// reconnecting, and a delayed reply outlasts the caller's wait but not the transport's.
constexpr auto kReplyBase = 100ms; // a TCP link waits four times this for a reply
constexpr auto kReplyWait = 4 * kReplyBase;
constexpr auto kExchangeTimeout = 900ms;
constexpr auto kAfterReconnect = 100ms;
constexpr int kAttemptPauseMs = 300;
constexpr int kDelayMs = 500;

SLinkTimings MatrixTimings() {
    SLinkTimings t = FastTimings();
    t.idlePoll = 5ms;
    t.replyBase = kReplyBase;
    t.exchangeTimeout = kExchangeTimeout;
    t.afterReconnect = kAfterReconnect;
    t.reportDrainLimit = 200ms;
    return t;
}

// Event log lines and dialog texts.
const std::string kSending = "Sending BTS configuration information.";
const std::string kRequesting = "Requesting BTS configuration information.";
const std::string kFirstSent = "First configuration file sent succesfully.";
const std::string kFirstNotSent = "Cannot send first configuration file.";
const std::string kSecondSent = "Second configuration file sent successfully.";
const std::string kSecondNotSent = "Cannot send second configuration file.";
const std::string kFirstIn = "First configuration file received successfully.";
const std::string kFirstNotIn = "Cannot receive first configuration file.";
const std::string kSecondIn = "Second configuration file received successfully.";
const std::string kSecondNotIn = "Cannot receive second configuration file.";

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::None:
        return "none";
    case Kind::Drop:
        return "drop";
    case Kind::Delay:
        return "delay";
    case Kind::Corrupt:
        return "corrupt";
    case Kind::Silence:
        return "silence";
    case Kind::Status:
        return "status";
    case Kind::Oversize:
        return "oversize";
    }
    return "?";
}

struct SFault {
    Kind kind;
    int value;
    std::string Name() const {
        return std::string(KindName(kind)) + (kind == Kind::Status ? std::to_string(value) : "");
    }
    // Faults after which the link is down for a while (reconnecting) or for good.
    bool BreaksLink() const {
        return kind == Kind::Drop || kind == Kind::Silence || (kind == Kind::Status && value == 1);
    }
    bool StopsLink() const { return kind == Kind::Status && value == 1; }
};

void PrintTo(const SFault& fault, std::ostream* out) {
    *out << fault.Name();
}

const SFault kFaults[] = {{Kind::Drop, 0},    {Kind::Delay, kDelayMs}, {Kind::Corrupt, 0},
                          {Kind::Silence, 0}, {Kind::Status, 1},       {Kind::Status, 31},
                          {Kind::Oversize, 0}};

// The candidate of every run: a DDU and a WBC, two cabled transceivers.
void Cable(CDataBaseKODA& db) {
    db.SetSwLevel(CUcSwVersion(9));
    AddUnit(db, kUnitKindDdu, 1, 44);
    AddUnit(db, kUnitKindWbc, 1, 47);
    for (int j = 1; j <= 12; ++j) {
        db.Antenna(j)->SetAttenuation(9999);
    }
    for (int j = 1; j <= 2; ++j) {
        CUnitKTrx* trx = Trx(db, j);
        trx->SetUpgrade(false);
        trx->Cabling().txCombinerId = j;
        trx->Cabling().rxCombinerId = j;
        trx->Cabling().rxMainMulticoupler = 1;
        db.Antenna(j)->SetConnectedCombiner(j);
        db.Antenna(j)->SetMhaType(3);
    }
}

// A BTS that already holds what the candidate would send.
SSimScenario HoldingTheCandidate() {
    auto db = FirstCandidate();
    Cable(*db);
    SSimScenario s;
    s.stored[0] = blocks::BuildFirstConfigFile(*db, 9).bytes;
    s.stored[4] = blocks::BuildCrossConnectionBlock(*db, 9);
    s.stored[3] = blocks::BuildSecondConfigFile(*db);
    return s;
}

struct SOutcome {
    std::vector<std::string> log;
    std::string status;
    std::vector<std::string> messages;
    int firstStatus = -1;
    int secondStatus = -1;
};

// One run: connects, sends or fetches through the dialog's commands with the fault at the
// block request, and checks what is common to every fault.
class CRun {
public:
    CRun(bool send, SFault fault, int request) : m_send(send), m_fault(fault) {
        SSimScenario scenario = send ? SSimScenario{} : HoldingTheCandidate();
        scenario.faults.blockFault = {fault.kind, request, fault.value};
        m_sim = StartTcpSim(std::move(scenario));
        const SLinkTimings t = MatrixTimings();
        m_h.timings = t;
        m_h.hub.SetTimings(t);
        m_h.hub.SetServerFactory([t](const CConnectParams&) -> std::unique_ptr<CCommServer> {
            return std::make_unique<CTcpCommServer>(t);
        });
        CBtsConfiguration::Drop();
        Cable(*m_site.GetKODA(kSelectCandidate));
        m_site.ResetBtsConfiguration();
    }
    ~CRun() { CBtsConfiguration::Drop(); }

    SOutcome Go() {
        EXPECT_EQ(m_h.hub.StartConnection(kConnRemote, TcpTarget(*m_sim)), 1);
        EXPECT_TRUE(m_h.WaitLinkUp());
        CSCFSite before;
        EXPECT_TRUE(CopySiteIntoRecord(m_site, before));

        CMMIServ mmi(m_h.hub);
        STransferContext context;
        context.commands = &mmi.Commands();
        context.btsSwLevel = 9;
        context.wait = [](int) { std::this_thread::sleep_for(ms(kAttemptPauseMs)); };
        CConfigTransfer transfer(m_site, context);
        CBTSUpdateFetchDlg::SEnvironment env;
        env.site = &m_site;
        env.transfer = &transfer;
        env.linkUp = [this] { return m_h.hub.IsLinkUp() == 1; };
        env.bcfState = [] { return 9; };
        env.log = [this](const std::string& line) { m_host.LogEvent(line); };
        CBTSUpdateFetchDlg dialog(m_send ? CBTSUpdateFetchDlg::kSendConfiguration
                                         : CBTSUpdateFetchDlg::kFetchConfiguration,
                                  env);
        EXPECT_TRUE(dialog.Start());
        if (m_send) {
            dialog.OnSend();
        } else {
            dialog.OnFetch();
        }

        CSCFSite after;
        EXPECT_TRUE(CopySiteIntoRecord(m_site, after));
        EXPECT_TRUE(after == before) << "the candidate changed";
        EXPECT_FALSE(m_site.Busy());
        ExpectLinkAfterwards(mmi);
        return {m_host.log, dialog.status, m_host.messages, CConfigTransfer::TransferStatus(1),
                CConfigTransfer::TransferStatus(2)};
    }

private:
    using ms = std::chrono::milliseconds;

    void ExpectLinkAfterwards(CMMIServ& mmi) {
        if (m_fault.StopsLink()) {
            EXPECT_TRUE(m_h.PumpUntil([&] {
                return m_h.client.Has(CCommsReport::kNoConnection,
                                      CCommsReport::kRemoteEndedByLocal);
            }));
            EXPECT_EQ(m_h.hub.GetConnectionKind(), kConnNone);
            return;
        }
        if (m_fault.kind == Kind::None) {
            return;
        }
        // Back in service: the next exchange is answered.
        EXPECT_TRUE(
            m_h.PumpUntil([&] { return !mmi.Commands().FetchSecondConfiguration().empty(); }, 5s))
            << "the link did not recover";
        m_h.hub.Pump(); // the reports of the failure and of the recovery
        if (m_fault.BreaksLink() || m_fault.kind == Kind::Status) {
            EXPECT_TRUE(m_h.client.Has(CCommsReport::kNoConnection, CCommsReport::kNone));
        }
        if (m_fault.kind == Kind::Oversize) {
            EXPECT_TRUE(m_h.client.Has(CCommsReport::kInformation, CCommsReport::kBufferOverrun));
        }
        EXPECT_EQ(m_h.hub.GetConnectionKind(), kConnRemote);
    }

    bool m_send;
    SFault m_fault;
    std::unique_ptr<CSimServer> m_sim;
    Harness m_h;
    CFakeSiteHost m_host;
    CSiteKODA m_site{&m_host, &m_host};
};

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l + "\n";
    }
    return out;
}

// What the read-back or the fetch logs when the fault hits block request `at` of the fetch:
// 1 the first file, 2 the cross-connection block, 3 the second file. The exchange hit fails;
// the next one fails too while the link is reconnecting or stopped. A lost cross-connection
// block is not a failure of the first file.
std::vector<std::string> FetchLog(const SFault& fault, int at) {
    if (at == 1) {
        return {kFirstNotIn, fault.BreaksLink() ? kSecondNotIn : kSecondIn};
    }
    if (at == 2) {
        return {kFirstIn, fault.BreaksLink() ? kSecondNotIn : kSecondIn};
    }
    return {kFirstIn, kSecondNotIn};
}

} // namespace

TEST(TransferFaultMatrix, WithoutAFaultBothWaysSucceed) {
    const SOutcome sent = CRun(true, {Kind::None, 0}, 1).Go();
    EXPECT_EQ(sent.status, "Send successful");
    EXPECT_EQ(Joined(sent.log),
              Joined({kSending, kFirstSent, kSecondSent, kRequesting, kFirstIn, kSecondIn}));
    const SOutcome fetched = CRun(false, {Kind::None, 0}, 1).Go();
    EXPECT_EQ(fetched.status, "Fetch successful");
    EXPECT_EQ(Joined(fetched.log), Joined({kRequesting, kFirstIn, kSecondIn}));
}

// One run per fault and block request, each its own test: the runs wait on the link's
// timeouts, and as tests of their own they can wait side by side in separate processes.
using FaultAt = std::tuple<SFault, int>;

std::string FaultAtName(const ::testing::TestParamInfo<FaultAt>& info) {
    return std::get<0>(info.param).Name() + "_at" + std::to_string(std::get<1>(info.param));
}

class TransferFaultSend : public ::testing::TestWithParam<FaultAt> {};
class TransferFaultFetch : public ::testing::TestWithParam<FaultAt> {};

// Block requests of a send: 1 cross-connection block, 2 first file, 3 second file; then the
// read-back: 4 first file, 5 cross-connection block, 6 second file.
TEST_P(TransferFaultSend, AtTheBlockRequest) {
    const auto& [fault, at] = GetParam();
    const SOutcome o = CRun(true, fault, at).Go();
    std::vector<std::string> expected = {kSending};
    if (fault.StopsLink() && at <= 3) {
        // Nothing gets through once the link has stopped: every attempt fails.
        expected.push_back(at == 3 ? kFirstSent : kFirstNotSent);
        expected.push_back(kSecondNotSent);
        EXPECT_EQ(o.status, "Sending failed: the BTS did not answer");
        EXPECT_EQ(o.messages,
                  std::vector<std::string>{"BTS update failed.\nThe BTS did not answer."});
    } else {
        // A retry goes through once the link is back.
        expected.insert(expected.end(), {kFirstSent, kSecondSent, kRequesting});
        const auto readBack =
            at <= 3 ? std::vector<std::string>{kFirstIn, kSecondIn} : FetchLog(fault, at - 3);
        expected.insert(expected.end(), readBack.begin(), readBack.end());
        EXPECT_EQ(o.status, "Send successful");
        EXPECT_TRUE(o.messages.empty()) << Joined(o.messages);
    }
    EXPECT_EQ(Joined(o.log), Joined(expected));
}

// Block requests of a fetch: 1 first file, 2 cross-connection block, 3 second file.
TEST_P(TransferFaultFetch, AtTheBlockRequest) {
    const auto& [fault, at] = GetParam();
    const SOutcome o = CRun(false, fault, at).Go();
    std::vector<std::string> expected = {kRequesting};
    const auto fetched = FetchLog(fault, at);
    expected.insert(expected.end(), fetched.begin(), fetched.end());
    EXPECT_EQ(Joined(o.log), Joined(expected));
    const bool ok = expected.back() == kSecondIn && expected[1] == kFirstIn;
    EXPECT_EQ(o.firstStatus, expected[1] == kFirstIn ? 1 : 0);
    EXPECT_EQ(o.secondStatus, expected.back() == kSecondIn ? 1 : 0);
    // Every fault here is one of the link: the user is told that no answer came.
    EXPECT_EQ(o.status, ok ? "Fetch successful" : "Fetching failed: the BTS did not answer");
    EXPECT_EQ(o.messages,
              ok ? std::vector<std::string>{}
                 : std::vector<std::string>{"Fetching BTS information from BTS failed.\nThe BTS "
                                            "did not answer."});
}

INSTANTIATE_TEST_SUITE_P(EveryFault, TransferFaultSend,
                         ::testing::Combine(::testing::ValuesIn(kFaults), ::testing::Range(1, 7)),
                         FaultAtName);
INSTANTIATE_TEST_SUITE_P(EveryFault, TransferFaultFetch,
                         ::testing::Combine(::testing::ValuesIn(kFaults), ::testing::Range(1, 4)),
                         FaultAtName);
