#include <gtest/gtest.h>

#include "BlocksTestSupport.h"
#include "comms/SecondConfigFile.h"

using namespace blocks;
using namespace blocks_test;

namespace {

std::vector<uint8_t> Slice(const std::vector<uint8_t>& v, size_t at, size_t n) {
    return {v.begin() + static_cast<long>(at), v.begin() + static_cast<long>(at + n)};
}

TEST(SecondConfigFile, EmptyCandidate) {
    CDataBaseKODA db;
    const auto bytes = BuildSecondConfigFile(db);
    ASSERT_EQ(bytes.size(), 170u);
    EXPECT_EQ(Slice(bytes, 0, 8), (std::vector<uint8_t>{'M', 'M', 'I', 2, 0xA4, 0x00, 0, 0}));
    EXPECT_EQ(Slice(bytes, 164, 6), (std::vector<uint8_t>{3, 1, 0, 0, 0, 0}));
    const auto file = DecodeSecondConfigFile(bytes);
    EXPECT_TRUE(file.hasHeader);
    EXPECT_EQ(file.version, 2);
    for (int s : {1, 2, 3, 4, 5}) {
        EXPECT_TRUE(file.Has(s)) << s;
    }
    EXPECT_EQ(file.sections.at(kSectionDdu).size(), 40u);
    EXPECT_EQ(file.sections.at(kSectionCombiners).size(), 3u);
}

TEST(SecondConfigFile, UnitsTheCandidateHas) {
    auto db = FirstCandidate();
    AddUnit(*db, kUnitKindDdu, 3, 44); // displayed 2
    AddUnit(*db, kUnitKindRtc, 7, 41); // displayed 7: outside the two places
    AddUnit(*db, kUnitKindRtc, 2, 40); // displayed 2
    AddUnit(*db, kUnitKindWbc, 2, 46);
    AddUnit(*db, kUnitKindMc2, 1, 33);
    AddUnit(*db, kUnitKindMc6, 2, 35);
    Trx(*db, 3)->Cabling().txPath1 = 7;
    Trx(*db, 3)->Cabling().rxDiversityPath2 = 9;
    Trx(*db, 3)->ApplyBand(kBand1800);
    Trx(*db, 3)->SetEdge(true);
    const auto bytes = BuildSecondConfigFile(*db);
    ASSERT_EQ(bytes.size(), 2u * 3 + 170);
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 2 * 3 + 164);
    // DDU at backplane connector 2 with number 3, HYDx.
    EXPECT_EQ(bytes[8 + 2 + 1], 3);
    EXPECT_EQ(bytes[8 + 8 + 1], 3);
    EXPECT_EQ(Slice(bytes, 8 + 16 + 4, 4), (std::vector<uint8_t>{44, 0, 0, 0}));
    // RTC 2 numbered 2 is neither 7 nor 8: only its number byte is set.
    EXPECT_EQ(bytes[48 + 3], 0);
    EXPECT_EQ(bytes[48 + 5], 2);
    EXPECT_EQ(bytes[64 + 2 + 14], 7);
    EXPECT_EQ(bytes[64 + 2 + 14 + 6], 9);
    EXPECT_EQ(bytes[150 + 2 + 2], 2 | 0x80);
    EXPECT_EQ(Slice(bytes, 164, 9), (std::vector<uint8_t>{3, 7, 3, 35, 2, 33, 1, 46, 2}));
}

TEST(SecondConfigFile, WalkingStopsAtTheDataAndTheDeclaredLength) {
    CDataBaseKODA db;
    auto bytes = BuildSecondConfigFile(db);
    bytes[4] = 50; // the body ends inside section 5
    bytes[5] = 0;
    auto file = DecodeSecondConfigFile(bytes);
    EXPECT_TRUE(file.Has(kSectionDdu));
    EXPECT_TRUE(file.Has(kSectionRtc));
    EXPECT_EQ(file.sections.at(kSectionRtc).size(), 56u - 48);
    EXPECT_FALSE(file.Has(kSectionTrxPaths));
    bytes[4] = 0xFF;
    bytes[5] = 0xFF;
    file = DecodeSecondConfigFile(std::span(bytes).first(100));
    EXPECT_TRUE(file.Has(kSectionTrxPaths));
    EXPECT_EQ(file.At(kSectionTrxPaths, 40), 0) << "beyond the data reads 0";
    EXPECT_FALSE(DecodeSecondConfigFile(std::vector<uint8_t>{'M', 'M', 'X', 2, 0, 0}).hasHeader);
    EXPECT_FALSE(DecodeSecondConfigFile(std::vector<uint8_t>{'M', 'M'}).hasHeader);
}

TEST(SecondConfigFile, AppliedToTheConfigurationInBts) {
    auto db = FirstCandidate();
    AddUnit(*db, kUnitKindDdu, 3, 44);
    AddUnit(*db, kUnitKindWbc, 2, 46);
    AddUnit(*db, kUnitKindWbt, 5, 66);
    Trx(*db, 3)->Cabling().txPath2 = 4;
    Trx(*db, 3)->Cabling().rxMainMulticoupler = 8;
    const auto file = DecodeSecondConfigFile(BuildSecondConfigFile(*db));

    auto bts = FirstCandidate();
    AddUnit(*bts, kUnitKindDdu, 4, 903); // reported at connector 2 with a neighbouring number
    AddUnit(*bts, kUnitKindMc2, 3, 33);  // not in the file: goes
    CUnit* idle = AddUnit(*bts, kUnitKindRtc, 1, 40);
    idle->SetIdle(true);
    Trx(*bts, 3)->SetIdle(true);
    const auto idleTrxs = ApplySecondConfigFile(*bts, file);
    EXPECT_EQ(idleTrxs, std::vector<int>{3});
    const CUnit* ddu = bts->FindUnitByDisplayedNumber(kUnitKindDdu, 2);
    ASSERT_NE(ddu, nullptr);
    EXPECT_EQ(ddu->Number(), 3);
    EXPECT_EQ(ddu->TypeId(), 44);
    EXPECT_EQ(bts->FindUnit(kUnitKindRtc, 1), nullptr);
    EXPECT_EQ(bts->FindUnit(kUnitKindMc2, 3), nullptr);
    ASSERT_NE(bts->FindUnit(kUnitKindWbc, 2), nullptr);
    EXPECT_EQ(bts->FindUnit(kUnitKindWbt, 5)->TypeId(), 66);
    EXPECT_EQ(Trx(*bts, 3)->Cabling(), Trx(*db, 3)->Cabling());
}

TEST(SecondConfigFile, FileWithoutCombinerSectionKeepsTheReportedCombiners) {
    auto bts = FirstCandidate();
    AddUnit(*bts, kUnitKindMc2, 3, 33);
    SSecondConfigFile file;
    file.hasHeader = true;
    ApplySecondConfigFile(*bts, file);
    EXPECT_NE(bts->FindUnit(kUnitKindMc2, 3), nullptr);
}

} // namespace
