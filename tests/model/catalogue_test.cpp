#include <gtest/gtest.h>

#include "model/BandInformation.h"
#include "model/UcSwVersion.h"
#include "model/UnitTypeCatalogue.h"

namespace uc = UnitTypeCatalogue;

namespace {
std::string CodeOf(const UnitTypeRecord* row) {
    return row ? std::string(uc::Code(*row)) : std::string("<none>");
}
} // namespace

TEST(Catalogue, TablesKeepTheirOrderAndLookups) {
    EXPECT_EQ(uc::OrvikRowCount(), 68);
    EXPECT_EQ(uc::Table(EUnitFamily::Selmo).size(), 23u);
    EXPECT_EQ(CodeOf(uc::Enumerate(56)), "BOI ");
    EXPECT_EQ(uc::Enumerate(68), nullptr);
    EXPECT_EQ(uc::Enumerate(-1), nullptr);
    EXPECT_EQ(CodeOf(uc::FindByTypeId(EUnitFamily::Orvik, 53)), "MHA ");
    EXPECT_EQ(uc::FindByTypeId(EUnitFamily::Orvik, 1001), nullptr);
    EXPECT_EQ(CodeOf(uc::FindByTypeId(EUnitFamily::Selmo, 1001)), "OEGA");
    // The YT rows exist in both families with different EDGE capability.
    EXPECT_EQ(uc::FindByTypeId(EUnitFamily::Selmo, 1100)->edge, 1);
    EXPECT_EQ(uc::FindByTypeId(EUnitFamily::Orvik, 1100)->edge, 3);
}

TEST(Catalogue, AdaptToBandFollowsEdgeSubBandAndBypassRules) {
    // EDGE transceivers stay EDGE; others take the first row of the band.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 1, 1014, true, 2)), "RVDB");
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 1, 1010, false, 2)), "RVDA");
    // No 800-band RTC exists: the placeholder row answers.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 12, 40, false, 8)), "ERR!");
    // A bypass MHA stays a bypass MHA.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 11, 68, false, 2)), "SWDA");
    // The low-gain MHA never changes.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 11, 53, false, 2)), "MHA ");
    // A high-gain MHA keeps its row while it serves the band.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 11, 51, false, 2)), "SZDx");
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 11, 51, false, 1)), "SZGx");
    // Sub-band H/J keep their own row in 900 and fall back to the first row elsewhere.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 6, 63, false, 1)), "HYHx");
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 6, 63, false, 2)), "HYTB");
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 12, 61, false, 4)), "KNGx");
    // The multicouplers serve band sets.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 9, 905, false, 8)), "J6LA");
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 8, 33, false, 4)), "J2HA");
    // The WBT has rows of its own but no generic one; an external cabinet has none at all.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Orvik, 16, 65, false, 4)), "GEPT");
    EXPECT_EQ(uc::AdaptToBand(EUnitFamily::Orvik, 15, 0, false, 1), nullptr);
    // Selmo compares only kind and band.
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Selmo, 1, 1001, true, 4)), "OEPA");
    EXPECT_EQ(CodeOf(uc::AdaptToBand(EUnitFamily::Selmo, 1, 1001, false, 8)), "OEGA");
}

TEST(Catalogue, TypeListsOfferRowsByBandValue) {
    auto offered = [](int v, int typeId) {
        return uc::RowOffered(*uc::FindByTypeId(EUnitFamily::Orvik, typeId), v);
    };
    EXPECT_TRUE(offered(2 + 0x80, 1015));
    EXPECT_FALSE(offered(2 + 0x80, 1011));
    EXPECT_TRUE(offered(2 + 0x100, 1015));
    EXPECT_TRUE(offered(2 + 0x100, 1011));
    EXPECT_TRUE(offered(2, 1011));
    EXPECT_FALSE(offered(2, 1015));
    EXPECT_FALSE(offered(2, 900)); // generic rows are never offered
    // Rows bound to no band follow the marks alone.
    EXPECT_TRUE(offered(2, 32));
    EXPECT_FALSE(offered(2, 57));
    EXPECT_TRUE(offered(2 + 0x80, 57));
    EXPECT_FALSE(offered(2 + 0x80, 32));
    EXPECT_TRUE(offered(2 + 0x100, 32));
    EXPECT_TRUE(uc::RowServesBandValue(1, 1, -1));

    for (int band : {1, 2, 4, 8}) {
        for (int marks : {0, 0x80, 0x100, 0x180}) {
            EXPECT_TRUE(uc::BypassMhaAvailable(band | marks)) << band << " " << marks;
        }
    }
    EXPECT_FALSE(uc::BypassMhaAvailable(0));
}

TEST(BandInformation, NamesAndArithmetic) {
    EXPECT_EQ(CBandInformation::BandName(3, 0), "900/1800");
    EXPECT_EQ(CBandInformation::BandName(12, 0x80, true), "GSM 800/1900E");
    EXPECT_EQ(CBandInformation::BandName(2, 0x100), "1800(E)");
    EXPECT_EQ(CBandInformation::BandName(8, 0x100), "800E");
    EXPECT_EQ(CBandInformation::BandName(9, 0x80), "Illegal");
    EXPECT_EQ(CBandInformation::BandName(6, 0), "Illegal");
    EXPECT_EQ(CBandInformation::BandNameOfValue(1 + 0x80), "900E");
    EXPECT_TRUE(CBandInformation::IsDualBand(3 | 0x80));
    EXPECT_TRUE(CBandInformation::IsDualBand(12));
    EXPECT_FALSE(CBandInformation::IsDualBand(9));
    EXPECT_EQ(CBandInformation::PrimaryBand(12), 8);
    EXPECT_EQ(CBandInformation::PrimaryBand(3), 1);
    EXPECT_EQ(CBandInformation::PrimaryBand(6), 2);
    EXPECT_EQ(CBandInformation::PrimaryBand(4 | 0x80), 4);
}

TEST(BandInformation, CollectBuildsTheSiteBandText) {
    CBandInformation info;
    // 900 all EDGE, 1800 all non-EDGE: mixed overall.
    EXPECT_EQ(info.Collect({{1, true}, {1, true}, {2, false}}, false), 3 + 0x100);
    EXPECT_EQ(info.BandText(), "900E/1800");
    EXPECT_EQ(info.Collect({{4, false}, {1, false}}, false), 0);
    EXPECT_EQ(info.BandText(), "Illegal");
    // Out-of-use transceivers count only when asked for; an open band counts as 900.
    EXPECT_EQ(info.Collect({{2, true}, {4, false, true}}, false), 2 + 0x80);
    EXPECT_EQ(info.BandText(), "1800E");
    EXPECT_EQ(info.Collect({{65535, false}, {2, true}, {2, false}}, true), 3 + 0x100);
    EXPECT_EQ(info.BandText(), "900/1800(E)");
    EXPECT_EQ(info.Collect({}, true), 0);
}

TEST(BandInformation, ChoiceListVariants) {
    CBandChoiceVector plain;
    EXPECT_EQ(CBandInformation::FillBandChoiceList(plain, false, false, false, false), 8);
    ASSERT_EQ(plain.entries.size(), 3u);
    EXPECT_EQ(plain.entries[0].text, "900");
    EXPECT_EQ(plain.entries[2].text, "1900");

    CBandChoiceVector edge;
    CBandInformation::FillBandChoiceList(edge, true, false, true, false);
    std::vector<std::string> texts;
    for (auto& e : edge.entries) {
        texts.push_back(e.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"GSM 800E", "GSM 900", "GSM 900E", "GSM 1800",
                                               "GSM 1800E", "GSM 1900", "GSM 1900E"}));
    EXPECT_EQ(edge.entries[2].value, 1 + 0x80);

    CBandChoiceVector dual;
    CBandInformation::FillBandChoiceList(dual, true, true, false, true);
    ASSERT_EQ(dual.entries.size(), 6u);
    EXPECT_EQ(dual.entries[0].text, "800E");
    EXPECT_EQ(dual.entries[0].value, 8);
    EXPECT_EQ(dual.entries[4].text, "800/1900");
    EXPECT_EQ(dual.entries[5].value, 3);

    int index = 0;
    bool wantEdge = false;
    EXPECT_EQ(CBandInformation::FirstBand(index, wantEdge), 1);
    EXPECT_FALSE(wantEdge);
    EXPECT_EQ(CBandInformation::NextBand(index, wantEdge), 2);
    EXPECT_EQ(CBandInformation::NextBand(index, wantEdge), 4);
    EXPECT_EQ(CBandInformation::NextBand(index, wantEdge), 0);
}

TEST(UcSwVersion, LevelNames) {
    EXPECT_EQ(CUcSwVersion(0).Name(), "Unknown");
    EXPECT_EQ(CUcSwVersion(32).Name(), "Unknown");
    EXPECT_EQ(CUcSwVersion(32).Level(), 0);
    EXPECT_EQ(CUcSwVersion(3).Name(), "KS4");
    EXPECT_EQ(CUcSwVersion(1).Name(), "KS2");
    EXPECT_EQ(CUcSwVersion(11).Name(), "Unknown");
    EXPECT_EQ(CUcSwVersion(31).Name(), "KS7 MP1.0");
}
