#pragma once
// A document over scripted windows and a scripted BTS link that also answers the wizard's BTS
// commands, with a wizard sheet model on it.

#include "DocumentTestSupport.h"
#include "app/wizard/WizardSheetModel.h"
#include "model/Strings.h"

struct WizardLink : ScriptedLink {
    int bcf = -1;
    int crossConnectionResult = 0;
    int autodetectResult = 0;
    std::vector<std::vector<int>> tables;
    int autodetects = 0;
    bool passiveFetched = true;
    bool passiveSent = true;
    int passiveSends = 0;

    int BcfState() const override { return bcf; }
    int SendCrossConnectionTable(std::span<const int> trxOfHalf) override {
        tables.emplace_back(trxOfHalf.begin(), trxOfHalf.end());
        return crossConnectionResult;
    }
    int RequestAutodetect() override {
        ++autodetects;
        return autodetectResult;
    }
    bool FetchPassive(CSiteKODA&, CHWInfoFile&) override { return passiveFetched; }
    // The result in the event log as the real transfer writes it.
    bool SendPassive(CSiteKODA& site, CHWInfoFile&) override {
        ++passiveSends;
        site.Host().LogEvent(std::string(LoadString(passiveSent ? 64090 : 64093)));
        return passiveSent;
    }
};

struct WizardFixture : BasicDocumentFixture<WizardLink> {
    std::unique_ptr<CWizardSheetModel> sheet;

    explicit WizardFixture(bool updateOnly = false)
        : BasicDocumentFixture("cabrion-wizard-", true) {
        sheet = std::make_unique<CWizardSheetModel>(*doc, windows, settings, updateOnly);
    }
    std::vector<std::string> Events() const {
        std::vector<std::string> texts;
        for (const auto& e : windows.events) {
            texts.push_back(e.second);
        }
        return texts;
    }
};
