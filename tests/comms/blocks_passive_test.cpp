#include <gtest/gtest.h>

#include "comms/PassiveUnitRecords.h"

using namespace blocks;

namespace {

TEST(PassiveUnitBlock, RecordsReadBackIntoTheirSlots) {
    CHWInfoFile info;
    ASSERT_EQ(info.SetSlot(CHWInfoFile::kMhaGroup, 2, "SN123", "PROD-1"), 2);
    ASSERT_EQ(info.SetSlot(3, 0, "ONE", "P3"), 0);
    const auto block = BuildPassiveUnitBlock(info);
    ASSERT_EQ(block.size(), 21u + 2 * 32);
    EXPECT_EQ(block[0], 2);
    const auto rec = std::span(block).subspan(21);
    std::vector<CHWInfoSlotEntry> entries;
    ASSERT_TRUE(DecodePassiveUnitBlock(block, entries));
    ASSERT_EQ(entries.size(), 2u);
    // The one-slot group travels with slot 0 and reads back into the first free slot.
    const size_t one = entries[0].group == 3 ? 0 : 1;
    EXPECT_EQ(rec[32 * one + 26], 0);
    EXPECT_EQ(rec[32 * (1 - one) + 26], 3);
    EXPECT_EQ(std::string(rec.begin() + 32 * one, rec.begin() + 32 * one + 11), "ONE        ");
    CHWInfoFile back;
    EXPECT_EQ(FillPassiveUnits(back, entries), 2);
    std::string serial, product;
    ASSERT_TRUE(back.GetSlot(CHWInfoFile::kMhaGroup, 2, serial, product));
    EXPECT_EQ(serial, "SN123");
    EXPECT_EQ(product, "PROD-1");
    EXPECT_TRUE(back.GetSlot(3, 0, serial, product));
}

TEST(PassiveUnitBlock, FetchedBlockLayouts) {
    std::vector<CHWInfoSlotEntry> entries;
    EXPECT_FALSE(DecodePassiveUnitBlock(std::vector<uint8_t>{101}, entries));
    EXPECT_TRUE(DecodePassiveUnitBlock(std::vector<uint8_t>{}, entries));
    EXPECT_TRUE(entries.empty());
    // Records right after the count when the byte after it is not 0.
    std::vector<uint8_t> direct(1 + 32, ' ');
    direct[0] = 1;
    direct[1] = 'X';
    direct[26] = 5; // kind code 5: the MHA group
    direct[27] = 1;
    ASSERT_TRUE(DecodePassiveUnitBlock(direct, entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].serialNumber, "X");
    EXPECT_EQ(entries[0].slot, 0);
    // A count larger than the data gives only the complete records.
    direct[0] = 3;
    ASSERT_TRUE(DecodePassiveUnitBlock(direct, entries));
    EXPECT_EQ(entries.size(), 1u);
}

} // namespace
