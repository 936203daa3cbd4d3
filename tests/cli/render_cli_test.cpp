// cabrion-cli render: pictures of a view in the three formats, and the refusals scripts see.
#include <gtest/gtest.h>

#include "CliRunner.h"

using clitest::Cli;
using clitest::ReadAll;
using clitest::Temp;

namespace {

// A cabled twelve-transceiver configuration made by the command line itself.
std::string Sample() {
    static const std::string path = [] {
        const std::string p = Temp("render_sample.hwc");
        std::remove(p.c_str());
        const auto r = Cli("new --sector \"4+4+4 (2:1)\" --band 2 --name Pier -o " + p);
        EXPECT_EQ(r.rc, 0) << r.err;
        return p;
    }();
    return path;
}

} // namespace

TEST(RenderCli, WritesPngSvgAndPdf) {
    const struct {
        const char* name;
        std::string magic;
        const char* view;
    } outputs[] = {{"tx.png", std::string("\x89PNG", 4), "tx-cabling"},
                   {"all.svg", "<?xml", "7"},
                   {"units.pdf", "%PDF", "\"Cabinet Units\""}};
    for (const auto& o : outputs) {
        const std::string out = Temp(o.name);
        const auto r = Cli("render " + Sample() + " --view " + o.view + " --select trx:2 --out " +
                           out + " --scale 2");
        EXPECT_EQ(r.rc, 0) << r.err;
        EXPECT_EQ(ReadAll(out).rfind(o.magic, 0), 0u) << o.name;
    }
}

TEST(RenderCli, BtsTabNeedsTheBtsConfiguration) {
    const std::string out = Temp("bts.png");
    auto r = Cli("render " + Sample() + " --view differences --tab bts --out " + out);
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("--bts FILE"), std::string::npos) << r.err;
    r = Cli("render " + Sample() + " --view differences --tab bts --bts " + Sample() + " --out " +
            out);
    EXPECT_EQ(r.rc, 0) << r.err;
}

TEST(RenderCli, UnknownViewBadSelectionAndUnwritableOutputAreUsageErrors) {
    const std::string out = Temp("refused.png");
    auto r = Cli("render " + Sample() + " --view nowhere --out " + out);
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("Unknown view: nowhere"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("4 tx-cabling"), std::string::npos) << r.err;
    r = Cli("render " + Sample() + " --view 9 --out " + out);
    EXPECT_EQ(r.rc, 2);

    r = Cli("render " + Sample() + " --view 4 --select trx --out " + out);
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("Not a unit: trx"), std::string::npos) << r.err;
    r = Cli("render " + Sample() + " --view 4 --select trx:13 --out " + out);
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("No unit trx:13"), std::string::npos) << r.err;

    r = Cli("render " + Sample() + " --view 4 --out " + Temp("missing-folder/x.png"));
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("Cannot write"), std::string::npos) << r.err;
    r = Cli("render " + Sample() + " --view 4 --out " + Temp("x.gif"));
    EXPECT_EQ(r.rc, 2);
    // Nothing was written for any refusal.
    EXPECT_TRUE(ReadAll(out).empty());
}
