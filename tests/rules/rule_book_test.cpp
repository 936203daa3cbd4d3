// The Orvik wiring rules between a transceiver and the multicoupler or RTC serving it.
#include <gtest/gtest.h>

#include "model/SiteKODA.h"
#include "rules/RuleBook.h"

namespace {

std::unique_ptr<CUnit> Unit(int kind, int number) {
    auto unit = CSiteKODA::CreateUnitOfKind(kind);
    unit->SetNumber(number);
    return unit;
}

class RuleBookTest : public ::testing::Test {
protected:
    SVerdict Check(int kindA, int numberA, int kindB, int numberB) {
        auto a = Unit(kindA, numberA);
        auto b = Unit(kindB, numberB);
        SVerdict v = book.CheckCable(*a, *b);
        v.unitA = v.unitB = nullptr;
        return v;
    }
    CRuleBookKODA book;
};

TEST_F(RuleBookTest, CableToItselfIsAWarning) {
    auto trx = Unit(kUnitKindTrx, 1);
    const SVerdict v = book.CheckCable(*trx, *trx);
    EXPECT_EQ(v.code, 3);
    EXPECT_EQ(v.severity, kSeverityWarning);
    EXPECT_EQ(v.message, "Cabling between same units.");
    EXPECT_EQ(v.unitA, trx.get());
}

TEST_F(RuleBookTest, SixWayMulticouplerServesItsHalf) {
    SVerdict v = Check(kUnitKindTrx, 7, kUnitKindMc6, 1);
    EXPECT_EQ(v.code, 200);
    EXPECT_EQ(v.severity, kSeverityCritical);
    EXPECT_EQ(v.port, 1);
    EXPECT_EQ(v.action, "Reconnect.");
    // Whichever end the transceiver is.
    EXPECT_EQ(Check(kUnitKindMc6, 2, kUnitKindTrx, 6).code, 200);
    v = Check(kUnitKindMc6, 2, kUnitKindTrx, 12);
    EXPECT_EQ(v.code, 0);
    EXPECT_EQ(v.port, 6);
    EXPECT_EQ(Check(kUnitKindTrx, 6, kUnitKindMc6, 1).code, 0);
}

TEST_F(RuleBookTest, TwoWayMulticouplerServesItsPair) {
    SVerdict v = Check(kUnitKindTrx, 3, kUnitKindMc2, 3);
    EXPECT_EQ(v.code, 0);
    EXPECT_EQ(v.port, 1);
    v = Check(kUnitKindTrx, 4, kUnitKindMc2, 3);
    EXPECT_EQ(v.code, 0);
    EXPECT_EQ(v.port, 2);
    EXPECT_EQ(Check(kUnitKindTrx, 5, kUnitKindMc2, 3).code, 200);
    EXPECT_EQ(Check(kUnitKindTrx, 2, kUnitKindMc2, 3).code, 200);
    // An even multicoupler number turns the ports round.
    EXPECT_EQ(Check(kUnitKindTrx, 3, kUnitKindMc2, 2).port, 2);
}

TEST_F(RuleBookTest, RtcServesItsHalf) {
    SVerdict v = Check(kUnitKindTrx, 3, kUnitKindRtc, 2);
    EXPECT_EQ(v.code, 201);
    EXPECT_EQ(v.port, 3);
    EXPECT_EQ(v.message, "RVx TX must be connected directly to RTC left of it.");
    EXPECT_EQ(Check(kUnitKindTrx, 9, kUnitKindRtc, 1).code, 201);
    EXPECT_EQ(Check(kUnitKindTrx, 9, kUnitKindRtc, 2).code, 0);
}

TEST_F(RuleBookTest, OtherPairsAreAccepted) {
    EXPECT_EQ(Check(kUnitKindMc2, 1, kUnitKindDdu, 1).code, 0);
    EXPECT_EQ(Check(kUnitKindTrx, 9, kUnitKindDdu, 1).code, 0);
    EXPECT_EQ(Check(kUnitKindWbc, 1, kUnitKindRtc, 2).code, 0);
    EXPECT_EQ(Check(kUnitKindTrx, 1, kUnitKindTrx, 7).code, 0);
    const SVerdict ok = Check(kUnitKindTrx, 1, kUnitKindBoi, 1);
    EXPECT_EQ(ok.severity, kSeverityOk);
    EXPECT_EQ(ok.message, "OK");
}

TEST_F(RuleBookTest, VerdictTables) {
    SVerdict v;
    book.EmptyVerdict(v);
    EXPECT_EQ(v.code, -1);
    EXPECT_EQ(v.severity, -1);
    EXPECT_TRUE(book.SetVerdict(2, v));
    EXPECT_EQ(v.message, "Critical");
    // An unknown code leaves what was there.
    EXPECT_FALSE(book.SetVerdict(150, v));
    EXPECT_EQ(v.message, "Critical");
    const CRuleBook base;
    EXPECT_FALSE(base.SetVerdict(200, v));
    EXPECT_TRUE(book.SetVerdict(200, v));
    auto a = Unit(kUnitKindTrx, 7);
    auto b = Unit(kUnitKindMc6, 1);
    EXPECT_EQ(base.CheckCable(*a, *b).code, -1);
    EXPECT_STREQ(SeverityWord(kSeverityCritical), "Critical");
    EXPECT_STREQ(SeverityWord(9), "");
}

} // namespace
