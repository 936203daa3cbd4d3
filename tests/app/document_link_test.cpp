// The document's side of the link: the connection commands, what the link reports, the
// transfer statuses, and the idle passes that connect and open the start-up file.
#include "DocumentTestSupport.h"

#include "app/commands/CommandIds.h"
#include "comms/CommsReport.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentLink, ConnectionCommandsFollowTheLink) {
    DocumentFixture f;
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kConnectLocal));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kDisconnect));
    f.doc->OnCommand(cmd::kConnectLocal);
    EXPECT_TRUE(f.doc->ConnectionWanted());
    ASSERT_FALSE(f.link.starts.empty());
    EXPECT_EQ(f.link.starts.front(), (std::pair<int, std::string>{2, ""}));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kConnectLocal));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kDisconnect));

    f.link.up = true;
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kSimulator));
    f.doc->OnCommand(cmd::kDisconnect);
    EXPECT_FALSE(f.doc->ConnectionWanted());
    EXPECT_EQ(f.link.stops, 1);
}

TEST(DocumentLink, ReportsAreLoggedAndShown) {
    DocumentFixture f;
    f.doc->OnIdle(); // the event log exists from the first idle pass
    f.windows.events.clear();

    f.doc->OnReport(CCommsReport(0, 12));
    ASSERT_EQ(f.windows.events.size(), 1u);
    EXPECT_EQ(f.windows.events[0],
              (std::pair<std::string, std::string>{"12:34:56", "No Connection to BTS"}));
    EXPECT_EQ(f.windows.messages.back(), CCommsReport::FixedText(12));

    const size_t messages = f.windows.messages.size();
    f.doc->OnReport(CCommsReport(4, 1, CCommsReport::SpeedChangedText("115200")));
    EXPECT_EQ(f.windows.events.back().second, "Communication speed changed to 115200.");
    EXPECT_EQ(f.windows.messages.size(), messages);

    f.doc->OnReport(CCommsReport(0, 10, "The port does not answer."));
    EXPECT_EQ(f.windows.events.back(),
              (std::pair<std::string, std::string>{"", "The port does not answer."}));
    ASSERT_EQ(f.windows.btsMessages.size(), 1u);
    EXPECT_EQ(f.windows.btsMessages[0].first, "Cannot Open Connection to BTS.");

    // A message the parser chokes on is dropped.
    f.link.throwOnParse = true;
    const uint8_t bytes[] = {1, 0, 0, 0};
    EXPECT_NO_THROW(f.doc->OnUplinkMessage(bytes));
    EXPECT_EQ(f.link.parsed, 1);
}

TEST(DocumentLink, ALinkThatEndsForgetsTheBtsObjectsSoTheNextLinkTakesItsReport) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kConnectLocal);
    f.link.GoUp(2);
    f.doc->OnReport(CCommsReport(CCommsReport::kConnected, CCommsReport::kNone));
    f.doc->OnReport(CCommsReport(4, 1, CCommsReport::SpeedChangedText("115200")));
    EXPECT_EQ(f.link.objectResets, 0) << "a speed change keeps the link and what the BTS said";

    f.doc->OnCommand(cmd::kDisconnect);
    f.doc->OnReport(CCommsReport(CCommsReport::kNoConnection, CCommsReport::kNone));
    EXPECT_EQ(f.link.objectResets, 1);
    f.doc->OnCommand(cmd::kConnectLocal);
    f.doc->OnReport(CCommsReport(CCommsReport::kConnected, CCommsReport::kNone));
    EXPECT_EQ(f.link.objectResets, 1);
}

TEST(DocumentLink, AStateIsLoggedWhenItBeginsNotAtEveryRetry) {
    DocumentFixture f;
    f.doc->OnReport(CCommsReport(CCommsReport::kNoConnection, CCommsReport::kNone));
    f.doc->OnIdle();
    f.windows.events.clear();
    const auto report = [&](int kind, int code = CCommsReport::kNone) {
        f.doc->OnReport(CCommsReport(kind, code));
    };
    auto lines = [&] {
        std::vector<std::string> out;
        for (const auto& e : f.windows.events) {
            out.push_back(e.second);
        }
        return out;
    };
    // A port with nothing behind it: the link retries and says so after every attempt.
    report(CCommsReport::kStartingLocal);
    for (int retry = 0; retry < 4; ++retry) {
        report(CCommsReport::kNoConnection);
    }
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"Starting Local Connection", "No Connection to BTS"}));
    EXPECT_EQ(f.link.objectResets, 5) << "every report still forgets the BTS objects";

    // A reason is news, a link that comes up and goes again a new state.
    report(CCommsReport::kNoConnection, CCommsReport::kComPortInUse);
    report(CCommsReport::kConnected);
    report(CCommsReport::kConnected);
    report(CCommsReport::kNoConnection);
    report(CCommsReport::kNoConnection);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Starting Local Connection",
                                                 "No Connection to BTS", "No Connection to BTS",
                                                 "BTS Connected", "No Connection to BTS"}));
}

TEST(DocumentLink, TransferStatusChangesTellTheStepAndTheStatus) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    f.doc->EnsureBtsSite();
    ASSERT_NE(f.doc->SiteKODA(), nullptr);
    f.windows.notifications.clear();
    f.doc->SiteKODA()->SetTransferStatus(2, 1);
    f.doc->SiteKODA()->SetTransferStatus(3, 0);
    EXPECT_EQ(f.windows.notifications,
              (std::vector<std::tuple<int, int, int>>{
                  {notify::kGeneral, notify::kTransferStatus, 2 * 256 + 1},
                  {notify::kGeneral, notify::kTransferStatus, 3 * 256 + 0}}));
}

TEST(DocumentIdle, FirstPassesConnectAndOpenTheStartupFile) {
    DocumentFixture f;
    const std::string path = f.Path("start.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("One"));
    records.push_back(OrvikRecord("Two", 30, 3));
    WriteConfigurations(path, std::move(records));
    f.settings.SetInt("Initialization", "EnableBTS", 1);
    f.doc->SetStartupSiteFile(path, 2);

    f.doc->OnIdle();
    ASSERT_EQ(f.link.starts.size(), 1u);
    EXPECT_EQ(f.link.starts[0].first, 2);
    EXPECT_EQ(f.windows.events.back().second, "BTS connection enabled");
    EXPECT_FALSE(f.doc->HasSite());

    const size_t asked = f.windows.shown.size();
    f.doc->OnIdle();
    EXPECT_EQ(f.doc->Title(), "Two");
    EXPECT_EQ(f.windows.newSheets, 0);
    // Only the load: the update-only wizard comes next, with no upgrade question before it,
    // and the file dialog's folder and the recent files stay the user's.
    EXPECT_EQ(f.windows.shown.size(), asked);
    EXPECT_EQ(f.settings.GetString("Settings", "LastSCF", "none"), "none");
    EXPECT_TRUE(f.windows.recent.empty());
    f.doc->OnIdle();
    EXPECT_EQ(f.link.starts.size(), 1u);

    // A number past the file's configurations opens nothing.
    DocumentFixture g;
    g.doc->SetStartupSiteFile(path, 3);
    g.doc->OnIdle();
    g.doc->OnIdle();
    EXPECT_FALSE(g.doc->HasSite());
    EXPECT_FALSE(g.doc->OpenSiteFileAtStart());
    EXPECT_TRUE(g.link.starts.empty());
}

} // namespace
