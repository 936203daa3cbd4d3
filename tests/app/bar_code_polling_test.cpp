// The page's reader polling with a pseudo-terminal as the scanner.
#include "peripherals/PtyScanner.h"

#include "app/passive/BarCodePolling.h"
#include "peripherals/UartErrors.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingBarCodeHost : IBarCodeHost {
    bool StartTimer(int milliseconds) override {
        interval = milliseconds;
        return timerWorks;
    }
    void StopTimer() override { ++stops; }
    void Warning(const std::string& text) override { warnings.push_back(text); }
    void StopError(const std::string& text) override { stopErrors.push_back(text); }
    bool FocusedIsEdit() const override { return focusOnEdit; }
    bool SetFocusedEditText(const std::string& text) override {
        boxTexts.push_back(text);
        return boxTakes;
    }
    void PostTab() override { ++tabs; }

    bool timerWorks = true;
    bool focusOnEdit = true;
    bool boxTakes = true;
    int interval = 0;
    int stops = 0;
    int tabs = 0;
    std::vector<std::string> warnings;
    std::vector<std::string> stopErrors;
    std::vector<std::string> boxTexts;
};

struct Polling : ::testing::Test {
    Polling() {
        settings::Write(store, settings::kUARTEnable, 1);
        settings::Write(store, settings::kUARTPort, 2);
    }
    void Scan(const std::string& bytes) {
        ASSERT_TRUE(scanner.Send(bytes));
        PtyScanner::Settle();
        polling.Tick();
    }

    CMemoryRegistry store;
    PtyScanner scanner;
    RecordingBarCodeHost host;
    CBarCodePolling polling{store, host,
                            [this](int com) { return com == 2 ? scanner.path : std::string(); }};
};

} // namespace

TEST_F(Polling, EachCodeFillsTheFocusedBoxAndMovesOn) {
    polling.Restart();
    ASSERT_TRUE(polling.Running());
    EXPECT_EQ(host.interval, 440);
    Scan("ABC\r12");
    polling.Tick();
    polling.Tick(); // nothing waiting: nothing happens
    EXPECT_EQ(host.boxTexts, (std::vector<std::string>{"ABC", "12"}));
    EXPECT_EQ(host.tabs, 2);
    EXPECT_TRUE(host.warnings.empty());

    // A box that refuses the code keeps the focus, so the scan can be repeated there.
    host.boxTakes = false;
    Scan("NOPE\r");
    EXPECT_EQ(host.boxTexts.size(), 3u);
    EXPECT_EQ(host.tabs, 2);

    // Focus on a button: the code is not typed anywhere.
    host.focusOnEdit = false;
    Scan("XYZ\r");
    EXPECT_EQ(host.boxTexts.size(), 3u);
}

TEST_F(Polling, ADisabledReaderIsNeitherOpenedNorPolled) {
    settings::Write(store, settings::kUARTEnable, 0);
    polling.Restart();
    EXPECT_FALSE(polling.Running());
    EXPECT_EQ(polling.Reader(), nullptr);
    EXPECT_EQ(host.interval, 0);
    Scan("ABC\r");
    EXPECT_TRUE(host.boxTexts.empty());
}

TEST_F(Polling, RestartingPicksUpNewSettingsAndStopsTheOldTimer) {
    polling.Restart();
    settings::Write(store, settings::kUARTEnable, 0);
    polling.Restart();
    EXPECT_EQ(host.stops, 1);
    EXPECT_FALSE(polling.Running());
    settings::Write(store, settings::kUARTEnable, 1);
    settings::Write(store, settings::kUARTStopBits, 2);
    polling.Restart();
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], "Illegal Stop Bits. Check UART settings.");
    // The timer runs even so; it finds nothing.
    EXPECT_TRUE(polling.Running());
    Scan("ABC\r");
    EXPECT_TRUE(host.boxTexts.empty());
}

TEST_F(Polling, ATimerThatCannotStartIsReported) {
    host.timerWorks = false;
    polling.Restart();
    EXPECT_FALSE(polling.Running());
    ASSERT_EQ(host.stopErrors.size(), 1u);
    EXPECT_EQ(host.stopErrors[0],
              "Could not start UART port polling timer.\nThe bar code reader cannot be used.");
}

TEST_F(Polling, DamagedCodesKeepWhatWasTyped) {
    polling.Restart();
    Scan(std::string("AB\x01\x02\r", 5));
    EXPECT_TRUE(host.boxTexts.empty());
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], uart::kGarbageCodeText);
    EXPECT_EQ(host.tabs, 0);

    // The next good code goes in as usual.
    Scan("GOOD\r");
    EXPECT_EQ(host.boxTexts, std::vector<std::string>{"GOOD"});
}

TEST_F(Polling, APortThatDisappearsIsToldOnce) {
    polling.Restart();
    ASSERT_TRUE(scanner.Send("AB"));
    PtyScanner::Settle();
    scanner.CloseMaster();
    PtyScanner::Settle();
    for (int i = 0; i < 4; ++i) {
        polling.Tick();
    }
    // Half a code may have been handed out before the hang-up; after it, one message.
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], uart::kPortLostText);
    EXPECT_LE(host.boxTexts.size(), 1u);
}

TEST(BarCodeText, ControlCharactersAreNoCode) {
    EXPECT_TRUE(CBarCodePolling::IsPlainCode("AB-12 x.y"));
    EXPECT_TRUE(CBarCodePolling::IsPlainCode("\xe9t\xe9"));
    EXPECT_FALSE(CBarCodePolling::IsPlainCode("AB\n"));
    EXPECT_FALSE(CBarCodePolling::IsPlainCode(std::string("A\0B", 3)));
    EXPECT_FALSE(CBarCodePolling::IsPlainCode("A\x7f"));
}
