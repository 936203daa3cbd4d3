#include "files/xml/XML_NodeFile.h"
#include "xml/XmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string Plan(const std::string& version, const std::string& objects) {
    return "<?xml version=\"1.0\"?>\n<qorm version=\"" + version +
           "\">\n<cmData type=\"plan\"><header/>" + objects + "</cmData></qorm>\n";
}

const std::string kBts =
    "<managedObject class=\"BTS_NE\" distName=\"BTS_NE\" version=\"1.0\">"
    "<p name=\"sitename\">North</p><p name=\"sitedesc\">Roof</p>"
    "<p name=\"btsFamilyType\">Orvik</p></managedObject>"
    "<managedObject class=\"CABINET_INFO\" distName=\"BTS_NE/CABINET_INFO\" version=\"1.0\">"
    "<p name=\"cabinetType\">Indoor Cabinet</p></managedObject>"
    "<managedObject class=\"TRANSCEIVER_INFO\" distName=\"BTS_NE/TRANSCEIVER_INFO\">"
    "<list name=\"transceiverInfo\"><item><p name=\"transceiverId\">1</p></item>"
    "<item><p name=\"transceiverId\">2</p></item></list></managedObject>";

} // namespace

TEST(XmlNodeFileLoad, AcceptsVersionsTwoZeroAndTwoOneOnly) {
    for (const char* version : {"2.0", "2.1"}) {
        CXML_NodeFile file("");
        EXPECT_TRUE(file.LoadFromBuffer(Plan(version, kBts))) << version;
    }
    CXML_NodeFile file("");
    EXPECT_FALSE(file.LoadFromBuffer(Plan("1.9", kBts)));
    EXPECT_TRUE(file.IsVersionUnsupported());
    EXPECT_EQ(file.GetLastError().message, "Failed to open the specified file!");
    EXPECT_EQ(file.GetLastError().details,
              "Line No: 2 \nReason: Qorm version specified in the file is not supported.");
    EXPECT_TRUE(file.GetSiteList().empty());
}

TEST(XmlNodeFileLoad, ParseErrorGivesLineAndPosition) {
    CXML_NodeFile file("");
    EXPECT_FALSE(file.LoadFromBuffer("<?xml version=\"1.0\"?>\n<qorm>\n  <cmData>\n</qorm>\n"));
    const CXMLError& error = file.GetLastError();
    EXPECT_EQ(error.message, "Failed to open the specified file!");
    EXPECT_EQ(error.details.rfind("Line No:4\nLine Pos:", 0), 0u) << error.details;
    EXPECT_NE(error.details.find("\nReason:"), std::string::npos);
    EXPECT_EQ(error.details.back(), '\n');
    EXPECT_EQ(file.GetRoot(), nullptr);
}

TEST(XmlNodeFileLoad, MissingFileSitesOrCabinetAreReported) {
    CXML_NodeFile missing("/nonexistent/plan.ewb");
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.GetLastError().message, "Failed to open the specified file!");

    CXML_NodeFile noSites("");
    EXPECT_FALSE(noSites.LoadFromBuffer(Plan("2.1", "")));
    EXPECT_EQ(noSites.GetLastError().details, "No Site data present in the file.");

    CXML_NodeFile noCabinet("");
    EXPECT_FALSE(noCabinet.LoadFromBuffer(
        Plan("2.1", "<managedObject class=\"BTS_NE\" distName=\"BTS_NE-1\"/>")));
    EXPECT_EQ(noCabinet.GetLastError().details, "Incorrect or missing Cabinet Information.");
}

TEST(XmlNodeFileLoad, BareBtsDistNamesAreRenamedAndIndexed) {
    CXML_NodeFile file("");
    ASSERT_TRUE(file.LoadFromBuffer(Plan("2.1", kBts)));
    EXPECT_EQ(file.GetCurrentBtsDistName(), "BTS_NE-1");
    EXPECT_NE(file.FindManagedObject("BTS_NE-1/TRANSCEIVER_INFO"), nullptr);
    EXPECT_EQ(file.FindManagedObject("BTS_NE/TRANSCEIVER_INFO"), nullptr);
    EXPECT_TRUE(file.HasCabinetInformation());

    ASSERT_EQ(file.GetListItems("TRANSCEIVER_INFO", 0, "transceiverInfo"), 2);
    XMLParameterList parameters;
    ASSERT_TRUE(file.GetItemParameters(1, parameters));
    EXPECT_EQ(parameters, (XMLParameterList{{"transceiverId", "2"}}));
    EXPECT_FALSE(file.GetItemParameters(2, parameters));
    EXPECT_EQ(file.GetListItems("TRANSCEIVER_INFO", 0, "other"), 0);
    EXPECT_EQ(file.GetListItems("PWS_INFO", 0, "pwsInfo"), 0);
    EXPECT_FALSE(file.GetManagedObjectParameters("PWS_INFO", 0, parameters));
    EXPECT_TRUE(parameters.empty());
}

TEST(XmlNodeFileLoad, OtherBtsKeepsItsOwnDistName) {
    std::string second =
        "<managedObject class=\"BTS_NE\" distName=\"BTS_NE-2\"><p name=\"sitename\">South</p>"
        "<p name=\"btsFamilyType\">Other</p></managedObject>"
        "<managedObject class=\"CABINET_INFO\" distName=\"BTS_NE-2/CABINET_INFO\">"
        "<p name=\"cabinetType\">Mini Cabinet</p></managedObject>"
        "<managedObject class=\"BTS_NE\" distName=\"BTS_NE-3\"/>";
    CXML_NodeFile file("");
    ASSERT_TRUE(file.LoadFromBuffer(Plan("2.1", kBts + second), true,
                                    [](const CXML_NodeFile&) { return std::size_t{1}; }));
    ASSERT_EQ(file.GetSiteList().size(), 3u);
    const CXMLSiteEntry& south = file.GetSiteList()[1];
    EXPECT_EQ(south.distName, "BTS_NE-2");
    EXPECT_EQ(south.familyType, "Not Supported");
    EXPECT_EQ(south.description, "Not Defined");
    const CXMLSiteEntry& empty = file.GetSiteList()[2];
    EXPECT_EQ(empty.name, "Untitled");
    EXPECT_EQ(empty.familyType, "Missing");
    EXPECT_EQ(file.GetSiteList()[0].familyType, "Orvik");

    EXPECT_EQ(file.GetCurrentBtsDistName(), "BTS_NE-2");
    XMLParameterList parameters;
    ASSERT_TRUE(file.GetManagedObjectParameters("CABINET_INFO", 0, parameters));
    EXPECT_EQ(parameters[0].second, "Mini Cabinet");

    std::string distName, error;
    EXPECT_TRUE(file.GetSiteDistName("South", distName, error));
    EXPECT_EQ(distName, "BTS_NE-2");
    EXPECT_FALSE(file.GetSiteDistName("West", distName, error));
    EXPECT_EQ(error, "Could not find \"West\" in the site list");
}

TEST(XmlNodeFileLoad, OnlyBtsNumberedOtherThanOneStillHasCabinetInformation) {
    CXML_NodeFile file("");
    ASSERT_TRUE(file.LoadFromBuffer(
        Plan("2.1", "<managedObject class=\"BTS_NE\" distName=\"BTS_NE-7\"/>"
                    "<managedObject class=\"CABINET_INFO\" distName=\"BTS_NE-7/CABINET_INFO\"/>")))
        << file.GetLastError().details;
    EXPECT_EQ(file.GetCurrentBtsDistName(), "BTS_NE-7");
}

TEST(XmlNodeFileLoad, CancelledSelectionFailsWithoutMessage) {
    CXML_NodeFile file("");
    EXPECT_FALSE(file.LoadFromBuffer(Plan("2.1", kBts), true,
                                     [](const CXML_NodeFile&) { return std::nullopt; }));
    EXPECT_FALSE(file.GetLastError().IsSet());
}

TEST(XmlNodeFileLoad, ClassPathWithIndexPutsIndexBetweenParts) {
    CXML_NodeFile file("");
    EXPECT_EQ(file.MakeDistName("A/B", 2), "BTS_NE-1/A2/B");
    EXPECT_EQ(file.MakeDistName("A/B", 0), "BTS_NE-1/A/B");
    EXPECT_EQ(file.MakeDistName("PWS_INFO", 3), "BTS_NE-1/PWS_INFO3");
    EXPECT_EQ(file.MakeDistName("BTS_NE", 0), "BTS_NE-1");
    file.SetCurrentBtsDistName("BTS_NE-4");
    EXPECT_EQ(file.MakeDistName("A/B", 1), "BTS_NE-4/A1/B");
}

TEST(XmlNodeFileLoad, TextsAreHeldInWindows1252) {
    std::string bts = "<managedObject class=\"BTS_NE\" distName=\"BTS_NE-1\">"
                      "<p name=\"sitename\">Caf\xC3\xA9 \xE2\x82\xAC</p></managedObject>"
                      "<managedObject class=\"CABINET_INFO\" distName=\"BTS_NE-1/CABINET_INFO\"/>";
    CXML_NodeFile file("");
    ASSERT_TRUE(file.LoadFromBuffer(Plan("2.1", bts)));
    EXPECT_EQ(file.GetSiteList()[0].name, "Caf\xE9 \x80");
}

TEST(XmlNodeFileLoad, DeclaredEightBitEncodingsAreHonoured) {
    for (const char* encoding : {"windows-1252", "ISO-8859-1"}) {
        std::string text = std::string("<?xml version=\"1.0\" encoding=\"") + encoding +
                           "\"?><qorm version=\"2.1\"><managedObject class=\"BTS_NE\" "
                           "distName=\"BTS_NE-1\"><p name=\"sitename\">Caf\xE9</p>"
                           "</managedObject><managedObject class=\"CABINET_INFO\" "
                           "distName=\"BTS_NE-1/CABINET_INFO\"/></qorm>";
        CXML_NodeFile file("");
        ASSERT_TRUE(file.LoadFromBuffer(text)) << encoding << file.GetLastError().details;
        EXPECT_EQ(file.GetSiteList()[0].name, "Caf\xE9") << encoding;
    }
}

TEST(XmlNodeFileLoad, HostileNestingIsRefused) {
    std::string deep;
    for (int i = 0; i < 5000; ++i) {
        deep += "<a>";
    }
    for (int i = 0; i < 5000; ++i) {
        deep += "</a>";
    }
    CXML_NodeFile file("");
    EXPECT_FALSE(file.LoadFromBuffer(Plan("2.1", deep)));
    EXPECT_TRUE(file.GetLastError().IsSet());
}
