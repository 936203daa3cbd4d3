#include "UplinkTestSupport.h"

#include "comms/ObjectMaps.h"
#include "model/DataBase.h"
#include "model/UnitTypeRecord.h"

namespace {

using namespace uplinktest;

class UplinkParser : public UplinkFixture {};

TEST_F(UplinkParser, BtsReportedOnceAndRepeatsAreRejected) {
    parser.Parse(BtsReported());
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0], "Received message: Orvik BTS reported.");
    EXPECT_TRUE(server.Supported());
    EXPECT_NE(server.Objects().FirstOfClass(objects::kClassBtsReported), nullptr);
    const size_t objects = server.Objects().Objects().size();

    parser.Parse(Message(0x82, {Element(19, {21})}));
    ASSERT_EQ(host.lines.size(), 3u);
    EXPECT_EQ(host.lines[2], "  Message rejected because it has already been received");
    EXPECT_TRUE(server.Supported());
    EXPECT_EQ(server.Objects().Objects().size(), objects);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(UplinkParser, UnsupportedBtsTypeStopsTheConnectionAndGatesMessages) {
    parser.Parse(BtsReported(21));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Cabrion supports only\nconnection to Orvik EDGE BTS.");
    EXPECT_TRUE(server.unsupported);
    EXPECT_EQ(hub.Server(), nullptr);
    parser.Parse(Message(0xD2, {Status(1, 1, false, 4)}));
    EXPECT_EQ(server.Objects().FirstOfClass(objects::kClassBcf), nullptr);
}

TEST_F(UplinkParser, MessagesBeforeTheBcfAreIgnored) {
    parser.Parse(Message(0xD2, {Status(1, 1, false, 4)}));
    EXPECT_TRUE(server.Objects().Objects().empty());
    parser.Parse(BtsReported());
    // Without a BCF in the equipment list, nothing but another report is taken.
    parser.Parse(Message(0xD5, {Element(279, {1})}));
    EXPECT_EQ(server.Objects().FirstOfClass(objects::kClassBcf), nullptr);
}

TEST_F(UplinkParser, BcfStateReachesTheLogAndTheLogicalUnit) {
    parser.Parse(BtsReportedWithBcf());
    host.lines.clear();
    parser.Parse(Message(0xD2, {Status(1, 1, false, 4)}));
    ASSERT_EQ(host.lines.size(), 2u);
    EXPECT_EQ(host.lines[0], "Received message: Device state has changed.");
    EXPECT_EQ(host.lines[1], "  BCF state: Commissioning");
    CObjectData* bcf = server.Objects().FirstOfClass(objects::kClassBcf);
    ASSERT_NE(bcf, nullptr);
    EXPECT_EQ(bcf->state, 9);
    CLogicalUnit* logical = server.Objects().LinkedLogicalUnit(*bcf);
    ASSERT_NE(logical, nullptr);
    EXPECT_EQ(logical->State(), 9);
}

class UplinkReported : public UplinkFixture {
protected:
    void SetUp() override {
        UplinkFixture::SetUp();
        Report(8);
        host.lines.clear();
    }
    CObjectData* Bcf() { return server.Objects().FirstOfClass(objects::kClassBcf); }
};

TEST_F(UplinkReported, BackgroundDownloadMovesWorkingStates) {
    parser.Parse(Message(0xD2, {Status(4, 1, false, 96), Status(4, 2, false, 96)}));
    server.masterTrx = 1;
    parser.Parse(Message(0xD5, {Element(279, {1})}));
    EXPECT_EQ(Bcf()->state, 10);
    parser.Parse(Message(0xD5, {Element(279, {2})}));
    EXPECT_EQ(Bcf()->state, 0);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 1)->state, 0);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 2)->state, 10);
    parser.Parse(Message(0xD5, {Element(279, {1})}));
    parser.Parse(Message(0xD5, {Element(279, {0})}));
    EXPECT_EQ(Bcf()->state, 0);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 2)->state, 0);
    // While the flag is set, a reported supervisory state shows as background loading.
    parser.Parse(Message(0xD5, {Element(279, {1})}));
    parser.Parse(Message(0xD2, {Status(1, 1, false, 8)}));
    EXPECT_EQ(Bcf()->state, 10);
}

TEST_F(UplinkReported, DeviceStatusCreatesAndLosesUnits) {
    parser.Parse(Message(0xD2, {Status(4, 3, false, 64), Status(155, 5, false, 0)}));
    CObjectData* trx = server.Objects().Find(objects::kClassTrx, 3);
    ASSERT_NE(trx, nullptr);
    EXPECT_EQ(trx->state, 1);
    // A DDU is reported by its first half; it is DDU 3 and found by either half.
    CObjectData* ddu = server.Objects().Find(objects::kClassDdu, 6);
    ASSERT_NE(ddu, nullptr);
    EXPECT_EQ(ddu->index, 3);
    EXPECT_NE(CBtsConfiguration::Get()->FindUnitByDisplayedNumber(kUnitKindDdu, 3), nullptr);
    EXPECT_EQ(host.lines.back(), "  " + ddu->name + " found");

    host.lines.clear();
    const std::string name = trx->name;
    parser.Parse(Message(0xD2, {Status(4, 3, true, 0)}));
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 3), nullptr);
    ASSERT_EQ(host.lines.size(), 2u);
    EXPECT_EQ(host.lines[1], "  " + name + " lost");
}

TEST_F(UplinkReported, PairedUnitsStayWhileOneHalfIsPresent) {
    parser.Parse(Message(0xD2, {Status(151, 1, false, 0), Status(151, 2, false, 0x10)}));
    CObjectData* pair = server.Objects().Find(objects::kClassPaired, 2);
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->halfStatus[0], 1);
    EXPECT_EQ(pair->halfStatus[1], 3);
    parser.Parse(Message(0xD2, {Status(151, 1, true, 0)}));
    EXPECT_EQ(server.Objects().Find(objects::kClassPaired, 1), pair);
    EXPECT_EQ(pair->halfStatus[0], 3);
    parser.Parse(Message(0xD2, {Status(151, 2, true, 0)}));
    EXPECT_EQ(server.Objects().Find(objects::kClassPaired, 1), nullptr);
}

TEST_F(UplinkReported, TrxTypeBandAndRemoval) {
    struct CBandHost : CRecordingHost {
        using CRecordingHost::CRecordingHost;
        void AddBtsBand(int bits) override { bands |= bits; }
        int bands = 0;
    } bandHost(&site);
    server.SetHost(&bandHost);
    parser.HandleTrxType(Element(128, {}));
    const Bytes trx2 = Element(128, [] {
        Bytes v = Element(19, {18});
        const Bytes o = Object(4, 2);
        v.insert(v.end(), o.begin(), o.end());
        return v;
    }());
    parser.HandleTrxType(trx2);
    CObjectData* trx = server.Objects().Find(objects::kClassTrx, 2);
    ASSERT_NE(trx, nullptr);
    EXPECT_EQ(trx->bandCode, 18);
    EXPECT_EQ(bandHost.bands, 2);
    Bytes remove = trx2;
    remove[6] = 20;
    parser.HandleTrxType(remove);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 2), nullptr);
    server.SetHost(&host);
}

TEST_F(UplinkReported, AlarmsSetAndClear) {
    parser.Parse(Message(0xD2, {Status(4, 1, false, 96)}));
    const Bytes raise =
        Message(0xAE, {Element(50, {0, 0x08, 0x72, 1}), Object(4, 1), Element(75, {1})});
    parser.Parse(raise);
    CObjectData* trx = server.Objects().Find(objects::kClassTrx, 1);
    EXPECT_EQ(trx->alarm, 2);
    EXPECT_TRUE(trx->alarm7208);
    parser.Parse(Message(0xAE, {Element(50, {0, 0x08, 0x72, 0}), Object(4, 1)}));
    EXPECT_EQ(trx->alarm, 0);
    EXPECT_FALSE(trx->alarm7208);
}

TEST_F(UplinkReported, InformationStatusFields) {
    parser.Parse(Message(0xD2, {Status(4, 1, false, 96), Status(4, 2, false, 96)}));
    parser.Parse(Message(0xD5, {Element(80, {1, 1, 2}), Element(257, {1, 1, 0, 1}),
                                Element(72,
                                        [] {
                                            Bytes v = Object(4, 2);
                                            const Bytes a = Element(10, {0x10, 0x02});
                                            v.insert(v.end(), a.begin(), a.end());
                                            return v;
                                        }()),
                                Element(116, {0xEA, 0x07, 3, 14, 12, 30, 0}),
                                Element(260, {0, 0, 0, 0, 2})}));
    CObjectData* sector = server.Objects().Find(objects::kClassSector, 1);
    ASSERT_NE(sector, nullptr);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 2)->parentId, sector->id);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 2)->arfn, 0x210);
    EXPECT_TRUE(server.omuSignalling);
    EXPECT_TRUE(server.trxSignalling[0]);
    EXPECT_FALSE(server.trxSignalling[1]);
    EXPECT_NE(server.bscTime, -1);
    EXPECT_EQ(Bcf()->ovenState, 2);
    EXPECT_EQ(Bcf()->displayStatus, 1);
}

TEST(UplinkMaps, ClassesAndStates) {
    EXPECT_EQ(objects::ClassOfCode(150), 1);
    EXPECT_EQ(objects::ClassOfCode(152), 4);
    EXPECT_EQ(objects::ClassOfCode(205), 5);
    EXPECT_EQ(objects::ClassOfCode(99), 6);
    int state = 0;
    int display = 0;
    EXPECT_TRUE(objects::MapState(1, 4, state, display));
    EXPECT_EQ(objects::StateText(state), "Commissioning");
    EXPECT_TRUE(objects::MapState(4, 80, state, display));
    EXPECT_EQ(state, 4);
    EXPECT_TRUE(objects::MapState(12, 80, state, display));
    EXPECT_EQ(state, -1);
    EXPECT_EQ(display, 4);
    EXPECT_FALSE(objects::MapState(5, 16, state, display));
    EXPECT_EQ(objects::StateText(-1), "Unknown");
}

} // namespace
