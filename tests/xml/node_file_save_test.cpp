#include "files/xml/XML_NodeFile.h"
#include "xml/XmlTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using xmltest::Count;
using xmltest::ReadAll;

namespace {

void BuildSmallSite(CXML_NodeFile& file, const std::string& name) {
    file.BuildManagedObject({{"sitename", name}}, "BTS_NE", 0);
    file.BuildManagedObject({{"cabinetType", "Indoor Cabinet"}}, "CABINET_INFO", 0);
    file.BuildItem({{"pwsId", "1"}});
    file.BuildList("pwsInfo");
    file.BuildManagedObject({}, "PWS_INFO", 0);
}

} // namespace

TEST(XmlNodeFileBuild, SameDistNameMergesIntoOneObjectWithItsLists) {
    CXML_NodeFile file("");
    file.BuildManagedObject({{"a", "1"}}, "X_INFO", 0);
    file.BuildItem({{"id", "7"}});
    file.BuildList("xInfo");
    file.BuildManagedObject({{"b", "2"}}, "X_INFO", 0);
    file.BuildManagedObject({{"c", "3"}}, "Y_INFO", 0);
    EXPECT_EQ(file.GetPendingManagedObjectCount(), 2u);

    xmltest::ScratchDir dir;
    CXML_NodeFile out(dir.File("merge.ewb"));
    out.BuildManagedObject({{"a", "1"}}, "X_INFO", 0);
    out.BuildItem({{"id", "7"}});
    out.BuildList("xInfo");
    out.BuildManagedObject({{"b", "2"}}, "X_INFO", 0);
    out.BuildManagedObject({{"c", "3"}}, "Y_INFO", 0);
    ASSERT_TRUE(out.Save());
    std::string text = ReadAll(dir.File("merge.ewb"));
    EXPECT_EQ(Count(text, "distName=\"BTS_NE-1/X_INFO\""), 1);
    // The list belongs to X_INFO, not to the object built after it.
    auto x = text.find("BTS_NE-1/X_INFO");
    auto list = text.find("<list name=\"xInfo\">");
    auto y = text.find("BTS_NE-1/Y_INFO");
    EXPECT_LT(x, list);
    EXPECT_LT(list, y);
    EXPECT_LT(text.find("<p name=\"b\">2</p>"), y);
}

TEST(XmlNodeFileBuild, NewFileHoldsRootHeaderAndOnlyTheBuiltObjects) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    xmltest::ScratchDir dir;
    CXML_NodeFile file(dir.File("new.ewb"));
    file.SetManagerDirectory("/opt/mgr");
    BuildSmallSite(file, "North");
    ASSERT_TRUE(file.Save()) << file.GetLastError().message;
    ::unsetenv("SOURCE_DATE_EPOCH");

    // The file object now describes what it saved.
    ASSERT_EQ(file.GetSiteList().size(), 1u);
    EXPECT_EQ(file.GetSiteList()[0].name, "North");
    EXPECT_TRUE(file.HasCabinetInformation());

    std::string text = ReadAll(dir.File("new.ewb"));
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?>", 0), 0u);
    EXPECT_NE(text.find("<qorm version=\"2.1\" "
                        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xsi:noNamespaceSchemaLocation=\"/opt/mgr\\Cabrion\\qorm21.xsd\">"),
              std::string::npos);
    EXPECT_NE(text.find("<cmData type=\"plan\" scope=\"All\" name=\"GSM/EDGE BTS Configuration "
                        "Plan\" domain=\"GSM_EDGE_BTS_CONFIG\" adaptationVersionMajor=\"BTS "
                        "Content Specification 6.0\">"),
              std::string::npos);
    EXPECT_NE(text.find("<log dateTime=\"2023-11-14T22:13:20 \" action=\"created\" user=\""),
              std::string::npos);
    EXPECT_NE(text.find("appInfo=\"Torvane Cabrion\" appVersion=\"Version "), std::string::npos);
    EXPECT_NE(text.find("<managedObject class=\"BTS_NE\" distName=\"BTS_NE-1\" "
                        "version=\"1.0\">"),
              std::string::npos);
    EXPECT_EQ(Count(text, "<managedObject"), 3);
    EXPECT_LT(text.find("<header>"), text.find("<managedObject"));
}

TEST(XmlNodeFileBuild, SavingTwiceKeepsOneSetOfObjectsAndTwoLogs) {
    xmltest::ScratchDir dir;
    const std::string path = dir.File("twice.ewb");
    {
        CXML_NodeFile file(path);
        BuildSmallSite(file, "North");
        ASSERT_TRUE(file.Save());
        // Same object again, as a document saving a second time does.
        BuildSmallSite(file, "North again");
        ASSERT_TRUE(file.Save());
    }
    {
        // A fresh object reads the file before adding to it.
        CXML_NodeFile file(path);
        BuildSmallSite(file, "North third");
        ASSERT_TRUE(file.Save());
    }
    std::string text = ReadAll(path);
    EXPECT_EQ(Count(text, "<managedObject"), 3);
    EXPECT_EQ(Count(text, "<log "), 3);
    EXPECT_EQ(Count(text, "action=\"created\""), 1);
    EXPECT_EQ(Count(text, "action=\"modified\""), 2);
    EXPECT_EQ(Count(text, "<p name=\"sitename\">"), 1);
    EXPECT_NE(text.find("North third"), std::string::npos);

    CXML_NodeFile check(path);
    ASSERT_TRUE(check.Load());
    EXPECT_EQ(check.GetListItems("PWS_INFO", 0, "pwsInfo"), 1);
}

TEST(XmlNodeFileBuild, SavingOneBtsKeepsTheOthersAndDropsInterfaceSettings) {
    xmltest::ScratchDir dir;
    const std::string path = dir.File("two.ewb");
    xmltest::WriteAll(
        path, "<?xml version=\"1.0\"?><qorm version=\"2.0\"><cmData><header><log "
              "action=\"created\"/></header>"
              "<managedObject class=\"BTS_NE\" distName=\"BTS_NE\"><p name=\"sitename\">Old</p>"
              "<list name=\"interfaceSettings\"><item/></list>"
              "<list name=\"keep\"><item/></list></managedObject>"
              "<managedObject class=\"CABINET_INFO\" distName=\"BTS_NE/CABINET_INFO\"/>"
              "<managedObject class=\"OLD_INFO\" distName=\"BTS_NE/OLD_INFO\"/>"
              "<managedObject class=\"OLD_INFO\" distName=\"BTS_NE/OLD_INFO\"/>"
              "<managedObject class=\"BTS_NE\" distName=\"BTS_NE-2\"/>"
              "<managedObject class=\"OLD_INFO\" distName=\"BTS_NE-2/OLD_INFO\"/>"
              "</cmData></qorm>");
    CXML_NodeFile file(path);
    ASSERT_TRUE(file.Load());
    BuildSmallSite(file, "New");
    ASSERT_TRUE(file.Save());

    std::string text = ReadAll(path);
    EXPECT_NE(text.find("<qorm version=\"2.1\">"), std::string::npos);
    EXPECT_EQ(Count(text, "BTS_NE-1/OLD_INFO"), 0); // both copies of the old object
    EXPECT_EQ(Count(text, "BTS_NE-2/OLD_INFO"), 1);
    EXPECT_EQ(Count(text, "interfaceSettings"), 0);
    EXPECT_EQ(Count(text, "name=\"keep\""), 1);
    EXPECT_EQ(Count(text, "<p name=\"sitename\">New</p>"), 1);
    EXPECT_EQ(Count(text, "Old"), 0);
    EXPECT_EQ(Count(text, "<log "), 2);
}

TEST(XmlNodeFileBuild, FailedSaveLeavesPreviousContentsAndNoLeftovers) {
    xmltest::ScratchDir dir;
    // A directory in the way makes the final rename fail after the data was written.
    const std::string path = dir.File("blocked.ewb");
    std::filesystem::create_directories(path + "/inside");
    CXML_NodeFile file(path);
    BuildSmallSite(file, "North");
    EXPECT_FALSE(file.Save());
    EXPECT_TRUE(file.GetLastError().IsSet());
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(XmlNodeFileBuild, TextsAreWrittenAsUtf8AndEscaped) {
    xmltest::ScratchDir dir;
    CXML_NodeFile file(dir.File("text.ewb"));
    file.BuildManagedObject({{"sitename", "Caf\xE9 <&>"}}, "BTS_NE", 0);
    ASSERT_TRUE(file.Save());
    std::string text = ReadAll(dir.File("text.ewb"));
    EXPECT_NE(text.find("Caf\xC3\xA9 &lt;&amp;&gt;"), std::string::npos);
}
