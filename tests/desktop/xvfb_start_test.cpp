// The real program under an X server, as a person starts it: a sample file on the command line,
// once without a BTS and once with the simulated BTS on a pseudo-terminal. What the window shows
// is read back from the X server's window list.
#include "support/SimProcess.h"
#include "support/XDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    CXServer x;
    ASSERT_TRUE(x.Ready());
    const CSettingsHome home("offline", false);
    const auto app = StartProgram(x, home, {SampleFile("harbour-4x3.hwc")});
    EXPECT_EQ(x.WaitForTitle("Harbour 4+4+4", 90), "Harbour 4+4+4 - Cabrion No connection to BTS ")
        << WhatTheDesktopShows(x, home);
}

TEST_F(Desktop, ConnectsToTheSimulatedBtsOnAPseudoTerminal) {
    CXServer x;
    ASSERT_TRUE(x.Ready());
    testsupport::CSimProcess sim({testsupport::BtsSimProgram(), "--pty"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("pty ", 0), 0u) << line;
    const CSettingsHome home("bts", true);
    const auto app =
        StartProgram(x, home, {SampleFile("chapel-2x3.hwc")}, {"CABRION_COM1=" + line.substr(4)});
    const std::string title = x.WaitForTitle("BTS Connected at Speed", 90);
    EXPECT_EQ(title.rfind("Chapel 2+2+2 - Cabrion BTS Connected at Speed ", 0), 0u)
        << title << WhatTheDesktopShows(x, home);
}

TEST_F(Desktop, SiteFileSwitchOpensTheWizardOnTheWaitingPage) {
    CXServer x;
    ASSERT_TRUE(x.Ready());
    // With the connection switched off the waiting page asks to switch it on; the wizard is
    // on the screen by then.
    const CSettingsHome home("update-only", false);
    // As a planning tool hands a configuration over for the update at the cabinet.
    const auto app =
        StartProgram(x, home, {"-SCF", "\"" + SampleFile("harbour-4x3.hwc") + "\"", "-SNR=1"});
    EXPECT_EQ(x.WaitForTitle("Configuration Wizard", 90), "Configuration Wizard")
        << WhatTheDesktopShows(x, home);
    EXPECT_EQ(x.WaitForTitle("Harbour 4+4+4", 10).rfind("Harbour 4+4+4 - Cabrion", 0), 0u);
}

// Started by its absolute path with nothing to open, as a launcher or a script does, and with a
// switch whose value is an absolute path: a new configuration and no message box (Qt names the
// box after the program, and the window list gives a shown window its class; the hidden one of
// the same name has none). With no placement stored the window takes 80 % of the 1280 x 1024
// screen, centred.
TEST_F(Desktop, StartedByItsPathWithNoFileShowsNoBox) {
    CXServer x;
    ASSERT_TRUE(x.Ready());
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"-outputfile", "/tmp/out.hwc"}}) {
        const CSettingsHome home("own-path", false);
        const auto app = StartProgram(x, home, args);
        const std::string title = "Untitled - Cabrion No connection to BTS ";
        ASSERT_TRUE(x.WaitForExactTitle(title, 90)) << WhatTheDesktopShows(x, home);
        const std::vector<int> g = x.WindowGeometry(title);
        EXPECT_NEAR(g[2], 1024, 2);
        EXPECT_NEAR(g[3], 819, 2);
        EXPECT_NEAR(g[0], 128, 2);
        EXPECT_NEAR(g[1], 102, 2);
        EXPECT_FALSE(x.WaitForText("\"Cabrion\": (\"cabrion\"", 3))
            << (args.empty() ? "no arguments" : args[0]);
    }
}

// The quoted form as a shell leaves it, with the quotes kept in the argument as another program
// passes them: the file opens in the update-only wizard and the number after it counts.
TEST_F(Desktop, SiteFileSwitchWithoutQuotesAndWithQuotesInTheArgument) {
    CXServer x;
    ASSERT_TRUE(x.Ready());
    const std::string file = SampleFile("chapel-2x3.hwc");
    for (const std::string& scf : {"-SCF=" + file, "-SCF=\"" + file + "\""}) {
        const CSettingsHome home("scf-forms", false);
        const auto app = StartProgram(x, home, {scf, "-SNR=1"});
        EXPECT_EQ(x.WaitForTitle("Configuration Wizard", 90), "Configuration Wizard")
            << scf << WhatTheDesktopShows(x, home);
        EXPECT_EQ(x.WaitForTitle("Chapel 2+2+2", 10).rfind("Chapel 2+2+2 - Cabrion", 0), 0u) << scf;
    }
}

// A Selmo file opened as a double click opens it: its site has no BTS, so the local link that
// starts with the program stops and the title says so.
TEST_F(Desktop, SelmoSampleOpensAndItsSiteStopsTheLink) {
    CXServer x;
    ASSERT_TRUE(x.Ready());
    const CSettingsHome home("selmo", true);
    const auto app = StartProgram(x, home, {SampleFile("selmo-4trx.hwc")});
    EXPECT_TRUE(x.WaitForExactTitle("Selmo 2+2 - Cabrion No connection to BTS ", 90))
        << WhatTheDesktopShows(x, home);
}

} // namespace
