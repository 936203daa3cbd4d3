// cabrion-cli dossier: one PDF whose text a reader finds again (site, sections, transceivers,
// footers), on A4 or Letter, its pages rendered for a person to look at; and the refusals that
// leave an older dossier in place.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "CliRunner.h"

using clitest::Cli;
using clitest::Data;
using clitest::ReadAll;
using clitest::Temp;

namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& cmd) {
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) {
        return out;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        out.append(buf.data(), n);
    }
    ::pclose(p);
    return out;
}

std::string PdfText(const std::string& pdf) {
    return Shell("pdftotext -enc UTF-8 " + pdf + " - 2>/dev/null");
}

int PdfPages(const std::string& pdf) {
    std::smatch m;
    const std::string info = Shell("pdfinfo " + pdf + " 2>/dev/null");
    return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
}

bool HasWord(const std::string& text, const std::string& word) {
    return std::regex_search(text, std::regex("(^|\\W)" + word + "($|\\W)"));
}

const std::string kHarbour = Data("../../docs/samples/harbour-4x3.hwc");
const std::string kChapel = Data("../../docs/samples/chapel-2x3.hwc");

} // namespace

TEST(DossierCli, OnePdfWithEverySectionTransceiverAndFooterAsText) {
    const std::string pdf = Temp("harbour.pdf");
    const auto r = Cli("dossier " + kHarbour + " --bts " + kChapel + " --hwi " +
                       Data("passive.hwi") + " -o " + pdf);
    ASSERT_EQ(r.rc, 0) << r.err;
    ASSERT_EQ(ReadAll(pdf).rfind("%PDF", 0), 0u);
    const std::string text = PdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) is needed";
    for (const char* title :
         {"Commissioning Dossier", "Harbour 4+4+4", "Configuration Report", "Cabinet information",
          "BB2-RVx Cross-connection information", "TX cabling information",
          "RX main cabling information", "RX diversity cabling information", "Antenna settings",
          "Passive unit information", "Cabinet Units", "TX Cabling", "RX Main Cabling",
          "RX Diversity Cabling", "All Cabling", "Antenna Settings", "Passive Units", "Differences",
          "Missing Antenna Settings for:", "(Units within brackets are upgrade units)",
          // The cover: the date from SOURCE_DATE_EPOCH, the BTS type and the passive units.
          "November 14, 2023", "Orvik BTS", "chapel-2x3.hwc", "CM-0001", "SZ-900"}) {
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
    for (int n = 1; n <= 12; ++n) {
        EXPECT_TRUE(HasWord(text, "RVDB " + std::to_string(n))) << n;
    }
    // The BTS has HYDx 1, 3 and 5 under other numbers: none of them is missing.
    EXPECT_EQ(text.find("Missing units from Candidate:"), std::string::npos);
    // Report cells are table cells, not the padded text of the report file.
    EXPECT_EQ(text.find("Cabinet type:   "), std::string::npos);
    const int pages = PdfPages(pdf);
    ASSERT_GT(pages, 10);
    EXPECT_NE(text.find("Page 2 of " + std::to_string(pages)), std::string::npos);
    EXPECT_NE(text.find("Page " + std::to_string(pages) + " of " + std::to_string(pages)),
              std::string::npos);
    EXPECT_NE(Shell("pdfinfo " + pdf).find("(A4)"), std::string::npos);

    // The pages as pictures, for a person to look at.
    const std::string shots = std::string(CABRION_BINARY_DIR) + "/screenshots/dossier";
    fs::create_directories(shots);
    Shell("pdftoppm -r 80 -png " + pdf + " " + shots + "/harbour-page");
    int rendered = 0;
    for (const auto& e : fs::directory_iterator(shots)) {
        rendered += e.path().filename().string().rfind("harbour-page", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(rendered, pages);
}

TEST(DossierCli, LetterPaperAndRefusalsThatKeepTheOldDossier) {
    const std::string pdf = Temp("chapel.pdf");
    auto r = Cli("dossier " + kChapel + " --paper Letter -o " + pdf);
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_NE(Shell("pdfinfo " + pdf).find("612 x 792 pts (letter)"), std::string::npos);
    // Without a configuration currently in BTS there is nothing to compare.
    EXPECT_EQ(PdfText(pdf).find("Differences"), std::string::npos);
    const std::string before = ReadAll(pdf);

    r = Cli("dossier " + kChapel + " --paper A5 -o " + pdf);
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("Unknown paper: A5"), std::string::npos) << r.err;
    r = Cli("dossier " + kChapel + " --hwi " + Temp("none.hwi") + " -o " + pdf);
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("Importing the file failed."), std::string::npos) << r.err;
    r = Cli("dossier " + kChapel + " --index 9 -o " + pdf);
    EXPECT_EQ(r.rc, 2);
    r = Cli("dossier " + kChapel + " -o " + Temp("no-folder/x.pdf"));
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("Cannot write"), std::string::npos) << r.err;
    EXPECT_EQ(ReadAll(pdf), before);
}

// A folder as an archive: every Orvik configuration of each ".hwc"/".sdf" file, a remark line
// with its file in front, one output per configuration, a summary line, the worst exit code.
TEST(ArchiveCli, CheckReportAndDossierTakeAFolder) {
    const fs::path dir = Temp("archive");
    fs::remove_all(dir);
    fs::create_directories(dir / "in");
    clitest::Copy(kChapel, (dir / "in" / "chapel.hwc").string());
    clitest::Copy(Data("report_sites.hwc"), (dir / "in" / "two.SDF").string());
    clitest::Copy(Data("passive.hwi"), (dir / "in" / "not-a-site.hwi").string());
    const std::string in = (dir / "in").string();

    auto r = Cli("check " + in);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_NE(r.out.find("2 files, 4 configurations: 0 remarks"), std::string::npos) << r.out;

    r = Cli("report " + in + " -o " + (dir / "reports").string());
    EXPECT_EQ(r.rc, 1) << "a configuration without a cabinet is a problem of the input";
    EXPECT_NE(r.out.find("3 reports written"), std::string::npos) << r.out;
    EXPECT_NE(ReadAll((dir / "reports" / "two-1.hwr").string()).find("Filename:       two.SDF"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "reports" / "chapel-1.hwr"));

    r = Cli("dossier " + in + " -o " + (dir / "pdf").string());
    EXPECT_NE(r.out.find("3 dossiers written"), std::string::npos) << r.out;
    EXPECT_NE(PdfText((dir / "pdf" / "chapel-1.pdf").string()).find("chapel.hwc"),
              std::string::npos);

    // A remark names its file; an unreadable file fails the run after the others are done.
    const std::string crossed = (dir / "in" / "crossed.hwc").string();
    ASSERT_EQ(Cli("new --sector '6+6 (RTC)' --band 2 -o " + crossed).rc, 0);
    std::string text = ReadAll(crossed);
    const std::string tx = "\\CAB_TRX_TX_CON           13";
    ASSERT_NE(text.find(tx), std::string::npos);
    text.replace(text.find(tx), tx.size(), "\\CAB_TRX_TX_CON           15");
    clitest::WriteAll(crossed, text);
    clitest::WriteAll((dir / "in" / "broken.hwc").string(), "not a configuration file\r\n");
    r = Cli("check " + in);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out.rfind("crossed.hwc\t", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Critical\tRVx TX must be connected directly to RTC left of it."),
              std::string::npos);
    EXPECT_NE(r.out.find("\n4 files, 5 configurations: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(", 1 configurations with critical ones, 1 unreadable\n"),
              std::string::npos)
        << r.out;
    // Written by several processes at once, the folder gives the same dossiers, summary, exit
    // code and messages (each once, whole) as by one.
    const auto one = Cli("dossier " + in + " --jobs 1 -o " + (dir / "one").string());
    const auto three = Cli("dossier " + in + " --jobs 3 -o " + (dir / "three").string());
    EXPECT_NE(one.rc, 0) << "broken.hwc has no header";
    EXPECT_EQ(three.rc, one.rc);
    EXPECT_EQ(three.out.substr(0, three.out.find(" to ")), one.out.substr(0, one.out.find(" to ")));
    const auto names = [](const fs::path& folder) {
        std::set<std::string> found;
        for (const auto& e : fs::directory_iterator(folder)) {
            found.insert(e.path().filename().string());
        }
        return found;
    };
    EXPECT_EQ(names(dir / "three"), names(dir / "one"));
    EXPECT_EQ(names(dir / "one").size(), 4u);
    std::multiset<std::string> lines, oneLines;
    std::istringstream threeErr(three.err), oneErr(one.err);
    for (std::string l; std::getline(threeErr, l);) {
        lines.insert(l);
    }
    for (std::string l; std::getline(oneErr, l);) {
        oneLines.insert(l);
    }
    EXPECT_EQ(lines, oneLines);
    EXPECT_EQ(Cli("dossier " + in + " --index 1 -o " + (dir / "pdf").string()).rc, 2);
    EXPECT_EQ(Cli("report " + in).rc, 2);
}
