#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "ReportTestSite.h"
#include "files/ConfigurationReportKODA.h"
#include "files/HWInfoFile.h"
#include "files/ReportBuffer.h"

namespace {

std::tm FixedTime() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 0;
    t.tm_mday = 2;
    t.tm_wday = 5;
    return t;
}

std::string Report(CSiteKODA& site, const CHWInfoFile* passive = nullptr) {
    CConfigurationReportKODA report;
    report.SetTimestamp(FixedTime());
    report.AttachPassiveUnits(passive);
    report.WriteHeader("north.hwc", "North");
    report.WriteBody(site);
    return report.Buffer().Text();
}

// The lines of one section, from its title to the next section head.
std::string Section(const std::string& text, const std::string& title) {
    const std::size_t start = text.find("\n" + title + "\n");
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t body = text.find('\n', text.find('\n', start + 1) + 1) + 1;
    const std::size_t end = text.find("\n\n" + std::string(75, '-'), body);
    return text.substr(body, end == std::string::npos ? std::string::npos : end + 1 - body);
}

// Two sectors: TRX 1 on DDU 1 directly, TRX 2 through WBC 1 and WBT 1 input B.
void TwoSectors(ReportTestSite& t) {
    t.Unit(kUnitKindBb2, 1);
    t.Unit(kUnitKindDdu, 1, 43);
    t.Unit(kUnitKindWbc, 1, 46);
    t.Unit(kUnitKindWbt, 1, 65);
    t.Unit(kUnitKindMc2, 1, 33);
    t.Unit(kUnitKindMha, 1);
    auto& trx1 = t.Trx(1, 1);
    trx1.Cabling().rxCombinerId = 1;
    trx1.Cabling().rxMainMulticoupler = 1;
    trx1.Cabling().rxDiversityCombiner = 18;
    auto& trx2 = t.Trx(2, 2);
    trx2.Cabling().txPath1 = 1;
    trx2.Cabling().txPath2 = 26;
    auto* a1 = t.Candidate().Antenna(1);
    a1->SetConnectedCombiner(1);
    a1->SetMhaType(3);
    a1->SetAttenuation(250);
    auto* a2 = t.Candidate().Antenna(2);
    a2->SetConnectedCombiner(2);
    a2->SetMhaType(4);
}

} // namespace

TEST(ConfigurationReport, WholeReport) {
    ReportTestSite t;
    TwoSectors(t);
    CHWInfoFile passive;
    passive.SetSlot(5, 0, "MH-1", "SZDX-01");
    const std::string rule(75, '-');
    EXPECT_EQ(Report(t.Site(), &passive),
              rule +
                  "\nBTS HW Configuration Report\nFriday, January 02, 2026 00:00:00\n\n"
                  "Config. name:\tNorth\nFilename:\tnorth.hwc\n" +
                  rule + "\n\n" + rule + "\nCabinet information\n===================\n" +
                  "Cabinet type:\tOrvik Indoor\nClock Sync Used:\tAuto Detect Off\n"
                  "LTE Installed:\tNo\nWCDMA Upgrade:\tNo\nUC SW Version:\tKS7 MP1.0\n\n" +
                  rule + "\nBB2-RVx Cross-connection information\n" + std::string(36, '=') +
                  "\nStraight through configuration\n(QD2A 1a-RVx 1 .. QD2A 6b-RVx 12)\n\n" + rule +
                  "\nTX cabling information\n======================\n" +
                  "RVx\tPath 1\tPath2\tTX combiner\n\n" +
                  "RVDA 1\t-\t-\tHYGx 1a\nRVDA 2\tGEGA 1\tGEGT 1 B\tHYGx 1b\n\n" + rule +
                  "\nRX main cabling information\n===========================\n" +
                  "RVx\tPath 1\tRX main combiner\n\nRVDA 1\tJ2LA 1\tHYGx 1a\nRVDA 2\t-\t-\n\n" +
                  rule + "\nRX diversity cabling information\n" + std::string(32, '=') +
                  "\nRVx\tPath 1\tRX div combiner\n\nRVDA 1\t-\tExternal Orvik\nRVDA 2\t-\t-\n\n" +
                  rule + "\nAntenna settings\n================\n" +
                  "Antenna\tConnected to\tMHA type\tAtt. value\tVSWR\n\n" +
                  "Antenna 1\tHYGx 1a\tHigh gain MHA\t+2.50\tNo\n"
                  "Antenna 2\tHYGx 1b\t\tInvalid unit\tYes\n\n" +
                  rule + "\nPassive unit information\n========================\n" +
                  "Unit\tProduct id.\tSerial number\n\n" + CHWInfoFile::EntryName(5, 0) +
                  "\tSZDX-01\tMH-1\n");
}

TEST(ConfigurationReport, HeaderWithoutNamesAndEmptySite) {
    ReportTestSite t;
    CConfigurationReportKODA report;
    report.SetTimestamp(FixedTime());
    report.WriteHeader("", "North");
    EXPECT_EQ(report.Buffer().Text().find("Config. name"), std::string::npos);
    EXPECT_EQ(report.Buffer().Text().find("Filename"), std::string::npos);
    EXPECT_EQ(report.Buffer().Lines().size(), 4u);

    // Nothing installed: every section but the cabinet says so.
    report.WriteBody(t.Site());
    const std::string text = report.Buffer().Text();
    for (const char* title : {"BB2-RVx Cross-connection information", "TX cabling information",
                              "Antenna settings", "Passive unit information"}) {
        EXPECT_NE(Section(text, title).find("No information\n"), std::string::npos) << title;
    }
    EXPECT_FALSE(report.UpgradeUnitsShown());
}

TEST(ConfigurationReport, CrossConnection) {
    ReportTestSite t;
    t.Unit(kUnitKindBb2, 1);
    t.Trx(1);
    t.Trx(3);
    t.Trx(12);
    // Empty positions between do not break the straight-through configuration.
    EXPECT_EQ(Section(Report(t.Site()), "BB2-RVx Cross-connection information"),
              "Straight through configuration\n(QD2A 1a-RVx 1 .. QD2A 6b-RVx 12)\n");

    t.Trx(1).SetBb2Id(2);
    const std::string lines = Section(Report(t.Site()), "BB2-RVx Cross-connection information");
    EXPECT_EQ(lines.substr(0, lines.find('\n', lines.find('\n') + 1) + 1),
              "QD2A 1a - (RVx)\t    QD2A 1b - RVDA 1\n"
              "(QD2x 2a) - RVDA 3\t    (QD2x 2b) - (RVx)\n");
    EXPECT_NE(lines.find("(QD2x 6a) - (RVx)\t    (QD2x 6b) - RVDA 12\n"), std::string::npos);
}

TEST(ConfigurationReport, UnitsMissingFromBtsAreBracketed) {
    ReportTestSite t;
    TwoSectors(t);
    // Without a BTS configuration nothing is compared.
    EXPECT_EQ(Report(t.Site()).find("(RVDA"), std::string::npos);

    CDataBaseKODA& bts = t.CopyToBts();
    bts.DeleteUnit(bts.FindUnit(kUnitKindTrx, 2));
    bts.FindUnit(kUnitKindDdu, 1)->SetIdle(true);
    const std::string text = Report(t.Site());
    EXPECT_EQ(Section(text, "TX cabling information"),
              "RVx\tPath 1\tPath2\tTX combiner\n\n"
              "RVDA 1\t-\t-\t(HYGx 1a)\n(RVDA 2)\tGEGA 1\tGEGT 1 B\t(HYGx 1b)\n");
    EXPECT_TRUE(text.ends_with("\n\n(Units within brackets are upgrade units)\n"));

    // With every unit installed in the BTS there is no closing line.
    t.CopyToBts();
    EXPECT_EQ(Report(t.Site()).find("within brackets"), std::string::npos);
}

TEST(ConfigurationReport, AntennaColumnsAndClockTexts) {
    ReportTestSite t;
    TwoSectors(t);
    t.Candidate().Antenna(1)->SetMhaType(8);
    t.Candidate().Antenna(1)->SetAttenuation(CAntenna::kAttenuationNotGiven);
    t.Candidate().Antenna(3)->SetConnectedCombiner(17);
    t.Candidate().Antenna(3)->SetMhaType(5);
    t.Candidate().Antenna(3)->SetAttenuation(-150);
    t.Unit(kUnitKindMha, 3);
    EXPECT_EQ(Section(Report(t.Site()), "Antenna settings"),
              "Antenna\tConnected to\tMHA type\tAtt. value\tVSWR\n\n"
              "Antenna 1\tHYGx 1a\t\tHigh gain\tYes\n"
              "Antenna 2\tHYGx 1b\t\tInvalid unit\tYes\n"
              "Antenna 3\tExternal Kettra\t\t-1.50\tYes\n");

    EXPECT_STREQ(CConfigurationReportKODA::ClockSyncText(1), "Autodetect On");
    EXPECT_STREQ(CConfigurationReportKODA::ClockSyncText(2), "LMU is Master");
    EXPECT_STREQ(CConfigurationReportKODA::ClockSyncText(7), "LMU is Master in chain");
}

TEST(ConfigurationReport, VswrMonitoredMhaTypesKeepTheirColumnsInTheFile) {
    // The monitored types have no text of their own; their empty cell keeps the attenuation
    // and VSWR values under their headings once the tabs are expanded.
    ReportTestSite t;
    TwoSectors(t);
    const int types[] = {4, 5, 6, 8, 1, 2, 3, 7};
    for (int n = 1; n <= 8; ++n) {
        CAntenna& a = *t.Candidate().Antenna(n);
        a.SetConnectedCombiner(17);
        a.SetMhaType(types[n - 1]);
        a.SetAttenuation(250);
        t.Unit(kUnitKindMha, n);
    }
    const std::string file =
        CReportBuffer::ExpandTabs(Section(Report(t.Site()), "Antenna settings"));
    std::istringstream lines(file);
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("Antenna ", 0) != 0 || !std::isdigit(static_cast<unsigned char>(line[8]))) {
            continue; // the column line
        }
        ++rows;
        const int type = types[std::stoi(line.substr(8)) - 1];
        if (type == 7) {
            continue; // its text is longer than a cell: the next cell follows it directly
        }
        EXPECT_EQ(line.substr(48, 16), "+2.50" + std::string(11, ' ')) << line;
        EXPECT_EQ(line.substr(64), type == 4 || type == 5 || type == 6 || type == 8 ? "Yes" : "No")
            << line;
        if (type >= 4) {
            EXPECT_EQ(line.substr(32, 16), std::string(16, ' ')) << line;
        }
    }
    EXPECT_EQ(rows, 8);
}

TEST(ConfigurationReport, WcdmaLineOnlyAfterTheFirstLevel) {
    ReportTestSite t;
    t.Candidate().SetSwLevel(CUcSwVersion(1));
    EXPECT_EQ(Report(t.Site()).find("WCDMA Upgrade"), std::string::npos);
}
