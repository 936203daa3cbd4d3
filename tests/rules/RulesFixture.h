#pragma once
// A new Orvik site with its scheme grid, as the wizard starts one.

#include <gtest/gtest.h>

#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "rules/KodaConfig.h"
#include "rules/KodaConfigMaster.h"

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override { CBtsConfiguration::Drop(); }
    void TearDown() override { CBtsConfiguration::Drop(); }

    CDataBase& Db() { return *site.GetConfiguration(kSelectCandidate); }
    const STrxCabling& Refs(int trx) {
        static const STrxCabling none;
        const CUnitKTrx* unit = grid.Trx(trx);
        return unit == nullptr ? none : unit->Cabling();
    }
    bool Has(int kind, int number) { return Db().FindUnit(kind, number) != nullptr; }
    int CountOf(int kind) {
        int count = 0;
        for (const auto& u : Db().Units()) {
            count += u->Kind() == kind ? 1 : 0;
        }
        return count;
    }

    CSiteKODA site;
    CKodaConfigMaster grid{site};
};
