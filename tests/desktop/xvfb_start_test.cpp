// The real program under an X server, as a person starts it: a sample file on the command line,
// once without a BTS and once with the simulated BTS on a pseudo-terminal. What the window shows
// is read back from the X server's window list.
#include "support/SimProcess.h"
#include "support/XDesktop.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testsupport;

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveProgram("Xvfb") || !HaveProgram("xwininfo")) {
            GTEST_SKIP() << "Xvfb and xwininfo are needed (scripts/setup-deps.sh installs them)";
        }
    }
};

TEST_F(Desktop, StartsWithTheSampleAndNoConnection) {
    CXServer x(90);
    ASSERT_TRUE(x.Ready());
    const CSettingsHome home("offline", false);
    const auto app = StartProgram(x, home, {SampleFile("harbour-4x3.hwc")});
    EXPECT_EQ(x.WaitForTitle("Harbour 4+4+4", 90), "Harbour 4+4+4 - Cabrion No connection to BTS ");
}

TEST_F(Desktop, ConnectsToTheSimulatedBtsOnAPseudoTerminal) {
    CXServer x(90);
    ASSERT_TRUE(x.Ready());
    testsupport::CSimProcess sim({testsupport::BtsSimProgram(), "--pty"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("pty ", 0), 0u) << line;
    const CSettingsHome home("bts", true);
    const auto app =
        StartProgram(x, home, {SampleFile("chapel-2x3.hwc")}, {"CABRION_COM1=" + line.substr(4)});
    const std::string title = x.WaitForTitle("BTS Connected at Speed", 90);
    EXPECT_EQ(title.rfind("Chapel 2+2+2 - Cabrion BTS Connected at Speed ", 0), 0u) << title;
}

TEST_F(Desktop, SiteFileSwitchOpensTheWizardOnTheWaitingPage) {
    CXServer x(90);
    ASSERT_TRUE(x.Ready());
    // With the connection switched off the waiting page asks to switch it on; the wizard is
    // on the screen by then.
    const CSettingsHome home("update-only", false);
    // As a planning tool hands a configuration over for the update at the cabinet.
    const auto app =
        StartProgram(x, home, {"-SCF", "\"" + SampleFile("harbour-4x3.hwc") + "\"", "-SNR=1"});
    EXPECT_EQ(x.WaitForTitle("Configuration Wizard", 90), "Configuration Wizard");
    EXPECT_EQ(x.WaitForTitle("Harbour 4+4+4", 10).rfind("Harbour 4+4+4 - Cabrion", 0), 0u);
}

// A Selmo file opened as a double click opens it: its site has no BTS, so the local link that
// starts with the program stops and the title says so.
TEST_F(Desktop, SelmoSampleOpensAndItsSiteStopsTheLink) {
    CXServer x(90);
    ASSERT_TRUE(x.Ready());
    const CSettingsHome home("selmo", true);
    const auto app = StartProgram(x, home, {SampleFile("selmo-4trx.hwc")});
    EXPECT_TRUE(x.WaitForExactTitle("Selmo 2+2 - Cabrion No connection to BTS ", 90))
        << x.WaitForTitle("Selmo 2+2", 1);
}

} // namespace
