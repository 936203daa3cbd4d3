// The passive units tree as the candidate's and the BTS side's tables list it.
#include "app/passive/PassiveUnitTree.h"
#include "files/HWInfoFile.h"

#include <gtest/gtest.h>

TEST(PassiveUnitTree, ListsEveryPlaceOfTheGroupsTheTableKeeps) {
    CHWInfoFileConf candidate;
    candidate.SetSlot(CHWInfoFile::kMhaGroup, 2, "AB123456789", "ABC..........1");
    const auto tree = BuildPassiveTree(candidate);
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].label, "Current Cabinet");
    EXPECT_EQ(tree[2].label, "Miscellaneous");
    // The candidate keeps no support cabinet units: the top group is there, empty.
    EXPECT_TRUE(tree[1].children.empty());

    const auto* mha = FindPassiveNode(tree, {0, CHWInfoFile::kMhaGroup, -1});
    ASSERT_NE(mha, nullptr);
    EXPECT_EQ(mha->label, "(MHA) Mast Head Amplifier");
    ASSERT_EQ(mha->children.size(), 12u);
    EXPECT_EQ(mha->children[2].label, "Connected to Ant. 3");
    EXPECT_TRUE(mha->children[2].filled);
    EXPECT_EQ(mha->children[2].serialNumber, "AB123456789");
    EXPECT_EQ(mha->children[2].productId, "ABC..........1");
    EXPECT_FALSE(mha->children[0].filled);
    EXPECT_EQ(FindPassiveNode(tree, {2, 16, 29})->label, "Unit nr 30");
    EXPECT_EQ(FindPassiveNode(tree, {2, 16, 30}), nullptr);

    CHWInfoFile bts;
    const auto btsTree = BuildPassiveTree(bts);
    ASSERT_EQ(btsTree[1].children.size(), 2u);
    EXPECT_EQ(btsTree[1].children[0].label, "Kettra-family Support Cabinet Units");
}
