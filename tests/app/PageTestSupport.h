#pragma once
// A small Orvik candidate for the page controller tests, a prompt that answers from a script,
// and the JSON through which candidates are compared before and after an edit.

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/document/CandidateJson.h"
#include "app/pages/PageDocument.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

struct ScriptedPrompt : IPrompt {
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<bool> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

class PageTest : public ::testing::Test {
protected:
    PageTest() : site(&host, &prompt) {}

    CDataBaseKODA& Db() { return *site.GetKODA(kSelectCandidate); }
    std::string Json() { return CandidateJson(site, "page test").dump(); }
    std::string Label() { return Db().Name(); }

    CUnit& AddUnit(int kind, int number, int typeId) {
        auto unit = CSiteKODA::CreateUnitOfKind(kind);
        unit->SetType(typeId);
        unit->SetNumber(number);
        CUnit* raw = unit.get();
        site.AddUnit(std::move(unit), false, kSelectCandidate);
        return *raw;
    }
    CUnitKTrx& Trx(int number) { return *Db().Find<CUnitKTrx>(kUnitKindTrx, number); }
    // Makes transceivers 1..count part of the configuration, as a file or the BTS would.
    void InstallTrxs(int count) {
        for (int n = 1; n <= count; ++n) {
            Trx(n).SetUpgrade(false);
        }
    }
    // Two DDUs (ports 1-4), WBCs 5 and 6, WBT 7 (inputs 43-45), 2-way multicoupler 1 and
    // 6-way multicoupler 2 (8), each in a place of its own, and four transceivers in use.
    void BuildCabinet() {
        AddUnit(kUnitKindDdu, 1, 44);
        AddUnit(kUnitKindDdu, 3, 44);
        AddUnit(kUnitKindWbc, 5, 47);
        AddUnit(kUnitKindWbc, 6, 47);
        AddUnit(kUnitKindWbt, 7, 66);
        AddUnit(kUnitKindMc2, 1, 34);
        AddUnit(kUnitKindMc6, 2, 36);
        InstallTrxs(4);
        site.CableGuy()->RecomputeCableStates(kSelectCandidate);
    }
    // The cables follow references set by hand, as they do after every edit.
    void Settle() { site.CableGuy()->RecomputeCableStates(kSelectCandidate); }
    // The candidate as the command line dumps it, after the cables have followed.
    std::string Before() {
        Settle();
        return Json();
    }
    // Undo must give back exactly what the edit started from.
    void ExpectUndoGives(const std::string& before) {
        ASSERT_EQ(site.Undo(kSelectCandidate), 1);
        ExpectSameJson(Json(), before);
    }
    // Names where two dumps part, instead of printing both whole.
    static void ExpectSameJson(const std::string& actual, const std::string& expected) {
        if (actual == expected) {
            return;
        }
        std::size_t at = 0;
        while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
            ++at;
        }
        const std::size_t from = at > 120 ? at - 120 : 0;
        ADD_FAILURE() << "dumps differ at " << at << ":\n  actual:   " << actual.substr(from, 240)
                      << "\n  expected: " << expected.substr(from, 240);
    }

    CNullSiteHost host;
    ScriptedPrompt prompt;
    CSiteKODA site;
    CCountingPageDocument document;
};
