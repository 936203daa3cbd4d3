// The property sheet's layout without a window: the pages and titles of each view, the BTS tab
// and a missing site, and the page brought back per view.
#include "app/pages/PropSheetModel.h"

#include <gtest/gtest.h>

namespace {

using P = EPropPage;

TEST(PropSheetModel, PagesAndTitlesPerView) {
    EXPECT_EQ(PropSheetLayout(true, 1, false),
              (SPropSheetLayout{"Cabinet Properties", {P::CabType, P::CabUsage}}));
    EXPECT_EQ(PropSheetLayout(true, 3, false).title, "BB2-RVx Cross-connection Properties");
    EXPECT_EQ(
        PropSheetLayout(true, 7, false),
        (SPropSheetLayout{"All Cabling Properties", {P::TXCabling, P::RXCabling, P::RXDCabling}}));
    EXPECT_EQ(PropSheetLayout(true, 9, false).title, "RVx logical TRX ID's Properties");
    EXPECT_EQ(PropSheetLayout(true, 10, false).pages, std::vector<P>{P::Passive});
    EXPECT_EQ(PropSheetLayout(true, 12, false),
              (SPropSheetLayout{" Properties", {P::RXDivTARN, P::OptionsRXDivTARN}}));
    EXPECT_STREQ(PropPageTitle(P::RXDivTARN), "RX Diversity");
    EXPECT_STREQ(PropPageTitle(P::OptionsRXDivTARN), "Options");
    // The BTS tab has its one page whatever the view; a view without pages and a missing site
    // say so.
    EXPECT_EQ(PropSheetLayout(true, 4, true),
              (SPropSheetLayout{"BTS Properties", {P::NoInfoOnBTS}}));
    EXPECT_EQ(PropSheetLayout(true, 13, false),
              (SPropSheetLayout{"No Properties Available", {P::NoInfo}}));
    EXPECT_EQ(PropSheetLayout(false, 1, true),
              (SPropSheetLayout{"No Properties Available", {P::NoInfo}}));
    EXPECT_STREQ(PropPageTitle(P::BB2Xcon), "Connection");
    EXPECT_STREQ(PropPageTitle(P::Antenna), "Connection");
    EXPECT_STREQ(PropPageTitle(P::LogicalTRX), "TRX ID");
    EXPECT_STREQ(PropPageTitle(P::Differences), "Missing");
}

TEST(PropSheetModel, RemembersThePageInFrontPerView) {
    CPropSheetModel model;
    model.Show(true, 7, false);
    EXPECT_EQ(model.ActivePage(), 0);
    model.SetActivePage(2);
    model.Show(true, 1, false);
    EXPECT_EQ(model.ActivePage(), 0);
    model.SetActivePage(1);
    // The BTS tab is a layout of its own: the cabling view's page is not taken there.
    model.Show(true, 7, true);
    EXPECT_EQ(model.ActivePage(), 0);
    model.Show(true, 7, false);
    EXPECT_EQ(model.ActivePage(), 2);
    model.Show(true, 1, false);
    EXPECT_EQ(model.ActivePage(), 1);
    EXPECT_FALSE(model.Differs(true, 1, false));
    EXPECT_TRUE(model.Differs(true, 1, true));
    EXPECT_TRUE(model.Differs(false, 1, false));
}

} // namespace
