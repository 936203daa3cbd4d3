#include "comms/ElementCodec.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

element::SElement ReadAll(Bytes bytes) {
    return element::Read(bytes, 0);
}

TEST(UplinkElements, TagsOfOneTwoAndThreeBytes) {
    EXPECT_EQ(ReadAll({0x5F, 0x82, 0x02, 0x00}).tag, 258);
    EXPECT_EQ(ReadAll({0x5F, 0x81, 0x0A, 0x00}).tag, 138);
    EXPECT_EQ(ReadAll({0x7F, 0x81, 0x0A, 0x00}).tag, 138);
    EXPECT_EQ(ReadAll({0x45, 0x00}).tag, 5);
    const element::SElement two = ReadAll({0x5F, 0x53, 0x01, 0x01});
    EXPECT_EQ(two.tag, 83);
    EXPECT_EQ(two.valueOffset, 3u);
    EXPECT_EQ(two.size, 4u);
}

TEST(UplinkElements, LengthForms) {
    Bytes e{0x45, 0x81, 0xC8};
    e.resize(3 + 200);
    EXPECT_EQ(ReadAll(e).ValueLength(), 200u);
    Bytes f{0x45, 0x82, 0x01, 0x00};
    f.resize(4 + 256);
    EXPECT_EQ(ReadAll(f).ValueLength(), 256u);
    EXPECT_EQ(f.size(), ReadAll(f).size);
    Bytes g{0x45, 0x80};
    g.resize(2 + 128);
    EXPECT_EQ(ReadAll(g).ValueLength(), 128u);

    const element::SElement bad = ReadAll({0x45, 0x83, 0, 0, 0});
    EXPECT_EQ(bad.tag, 0);
    EXPECT_EQ(bad.size, 0u);
}

TEST(UplinkElements, TruncatedOrNegativeElementsAreUnreadable) {
    EXPECT_EQ(ReadAll({0x45, 0x05, 1, 2}).size, 0u);
    EXPECT_EQ(ReadAll({0x45, 0x82, 0x80, 0x00}).size, 0u);
    EXPECT_EQ(ReadAll({0x5F, 0x82}).size, 0u);
    EXPECT_EQ(ReadAll({0x5F}).size, 0u);
    EXPECT_EQ(ReadAll({}).size, 0u);
}

TEST(UplinkElements, WrittenElementsReadBack) {
    for (int tag : {1, 30, 31, 39, 83, 127, 128, 129, 258, 273, 298}) {
        for (size_t length : {0u, 127u, 128u, 255u, 256u, 1000u}) {
            Bytes out;
            element::AppendTag(out, tag);
            element::AppendLength(out, length);
            out.resize(out.size() + length, 0x11);
            const element::SElement e = element::Read(out, 0);
            EXPECT_EQ(e.tag, tag) << tag << " " << length;
            EXPECT_EQ(e.ValueLength(), length) << tag << " " << length;
        }
    }
}

} // namespace
