#pragma once
// A site whose transceivers, combiners and multicouplers tests wire up through references,
// with helpers to look at the cables the rules built.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "FakeSiteHost.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

class CablingTest : public ::testing::Test {
protected:
    void SetUp() override {
        CBtsConfiguration::Drop();
        for (const auto& u : Db().Units()) {
            u->SetUpgrade(false);
        }
    }
    void TearDown() override { CBtsConfiguration::Drop(); }

    CDataBaseKODA& Db(int selector = kSelectCandidate) { return *site.GetKODA(selector); }
    CCableGuyKODA& Guy() { return static_cast<CCableGuyKODA&>(*site.CableGuy()); }
    CUnitKTrx& Trx(int n, int selector = kSelectCandidate) {
        return *Db(selector).Find<CUnitKTrx>(kUnitKindTrx, n);
    }
    STrxCabling& Refs(int n) { return Trx(n).Cabling(); }

    template <class T> T* Add(int number, int selector = kSelectCandidate) {
        auto unit = std::make_unique<T>();
        unit->SetNumber(number);
        T* raw = unit.get();
        Db(selector).AddUnit(std::move(unit));
        return raw;
    }
    // DDU by its displayed number (backplane connector).
    CUnitKDDU* AddDdu(int shown, int selector = kSelectCandidate) {
        return Add<CUnitKDDU>(2 * shown - 1, selector);
    }
    void Rebuild(int selector = kSelectCandidate) { Guy().RebuildCables(selector, 0); }

    // The ordinary (non-marker) cables from one unit to another.
    std::vector<const CCabling*> Between(const CUnit* from, const CUnit* to,
                                         int selector = kSelectCandidate) {
        std::vector<const CCabling*> out;
        for (const auto& c : Db(selector).Cables()) {
            if (!c->IsMarker() && c->Start() == from && c->End() == to) {
                out.push_back(c.get());
            }
        }
        return out;
    }
    int Markers(int selector = kSelectCandidate) {
        int n = 0;
        for (const auto& c : Db(selector).Cables()) {
            n += c->IsMarker() ? 1 : 0;
        }
        return n;
    }
    // Everything that identifies a cable, units by kind and number.
    using Row = std::tuple<int, int, int, int, int, int, int, int, bool, bool, int>;
    std::vector<Row> Describe(const CDataBase& db) {
        std::vector<Row> rows;
        for (const auto& c : db.Cables()) {
            int flags = 0;
            for (int t = 1; t <= 12; ++t) {
                flags |= c->FlaggedFor(t) ? 1 << t : 0;
            }
            rows.emplace_back(c->Start()->Kind(), c->Start()->Number(), c->StartKind(),
                              c->StartIndex(), c->End()->Kind(), c->End()->Number(), c->EndKind(),
                              c->EndIndex(), c->IsMarker(), c->Changed(), flags);
        }
        return rows;
    }

    CFakeSiteHost host;
    CSiteKODA site{&host, &host};
};
