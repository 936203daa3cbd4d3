#include <gtest/gtest.h>

#include "app/document/StatusText.h"

TEST(StatusText, TitleAndPanesFollowTheLink) {
    StatusInputs in;
    StatusTexts t = BuildStatusTexts(in);
    EXPECT_EQ(t.title, "Untitled - Cabrion No connection to BTS ");
    EXPECT_EQ(t.pane1, "No connection to BTS ");
    EXPECT_EQ(t.pane2, "");

    in.documentName = "Site 7";
    in.connection = kConnectionRemote;
    in.bscId = 12;
    in.bcfId = 3;
    in.accessLevel = 0;
    t = BuildStatusTexts(in);
    EXPECT_EQ(t.title, "Site 7 - Remote Cabrion BSC ID 12, BCF ID 3");
    EXPECT_EQ(t.pane1, "Remote BSC ID 12, BCF ID 3");
    EXPECT_EQ(t.pane2, "LAN");
    EXPECT_EQ(t.pane3, "Read Only");

    // A report that announces a start wins over the link's current state.
    in.reportKind = kReportStartingRemote;
    t = BuildStatusTexts(in);
    EXPECT_EQ(t.title, "Site 7 - Cabrion Starting Remote Connection");
    EXPECT_EQ(t.pane2, "");

    in = StatusInputs{};
    in.connection = kConnectionLocal;
    in.comPort = 2;
    in.speedText = "9600";
    t = BuildStatusTexts(in);
    EXPECT_EQ(t.title, "Untitled - Cabrion Polling Local Connection: Speed 9600");
    EXPECT_EQ(t.pane2, "COM 2");
    in.linkUp = true;
    EXPECT_EQ(BuildStatusTexts(in).pane1, "BTS Connected at Speed 9600");

    in.connection = kConnectionSimulator;
    t = BuildStatusTexts(in);
    EXPECT_EQ(t.pane1, "Connected to SIM server");
    EXPECT_EQ(t.pane2, "SIM");
}
