#include "files/xml/PlanTextCodec.h"

#include <gtest/gtest.h>

TEST(XmlPlanTextCodec, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(XmlPlanTextCodec, UnrepresentableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC \xC3\xA9"), "\x80 \xE9");
    EXPECT_EQ(Utf8ToCp1252("\xCE\xA9"), "?");           // Greek omega
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");             // cut short
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");          // overlong
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80x"), "?x"); // outside the code page
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");     // surrogate
}
