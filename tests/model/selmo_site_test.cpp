#include <gtest/gtest.h>

#include "model/SiteTARN.h"

namespace {

std::unique_ptr<CSiteTARN> SiteWithTrx(int count) {
    auto site = std::make_unique<CSiteTARN>();
    for (int n = 1; n <= count; ++n) {
        auto trx = std::make_unique<CUnitTTRX>();
        trx->SetNumber(n);
        site->GetConfiguration(kSelectCandidate)->AddUnit(std::move(trx));
    }
    return site;
}

std::vector<int> Pairs(CSiteTARN& site, int count) {
    std::vector<int> pairs;
    for (int n = 1; n <= count; ++n) {
        pairs.push_back(site.FindTrx(n)->DiversityPair());
    }
    return pairs;
}

} // namespace

TEST(SelmoSite, DiversityPairsStaySymmetricAndExclusive) {
    auto owned = SiteWithTrx(4);
    CSiteTARN& site = *owned;
    ASSERT_TRUE(site.SetDiversityPair(1, 2));
    EXPECT_EQ(Pairs(site, 4), (std::vector<int>{2, 1, -1, -1}));

    // Re-pairing 2 with 3 leaves 1 alone rather than pointing at a partner that moved on.
    ASSERT_TRUE(site.SetDiversityPair(3, 2));
    EXPECT_EQ(Pairs(site, 4), (std::vector<int>{-1, 3, 2, -1}));

    // A pair with itself or with 0 clears both ends.
    ASSERT_TRUE(site.SetDiversityPair(2, 2));
    EXPECT_EQ(Pairs(site, 4), (std::vector<int>{-1, -1, -1, -1}));

    // A missing transceiver changes nothing.
    ASSERT_TRUE(site.SetDiversityPair(1, 4));
    EXPECT_FALSE(site.SetDiversityPair(1, 7));
    EXPECT_FALSE(site.SetDiversityPair(9, 1));
    EXPECT_EQ(Pairs(site, 4), (std::vector<int>{4, -1, -1, 1}));
    EXPECT_EQ(site.ClearDiversityPairs(), 2);
}

TEST(SelmoSite, OneSidedPairFromAFileIsNotClearedThroughItsTarget) {
    auto owned = SiteWithTrx(3);
    CSiteTARN& site = *owned;
    // As a file may carry it: 1 names 2, but 2 names 3.
    site.FindTrx(1)->SetDiversityPair(2);
    site.FindTrx(2)->SetDiversityPair(3);
    site.FindTrx(3)->SetDiversityPair(2);
    ASSERT_TRUE(site.SetDiversityPair(1, 0));
    EXPECT_EQ(Pairs(site, 3), (std::vector<int>{-1, 3, 2}));
}

TEST(SelmoSite, PairsFollowUndo) {
    auto owned = SiteWithTrx(2);
    CSiteTARN& site = *owned;
    site.PushUndoStep("Set RX Diversity Pair");
    site.SetDiversityPair(1, 2);
    site.Undo(kSelectCandidate);
    EXPECT_EQ(Pairs(site, 2), (std::vector<int>{-1, -1}));
}
