#include <gtest/gtest.h>

#include "sim/SimConfigStore.h"
#include "sim/SimScenario.h"

namespace {

std::vector<uint8_t> Request(int operation, const std::vector<uint8_t>* data) {
    std::vector<uint8_t> r = {0xEC,
                              0x00,
                              0x34,
                              0x12,
                              0x5F,
                              0x82,
                              0x11,
                              0x01,
                              static_cast<uint8_t>(data ? 0 : 1),
                              0x5F,
                              0x82,
                              0x16,
                              0x01,
                              static_cast<uint8_t>(operation)};
    if (data != nullptr) {
        r.insert(r.end(), {0x5F, 0x82, 0x15});
        if (data->size() < 128) {
            r.push_back(static_cast<uint8_t>(data->size()));
        } else {
            r.insert(r.end(), {0x82, static_cast<uint8_t>(data->size() >> 8),
                               static_cast<uint8_t>(data->size())});
        }
        r.insert(r.end(), data->begin(), data->end());
    }
    return r;
}

const std::vector<uint8_t> kAckOk = {0x81, 0x00, 0x34, 0x12, 0x00, 0x00, 0x00, 0x01};

TEST(SimConfigStore, StoresWhatItIsSentAndServesItBack) {
    CSimConfigStore store;
    auto reply = store.Handle(Request(0, nullptr));
    ASSERT_TRUE(reply);
    // Nothing stored yet: a data reply without data.
    EXPECT_EQ(*reply, (std::vector<uint8_t>{0xF0, 0x00, 0x34, 0x12, 0x5F, 0x82, 0x16, 0x01, 0x00,
                                            0x5F, 0x82, 0x15, 0x00}));
    std::vector<uint8_t> file(376);
    for (size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<uint8_t>(i * 7);
    }
    EXPECT_EQ(store.Handle(Request(0, &file)), kAckOk);
    reply = store.Handle(Request(0, nullptr));
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->size(), 15u + 376);
    EXPECT_EQ((*reply)[12], 0x82);
    EXPECT_EQ((*reply)[13], 0x01);
    EXPECT_EQ((*reply)[14], 0x78);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), reply->begin() + 15));
    EXPECT_EQ(store.Stored(3), nullptr);
    EXPECT_FALSE(store.Handle(std::vector<uint8_t>{0x9C, 0, 1, 0}));
}

TEST(SimConfigStore, RefusesBrokenAndOversizedBlocks) {
    CSimConfigStore store;
    std::vector<uint8_t> big(CSimConfigStore::kMaxBlockSize + 1);
    auto reply = store.Handle(Request(1, &big));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->size(), 10u);
    EXPECT_EQ((*reply)[8], 3);
    EXPECT_EQ(store.Stored(1), nullptr);
    auto cut = Request(3, &big);
    cut.resize(40); // the data element runs past the end
    EXPECT_NE(store.Handle(cut), kAckOk);
    EXPECT_EQ(store.Stored(3), nullptr);
}

TEST(SimConfigStore, ScenarioPreloadsBlocks) {
    SSimScenario s;
    std::string error;
    ASSERT_TRUE(
        ParseSimScenario(R"({"stored": {"3": "4D 4D 49 03 00 00"}})", s, error))
        << error;
    CSimConfigStore store(s.stored);
    ASSERT_NE(store.Stored(3), nullptr);
    EXPECT_EQ(store.Stored(3)->at(3), 3);
    EXPECT_FALSE(ParseSimScenario(R"({"stored": {"2": "00"}})", s, error));
    EXPECT_FALSE(ParseSimScenario(R"({"stored": {"0": "zz"}})", s, error));
}

} // namespace
