#include <gtest/gtest.h>

#include "BlocksTestSupport.h"
#include "comms/FirstConfigFile.h"

using namespace blocks;
using namespace blocks_test;

namespace {

std::vector<uint8_t> Slice(const std::vector<uint8_t>& v, size_t at, size_t n) {
    return {v.begin() + static_cast<long>(at), v.begin() + static_cast<long>(at + n)};
}

std::vector<uint8_t> OneToTwelve() {
    std::vector<uint8_t> v;
    for (uint8_t i = 1; i <= 12; ++i) {
        v.push_back(i);
    }
    return v;
}

TEST(FirstConfigFile, LayoutOfAStraightCandidate) {
    auto db = FirstCandidate();
    db->SetSwLevel(CUcSwVersion(5));
    Trx(*db, 2)->Cabling().txCombinerId = 3;
    Trx(*db, 2)->Cabling().rxCombinerId = 4;
    Trx(*db, 2)->Cabling().rxDiversityCombiner = 13;
    db->Antenna(1)->SetMhaType(8);
    db->Antenna(1)->SetConnectedCombiner(17);
    const auto out = BuildFirstConfigFile(*db, 5);
    ASSERT_EQ(out.bytes.size(), kFirstFileSize);
    EXPECT_EQ(Slice(out.bytes, 0, 255), std::vector<uint8_t>(255, 0x20));
    EXPECT_EQ(out.bytes[255], 5);
    EXPECT_EQ(Slice(out.bytes, 256, 7), std::vector<uint8_t>(7, 0));
    EXPECT_EQ(Slice(out.bytes, 266, 3), (std::vector<uint8_t>{3, 4, 13}));
    EXPECT_EQ(Slice(out.bytes, 299, 2), (std::vector<uint8_t>{8, 17}));
    EXPECT_EQ(Slice(out.bytes, 335, 12), OneToTwelve());
    EXPECT_EQ(Slice(out.bytes, 347, 12), OneToTwelve());
    EXPECT_EQ(Slice(out.bytes, 363, 13), std::vector<uint8_t>(13, 0));
    EXPECT_FALSE(out.candidateCorrected);
}

TEST(FirstConfigFile, CrossConnectionAndCorrections) {
    auto db = FirstCandidate();
    Trx(*db, 3)->SetBb2Id(5);
    Trx(*db, 5)->SetBb2Id(3);
    Trx(*db, 7)->SetLogicalTrxId(0);
    Trx(*db, 8)->SetBb2Id(13);
    db->DeleteUnit(Trx(*db, 12));
    const auto out = BuildFirstConfigFile(*db, 5);
    EXPECT_EQ(out.bytes[347 + 2], 5);
    EXPECT_EQ(out.bytes[347 + 4], 3);
    // Port 12 has no TRX left and names itself; TRX 12's logical id byte keeps the file valid.
    EXPECT_EQ(out.bytes[347 + 11], 12);
    EXPECT_EQ(out.bytes[335 + 11], 12);
    EXPECT_TRUE(out.candidateCorrected);
    EXPECT_EQ(Trx(*db, 7)->LogicalTrxId(), 7);
    EXPECT_EQ(Trx(*db, 8)->Bb2Id(), 8);
    auto decoded = DecodeFirstConfigFile(out.bytes);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(IsInitialised(*decoded));
}

TEST(FirstConfigFile, CabinetCodes) {
    EXPECT_EQ(CabinetCode(1, false, 5), 201);
    EXPECT_TRUE(CabinetCodeFlag(201));
    EXPECT_EQ(CabinetCode(0, true, 2), 204);
    EXPECT_FALSE(CabinetCodeFlag(204));
    EXPECT_EQ(CabinetCode(0, true, 1), 200);
    EXPECT_EQ(CabinetCode(6, false, 5), 206);
    EXPECT_EQ(CabinetCode(203, true, 5), 203);
    int type = -1;
    bool wcdma = false;
    CabinetFromCode(205, type, wcdma);
    EXPECT_EQ(type, 1);
    EXPECT_TRUE(wcdma);
    CabinetFromCode(203, type, wcdma);
    EXPECT_EQ(type, 3);
    EXPECT_FALSE(wcdma);
    CabinetFromCode(17, type, wcdma);
    EXPECT_EQ(type, 0);
}

TEST(FirstConfigFile, SettingsAnOldBtsCannotTakeAreLeftOut) {
    auto db = FirstCandidate();
    SCabinetSettings cabinet;
    cabinet.cabinetType = 1;
    cabinet.clockSync = 2;
    cabinet.lte = 1;
    db->SetCabinetSettings(cabinet);
    auto out = BuildFirstConfigFile(*db, 2);
    EXPECT_FALSE(out.cabinetInfoRemoved);
    EXPECT_EQ(Slice(out.bytes, 359, 4), (std::vector<uint8_t>{201, 1, 2, 1}));
    out = BuildFirstConfigFile(*db, 1);
    EXPECT_TRUE(out.cabinetInfoRemoved);
    EXPECT_EQ(out.bytes[361], 0);
    cabinet.clockSync = 1;
    cabinet.wcdma = 1;
    db->SetCabinetSettings(cabinet);
    out = BuildFirstConfigFile(*db, 1);
    EXPECT_TRUE(out.cabinetInfoRemoved);
    EXPECT_EQ(out.bytes[359], 201);
    EXPECT_EQ(db->CabinetSettings(), cabinet) << "the candidate keeps its settings";
}

TEST(AttenuationClass, BothScalesAndTheirEnds) {
    EXPECT_EQ(AttenuationClass(340, true), 0);
    EXPECT_EQ(AttenuationFromClass(0, true), 340);
    EXPECT_EQ(AttenuationClass(640, false), 0);
    EXPECT_EQ(AttenuationFromClass(0, false), 640);
    EXPECT_EQ(AttenuationClass(315, true), 31);
    EXPECT_EQ(AttenuationFromClass(31, true), 9999);
    EXPECT_EQ(AttenuationClass(9999, false), 31);
    EXPECT_EQ(AttenuationClass(-360, true), 14);
    EXPECT_EQ(AttenuationClass(-400, true), 31);
    EXPECT_EQ(AttenuationClass(-360, false), 20);
    for (int c = 0; c <= 14; ++c) {
        EXPECT_EQ(AttenuationClass(AttenuationFromClass(c, true), true), c);
    }
}

// Builds the file from the candidate and applies it to a configuration with the same units.
std::unique_ptr<CDataBaseKODA> ReadBack(CDataBaseKODA& candidate, int level,
                                        const SCrossConnectionBlock* block = nullptr) {
    auto bytes = BuildFirstConfigFile(candidate, level).bytes;
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(candidate);
    for (int j = 1; j <= 12; ++j) {
        *bts->Antenna(j) = CAntenna{};
    }
    auto file = DecodeFirstConfigFile(bytes);
    EXPECT_TRUE(file && IsInitialised(*file));
    if (file) {
        ApplyFirstConfigFile(*bts, *file, block);
        ConvertAttenuationClasses(*bts);
    }
    return bts;
}

TEST(FirstConfigFile, AttenuationsReadBackByTheCombinerBand) {
    auto db = FirstCandidate();
    AddUnit(*db, kUnitKindDdu, 1, 43); // 900
    AddUnit(*db, kUnitKindDdu, 3, 44); // 1800
    db->Antenna(1)->SetConnectedCombiner(1);
    db->Antenna(1)->SetAttenuation(340);
    db->Antenna(2)->SetConnectedCombiner(3);
    db->Antenna(2)->SetAttenuation(340);
    db->Antenna(3)->SetConnectedCombiner(1);
    db->Antenna(3)->SetAttenuation(315);
    db->Antenna(4)->SetAttenuation(140); // not connected
    const auto bytes = BuildFirstConfigFile(*db, 5).bytes;
    EXPECT_EQ(bytes[299 + 2], 0);
    EXPECT_EQ(bytes[302 + 2], 6);
    EXPECT_EQ(bytes[305 + 2], 31);
    auto bts = ReadBack(*db, 5);
    EXPECT_EQ(bts->Antenna(1)->Attenuation(), 340);
    EXPECT_EQ(bts->Antenna(2)->Attenuation(), 340);
    EXPECT_EQ(bts->Antenna(3)->Attenuation(), 9999);
    EXPECT_EQ(bts->Antenna(4)->Attenuation(), 140);
}

TEST(FirstConfigFile, UninitialisedFiles) {
    auto db = FirstCandidate();
    auto bytes = BuildFirstConfigFile(*db, 5).bytes;
    EXPECT_FALSE(DecodeFirstConfigFile(std::span(bytes).first(375)));
    std::swap(bytes[335], bytes[336]);
    EXPECT_FALSE(IsInitialised(*DecodeFirstConfigFile(bytes)));
    std::swap(bytes[335], bytes[336]);
    bytes[350] = 1; // TRX 1 twice in the cross-connection
    EXPECT_FALSE(IsInitialised(*DecodeFirstConfigFile(bytes)));
    EXPECT_FALSE(IsInitialised(*DecodeFirstConfigFile(std::vector<uint8_t>(376, 0))));
    bytes[255] = 0;
    EXPECT_EQ(DecodeFirstConfigFile(bytes)->swLevel, 2);
}

TEST(FirstConfigFile, Bb2IdsFollowTheFetchedCrossConnection) {
    auto db = FirstCandidate();
    auto bytes = BuildFirstConfigFile(*db, 5).bytes;
    auto bts = FirstCandidate();
    EXPECT_FALSE(ApplyBb2Ids(*bts, *DecodeFirstConfigFile(bytes)));
    std::swap(bytes[347], bytes[348]);
    EXPECT_TRUE(ApplyBb2Ids(*bts, *DecodeFirstConfigFile(bytes)));
    EXPECT_EQ(Trx(*bts, 1)->Bb2Id(), 2);
    EXPECT_EQ(Trx(*bts, 2)->Bb2Id(), 1);
}

TEST(FirstConfigFile, EverythingItCarriesReadsBack) {
    auto db = FirstCandidate();
    AddUnit(*db, kUnitKindDdu, 1, 43);
    Trx(*db, 4)->Cabling() =
        STrxCabling{.txCombinerId = 1, .rxCombinerId = 2, .rxDiversityCombiner = 14};
    Trx(*db, 4)->SetBb2Id(9);
    Trx(*db, 9)->SetBb2Id(4);
    for (int j = 1; j <= 12; ++j) {
        db->Antenna(j)->SetAttenuation(9999);
    }
    db->Antenna(2)->SetMhaType(5);
    db->Antenna(2)->SetConnectedCombiner(2);
    db->Antenna(2)->SetAttenuation(340);
    db->Antenna(2)->SetCositeMha(1);
    SCabinetSettings cabinet{.clockSync = 3, .lte = 1, .wcdma = 1, .cabinetType = 1, .mrc = 1};
    db->SetCabinetSettings(cabinet);
    auto xblock = DecodeCrossConnectionBlock(BuildCrossConnectionBlock(*db, 9));
    auto bts = ReadBack(*db, 9, &xblock);
    for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(Trx(*bts, j)->Cabling(), Trx(*db, j)->Cabling()) << j;
        EXPECT_EQ(Trx(*bts, j)->LogicalTrxId(), j);
        EXPECT_EQ(*bts->Antenna(j), *db->Antenna(j)) << j;
    }
    EXPECT_EQ(bts->CabinetSettings(), cabinet);
    EXPECT_EQ(bts->Find<CUnitKMHA>(kUnitKindMha, 2)->TypeId(), 53);
    EXPECT_FALSE(bts->Find<CUnitKMHA>(kUnitKindMha, 2)->IsUpgrade());
    EXPECT_TRUE(bts->Find<CUnitKMHA>(kUnitKindMha, 1)->IsUpgrade());
}

TEST(FirstConfigFile, BypassMhaTypesFollowTheBand) {
    auto db = FirstCandidate();
    db->SetBand(kBand1900);
    db->Antenna(1)->SetMhaType(7);
    db->Antenna(2)->SetMhaType(8);
    auto* mha1 = db->Find<CUnitKMHA>(kUnitKindMha, 1);
    mha1->SetUpgrade(false);
    mha1->SetType(70);
    auto xblock = DecodeCrossConnectionBlock(BuildCrossConnectionBlock(*db, 5));
    EXPECT_EQ(xblock.bypassMha[0], 1);
    EXPECT_EQ(xblock.bypassMha[1], 0) << "an upgrade MHA is not sent as bypass";
    EXPECT_EQ(xblock.mrc, 0xFF) << "24 bytes below level 9";
    auto bts = ReadBack(*db, 5, &xblock);
    EXPECT_EQ(bts->Find<CUnitKMHA>(kUnitKindMha, 1)->TypeId(), 70);
    EXPECT_EQ(bts->Find<CUnitKMHA>(kUnitKindMha, 2)->TypeId(), 59);
    EXPECT_EQ(bts->Antenna(2)->MhaType(), 8);
}

TEST(FirstConfigFile, BypassMhaWithoutTheBypassMarkIsAHighGainOneInEveryBand) {
    // Antenna 1 on a 900 DDU and marked as bypass in the block, antenna 2 on an 1800 DDU and
    // not marked; the band of the configuration decides the bypass type, the combiner the
    // high-gain one.
    for (const int band : {kBand900, kBand1800, kBand800}) {
        auto db = FirstCandidate();
        db->SetBand(band);
        AddUnit(*db, kUnitKindDdu, 1, 43);
        AddUnit(*db, kUnitKindDdu, 3, 44);
        for (int j = 1; j <= 2; ++j) {
            db->Antenna(j)->SetMhaType(7);
            db->Antenna(j)->SetConnectedCombiner(j == 1 ? 1 : 3);
        }
        SCrossConnectionBlock xblock =
            DecodeCrossConnectionBlock(BuildCrossConnectionBlock(*db, 9));
        xblock.bypassMha[0] = 1;
        xblock.bypassMha[1] = 0;
        auto bts = ReadBack(*db, 9, &xblock);
        const auto* marked = bts->Find<CUnitKMHA>(kUnitKindMha, 1);
        const auto* unmarked = bts->Find<CUnitKMHA>(kUnitKindMha, 2);
        EXPECT_EQ(marked->TypeId(), band == kBand900 ? 68 : band == kBand1800 ? 69 : 71) << band;
        EXPECT_EQ(unmarked->TypeId(), 51) << band; // high gain for the 1800 DDU
        EXPECT_TRUE(marked->BypassFlag()) << band;
        EXPECT_TRUE(unmarked->BypassFlag()) << "recorded as one with bypass: " << band;
        EXPECT_FALSE(unmarked->IsUpgrade()) << band;
    }
}

TEST(CrossConnectionBlock, LengthBySoftwareLevel) {
    auto db = FirstCandidate();
    EXPECT_EQ(BuildCrossConnectionBlock(*db, 9).size(), 25u);
    EXPECT_EQ(BuildCrossConnectionBlock(*db, 8).size(), 24u);
    const std::vector<uint8_t> shortBlock = {1, 0, 1};
    const auto block = DecodeCrossConnectionBlock(shortBlock);
    EXPECT_EQ(block.cositeMha[2], 1);
    EXPECT_EQ(block.cositeMha[3], 0xFF);
    EXPECT_EQ(block.mrc, 0xFF);
}

} // namespace
