#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/HWInfoFile.h"

TEST(HWInfoFile, SlotsNamesAndFind) {
    CHWInfoFile hwi;
    EXPECT_EQ(hwi.SetSlot(3, 1, "S", "P"), -1) << "group 3 has one slot";
    EXPECT_EQ(hwi.SetSlot(12, 0, "S", "P"), -1);
    EXPECT_EQ(hwi.SetSlot(5, -1, "SERIAL-NUMBER-TOO-LONG", "PRODUCT-IDENTIFIER-LONG"), 0);
    EXPECT_EQ(hwi.SetSlot(5, -1, "B", "P2"), 1);
    std::string serial, product;
    ASSERT_TRUE(hwi.GetSlot(5, 0, serial, product));
    EXPECT_EQ(serial, "SERIAL-NUMB");
    EXPECT_EQ(product, "PRODUCT-IDENTI");
    EXPECT_FALSE(hwi.GetSlot(5, 2, serial, product));
    EXPECT_EQ(hwi.FilledCount(), 2);

    EXPECT_EQ(hwi.Find("SERIAL-NUMBER-ANY", "PRODUCT-IDENTIFIER-X"), 4) << "groups 1-4 come first";
    EXPECT_EQ(hwi.Find("B  ", "P2"), 5);
    EXPECT_EQ(hwi.Find("", "P2"), -1);
    int group = 0, index = 0;
    ASSERT_TRUE(hwi.EntryToSlot(5, group, index));
    EXPECT_EQ(group, 5);
    EXPECT_EQ(index, 1);

    for (int i = 0; i < 10; ++i)
        hwi.SetSlot(5, -1, "x", "y");
    EXPECT_EQ(hwi.SetSlot(5, -1, "full", "full"), -1);

    EXPECT_EQ(CHWInfoFile::EntryName(5, 2), "Connected to Ant. 3");
    EXPECT_EQ(CHWInfoFile::EntryName(6, 0), "Unit nr 1");
    EXPECT_EQ(CHWInfoFile::ListName(3, 0), "TVFA");
    EXPECT_EQ(CHWInfoFile::ListName(16, 4), "Misc Unit 5");
    EXPECT_EQ(CHWInfoFile::ShortName(12), "Unknown");
    EXPECT_EQ(CHWInfoFile::GroupCapacity(13), 25);
    for (int g : CHWInfoFile::Groups())
        EXPECT_EQ(CHWInfoFile::KindCodeToGroup(CHWInfoFile::GroupToKindCode(g)), g);
    EXPECT_EQ(CHWInfoFile::GroupToKindCode(9), 25);
    EXPECT_EQ(CHWInfoFile::KindCodeToGroup(6), -1);
}

TEST(HWInfoFile, ExportOfAnEmptyTable) {
    CHWInfoFile hwi;
    const std::string text = hwi.ExportText("C:\\Temp\\site.hwi");
    EXPECT_EQ(text.rfind("File: site.hwi\r\n\r\n*Current Cabinet\r\n (DJMA/xUCA) Core Mechanics\r\n"
                         "\r\n (xWKA)",
                         0),
              0u);
    EXPECT_NE(text.find("\r\n*External Site Support System\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n*Miscellaneous\r\n Units 1 - 30\r\n\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.find("  1  "), std::string::npos);
    EXPECT_EQ(CHWInfoFileConf().ExportText("x").find("Kettra"), std::string::npos);
}

TEST(HWInfoFile, ImportReadsWhatExportWrites) {
    CScratchDir dir;
    CHWInfoFile hwi;
    hwi.SetSlot(1, 0, "CM001", "DJMA-1");
    hwi.SetSlot(5, 7, "MHA8", "SZ-8");
    hwi.SetSlot(16, 29, "LAST", "MISC-30");
    ASSERT_TRUE(hwi.Export(dir.File("a.hwi")));
    CHWInfoFile back;
    ASSERT_TRUE(back.Import(dir.File("a.hwi")));
    EXPECT_EQ(back.FilledCount(), 3);
    std::string s, p;
    ASSERT_TRUE(back.GetSlot(16, 29, s, p));
    EXPECT_EQ(p, "MISC-30");
    EXPECT_EQ(back.ExportText("a.hwi"), hwi.ExportText("a.hwi"));
}

TEST(HWInfoFile, ImportRules) {
    CHWInfoFile hwi;
    hwi.SetSlot(2, 0, "old", "old");
    EXPECT_FALSE(hwi.ImportText(""));
    EXPECT_EQ(hwi.FilledCount(), 0) << "a failed import still clears";

    ASSERT_TRUE(hwi.ImportText("File: x.hwi\n\n  1  ORPHAN  NOGROUP\n"
                               " (MHA) Mast Head Amplifier   \n"
                               "   3  SN3  PID3\n"
                               "  4  SN  WITH BLANK\n"
                               "  5  ONLYSERIAL\n"
                               " 13  TOOFAR  PID\n"
                               " 123  X  Y\n"
                               "  0  ZERO  SLOT\n"
                               "  6 \r CR-SPLIT\f  PID\n"
                               "*Miscellaneous\n"
                               "(TVFA) Cabinet Fan\n"
                               "  1  FAN  TVFA-1\n"));
    std::string s, p;
    ASSERT_TRUE(hwi.GetSlot(5, 2, s, p));
    EXPECT_EQ(s, "SN3");
    ASSERT_TRUE(hwi.GetSlot(5, 3, s, p));
    EXPECT_EQ(p, "WITH") << "tokens are blank-separated";
    EXPECT_FALSE(hwi.GetSlot(5, 4, s, p));
    ASSERT_TRUE(hwi.GetSlot(5, 5, s, p));
    EXPECT_EQ(s, "CR-SPLIT") << "any white space separates, as for scanf";
    ASSERT_TRUE(hwi.GetSlot(3, 0, s, p));
    EXPECT_EQ(hwi.FilledCount(), 4) << "slot 0 is no slot, not the first free one";

    CHWInfoFileConf conf;
    conf.ImportText(" Kettra-family Miscellaneous Units\n  1  K  M\n");
    EXPECT_EQ(conf.FilledCount(), 0);
    EXPECT_FALSE(CHWInfoFile().Import("/nonexistent.hwi"));
}
