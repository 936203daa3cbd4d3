#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/ConfigurationReport.h"
#include "files/ReportBuffer.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(ReportBuffer, SectionHeadAndLines) {
    CReportBuffer b;
    b.AddLine("first");
    b.SectionHead("Antenna settings");
    EXPECT_EQ(b.Text(), "first\n\n" + std::string(75, '-') + "\nAntenna settings\n" +
                            std::string(16, '=') + "\n");
    const auto lines = b.Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "Antenna settings");
}

TEST(ReportBuffer, TabExpansion) {
    // Short cells are padded to sixteen, the tab itself is not written.
    EXPECT_EQ(CReportBuffer::ExpandTabs("RVx\tPath 1\tRX\n"),
              "RVx" + std::string(13, ' ') + "Path 1" + std::string(10, ' ') + "RX\n");
    // A cell of exactly sixteen, and a longer one, are followed directly by the next.
    EXPECT_EQ(CReportBuffer::ExpandTabs("0123456789ABCDEF\tnext\n"), "0123456789ABCDEFnext\n");
    EXPECT_EQ(CReportBuffer::ExpandTabs("High gain MHA with bypass\t+2.50"),
              "High gain MHA with bypass+2.50");
    // Lines without a tab pass unchanged, also before a line that has one.
    EXPECT_EQ(CReportBuffer::ExpandTabs("plain\n\nA\tB\nend"),
              "plain\n\nA" + std::string(15, ' ') + "B\nend");
    EXPECT_EQ(CReportBuffer::ExpandTabs("trailing\t"), "trailing" + std::string(8, ' '));
    EXPECT_EQ(CReportBuffer::ExpandTabs(""), "");
}

TEST(ReportBuffer, FileGetsCrlfAndKeepsPreviousOnFailure) {
    CReportBuffer b;
    b.AddLine("Config. name:\tNorth");
    EXPECT_EQ(b.FileBytes(), "Config. name:   North\r\n");

    const std::string path = ::testing::TempDir() + "report_buffer.hwr";
    ASSERT_TRUE(b.Write(path));
    EXPECT_EQ(ReadAll(path), "Config. name:   North\r\n");

    const CSaveResult failed = b.Write(::testing::TempDir() + "no/such/dir/x.hwr");
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.error.empty());
    std::filesystem::remove(path);
}

TEST(ReportBuffer, ReportFileNamesAndTimestamp) {
    EXPECT_EQ(CConfigurationReport::WithReportExtension("out"), "out.hwr");
    EXPECT_EQ(CConfigurationReport::WithReportExtension("dir.v2/out"), "dir.v2/out.hwr");
    EXPECT_EQ(CConfigurationReport::WithReportExtension("out.txt"), "out.txt");
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 9;
    t.tm_wday = 3;
    t.tm_hour = 7;
    t.tm_min = 5;
    t.tm_sec = 2;
    EXPECT_EQ(CConfigurationReport::FormatTimestamp(t), "Wednesday, December 09, 2026 07:05:02");
}
