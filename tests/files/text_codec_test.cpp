#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/SiteConfigFile.h"
#include "files/TextCodec.h"

TEST(TextCodec, Windows1252ToUtf8) {
    EXPECT_EQ(Cp1252ToUtf8("plain"), "plain");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(Cp1252ToUtf8("\xe5"), "\xc3\xa5");
    EXPECT_EQ(Cp1252ToUtf8("\x9f"), "\xc5\xb8");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xc2\x81") << "undefined bytes are kept, not dropped";
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(SiteConfigFileList, RemovingASiteKeepsItsErrorsNamed) {
    CSiteConfigFile f(DataPath("errors.hwc"));
    ASSERT_EQ(f.Sites().size(), 1u);
    const CSCFSite* site = f.Sites()[0].get();
    EXPECT_EQ(f.FindSite("Broken \xe5sa"), site);
    f.RemoveSite(site);
    EXPECT_TRUE(f.Sites().empty());
    EXPECT_EQ(f.Errors().back().site, nullptr);
    EXPECT_EQ(f.Errors().back().ConfigurationName(), "Broken \xe5sa");
    EXPECT_EQ(f.FindSite("Broken \xe5sa"), nullptr);
}
