// The property sheet in the real program under an X server: Alt+Enter on the main window opens
// the sheet of the active view. Keys are typed with xdotool; titles are read back from the X
// server's window list.
#include "support/XDesktop.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

class Properties : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveProgram("Xvfb") || !HaveProgram("xwininfo") || !HaveProgram("xdotool")) {
            GTEST_SKIP() << "Xvfb, xwininfo and xdotool are needed (scripts/setup-deps.sh)";
        }
    }
};

TEST_F(Properties, AltEnterOpensTheSheetOfTheActiveView) {
    // A display of our own, apart from the start test's.
    CXServer x;
    ASSERT_TRUE(x.Ready());
    const CSettingsHome home("props", false);
    const auto app = StartProgram(x, home, {SampleFile("harbour-4x3.hwc")});
    ASSERT_TRUE(x.WaitForExactTitle("Harbour 4+4+4 - Cabrion No connection to BTS ", 90))
        << WhatTheDesktopShows(x, home);
    x.KeysToMainWindow("alt+Return");
    // The program starts on the Cabinet Information view.
    EXPECT_TRUE(x.WaitForExactTitle("Cabinet Properties", 30));
}

} // namespace
