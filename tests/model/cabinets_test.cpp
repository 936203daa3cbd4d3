#include <gtest/gtest.h>

#include "model/CabinetKODA.h"
#include "model/CabinetTARN.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace {

template <class T> T Numbered(int number, int typeId = 0) {
    T unit;
    if (typeId != 0) {
        unit.SetType(typeId);
    }
    unit.SetNumber(number);
    return unit;
}

} // namespace

TEST(Cabinets, CreatedByTypeValue) {
    EXPECT_EQ(CCabinetKODA::Create(0)->Name(), "Orvik Indoor");
    EXPECT_EQ(CCabinetKODA::Create(1)->Name(), "Orvik Outdoor");
    EXPECT_EQ(CCabinetKODA::Create(2)->Name(), "Orvik Midi");
    EXPECT_EQ(CCabinetKODA::Create(3)->Name(), "Orvik Midi Outdoor");
    EXPECT_EQ(CCabinetKODA::Create(6)->Name(), "Orvik Mini");
    EXPECT_EQ(CCabinetKODA::Create(4), nullptr);
    EXPECT_EQ(CCabinetKODA::Create(5), nullptr);
    EXPECT_STREQ(CCabinetKODA::TypeName(3), "Outdoor Midi");
    EXPECT_EQ(CCabinetTNormal().Name(), "Selmo");
}

TEST(Cabinets, PlacesOfIndoorCabinet) {
    CCabinetKIndoor cab;
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKTrx>(12)), 39);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKTrx>(13)), -1);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKBOI>(1)), 9);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKBB2>(6)), 8);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKTRE>(4)), 13);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKDDU>(14)), 53);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKMC2>(11)), 24);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKMC2>(2)), -1);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKMC6>(1)), 14);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKMC6>(2)), 20);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKMC6>(3)), 22);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKMHA>(12)), 65);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKRTC>(2)), 46);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKRTC>(3)), -1);
    EXPECT_EQ(cab.PlaceIndex(CUnitKExtOrvik()), 66);

    // Wide power supplies only fit twice.
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKPWR>(3, 30)), -1);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKPWR>(3, 56)), -1);
    EXPECT_EQ(cab.PlaceIndex(Numbered<CUnitKPWR>(3, 31)), 2);
    const auto fusa2 = Numbered<CUnitKPWR>(2, 30);
    EXPECT_EQ(cab.UnitRect(fusa2, 0), (SRect{34, 25, 56, 102}));
    EXPECT_EQ(cab.UnitRect(Numbered<CUnitKPWR>(2, 31), 0), (SRect{27, 25, 42, 102}));
}

TEST(Cabinets, MidiAndMiniLimits) {
    CCabinetKMidi midi;
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKMC2>(2)), 15);
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKMC2>(6)), -1);
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKTrx>(7)), -1);
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKMC6>(2)), -1);
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKRTC>(1)), 40);
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKWBC>(7)), 46);
    EXPECT_EQ(midi.PlaceIndex(Numbered<CUnitKWBT>(8)), -1);
    CCabinetKMidiOutdoor midiOut;
    EXPECT_EQ(midiOut.PlaceIndex(Numbered<CUnitKMHA>(6)), 59);
    EXPECT_EQ(midiOut.PlaceIndex(Numbered<CUnitKMHA>(7)), -1);

    CCabinetKMini mini;
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKTrx>(4)), 31);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKTrx>(5)), -1);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKPWR>(1)), 0);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKPWR>(2)), -1);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKBB2>(3)), -1);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKWBT>(1)), 40);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKWBC>(1)), -1);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKRTC>(1)), -1);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKBTR>(1)), -1);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKMC2>(3)), 16);
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKMC2>(2)), -1);
    auto ddu3 = Numbered<CUnitKDDU>(3); // displayed 2
    EXPECT_EQ(mini.PlaceIndex(ddu3), 42);
    ASSERT_TRUE(ddu3.SetBackplaneConnector(3));
    EXPECT_EQ(mini.PlaceIndex(ddu3), -1); // backplane connector 3 does not exist in a Mini
    EXPECT_EQ(mini.PlaceIndex(Numbered<CUnitKDDU>(4)), -1);
}

TEST(Cabinets, PlaceRectanglesFollowTheLayout) {
    CCabinetKIndoor cab;
    EXPECT_EQ(cab.PlaceRect(3, 0, nullptr), (SRect{59, 26, 72, 102}));
    EXPECT_EQ(cab.PlaceRect(8, 0, nullptr), (SRect{124, 26, 137, 102}));
    EXPECT_EQ(cab.PlaceRect(13, 0, nullptr), (SRect{198, 26, 209, 102}));
    EXPECT_EQ(cab.PlaceRect(19, 0, nullptr), (SRect{12, 213, 35, 234}));
    EXPECT_EQ(cab.PlaceRect(20, 0, nullptr), (SRect{12, 237, 35, 258}));
    EXPECT_EQ(cab.PlaceRect(34, 0, nullptr), (SRect{41, 237, 155, 258}));
    EXPECT_EQ(cab.PlaceRect(53, 0, nullptr), (SRect{161, 384, 211, 405}));
    EXPECT_EQ(cab.PlaceRect(54, 0, nullptr), (SRect{239, 33, 300, 55}));
    EXPECT_EQ(cab.PlaceRect(66, 0, nullptr), (SRect{-80, 60, 0, 415}));
    EXPECT_EQ(cab.PlaceRect(68, 0, nullptr), (SRect{41, 237, 155, 404}));
    EXPECT_TRUE(cab.PlaceRect(70, 0, nullptr).Empty());
    // A six-place unit covers all six rows.
    EXPECT_EQ(cab.UnitRect(Numbered<CUnitKMC6>(3), 0), (SRect{12, 279, 35, 405}));
    EXPECT_TRUE(cab.UnitRect(Numbered<CUnitKTrx>(13), 0).Empty());
}

TEST(Cabinets, LocationTexts) {
    CCabinetKIndoor cab;
    EXPECT_EQ(cab.LocationText(Numbered<CUnitKMC6>(3)), "4 /  2 /  9");
    EXPECT_EQ(cab.LocationText(Numbered<CUnitKMC6>(2)), "4 /  2 /  7");
    EXPECT_EQ(cab.LocationText(Numbered<CUnitKTrx>(11)), "5 /  2 / 11");
    EXPECT_EQ(cab.LocationText(Numbered<CUnitKBOI>(1)), "2 /  1 /  7");
    EXPECT_EQ(cab.LocationText(Numbered<CUnitKRTC>(2)), "6 /  2 /  7");
    EXPECT_EQ(cab.LocationText(Numbered<CUnitKMHA>(5)), "Mast / Ant 5");
    EXPECT_EQ(cab.LocationText(CUnitKExtKettra()), "- /  1 /  1");
}

TEST(Cabinets, TrxStatusMarks) {
    SPoint p;
    CCabinetKIndoor indoor;
    ASSERT_TRUE(indoor.TrxStatusMarkPosition(8, p));
    EXPECT_EQ(p, (SPoint{74, 47}));
    EXPECT_FALSE(indoor.TrxStatusMarkPosition(13, p));
    CCabinetKOutdoor outdoor;
    ASSERT_TRUE(outdoor.TrxStatusMarkPosition(1, p));
    EXPECT_EQ(p, (SPoint{55, 30}));
    CCabinetKMidi midi;
    EXPECT_FALSE(midi.TrxStatusMarkPosition(7, p));
    CCabinetKMidiOutdoor midiOut;
    ASSERT_TRUE(midiOut.TrxStatusMarkPosition(2, p));
    EXPECT_EQ(p, (SPoint{83, 37}));
}

TEST(Cabinets, CopyKeepsClassAndSettings) {
    CCabinetKMidiOutdoor cab;
    cab.SetVariant(2);
    cab.SetPlacement({1, 2, 3, 4});
    cab.SetExtra(5);
    cab.SetDescriptionText("roof");
    auto copy = cab.Copy();
    auto* c = dynamic_cast<CCabinetKMidiOutdoor*>(copy.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Variant(), 2);
    EXPECT_EQ(c->Placement(), (SRect{1, 2, 3, 4}));
    EXPECT_EQ(c->Extra(), 5);
    EXPECT_EQ(c->Name(), "Orvik Midi Outdoor");
    EXPECT_EQ(c->DescriptionText(), "roof");
}
