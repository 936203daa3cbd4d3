// cabrion-cli dossier: one PDF whose text a reader finds again (site, sections, transceivers,
// footers), on A4 or Letter, its pages rendered for a person to look at; and the refusals that
// leave an older dossier in place.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>

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
          "Missing units from Candidate:", "(Units within brackets are upgrade units)",
          // The cover: the date from SOURCE_DATE_EPOCH, the BTS type and the passive units.
          "November 14, 2023", "Orvik BTS", "chapel-2x3.hwc", "CM-0001", "SZ-900"}) {
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
    for (int n = 1; n <= 12; ++n) {
        EXPECT_TRUE(HasWord(text, "RVDB " + std::to_string(n))) << n;
    }
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
