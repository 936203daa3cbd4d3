#pragma once
// A document over scripted windows and a scripted BTS link that also answers the wizard's BTS
// commands, with a wizard sheet model on it.

#include "DocumentTestSupport.h"
#include "app/wizard/WizardSheetModel.h"

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
    bool SendPassive(CSiteKODA&, CHWInfoFile&) override {
        ++passiveSends;
        return passiveSent;
    }
};

struct WizardFixture {
    ScriptedWindows windows;
    WizardLink link;
    CMemoryRegistry settings;
    std::filesystem::path dir;
    std::unique_ptr<CBTSConfigurationDoc> doc;
    std::unique_ptr<CWizardSheetModel> sheet;

    explicit WizardFixture(bool updateOnly = false) {
        CBtsConfiguration::Drop();
        dir = std::filesystem::temp_directory_path() /
              ("cabrion-wizard-" + std::to_string(::getpid()) + "-" + std::to_string(++Counter()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        settings.SetInt("Initialization", "EnableBTS", 1);
        CBTSConfigurationDoc::SServices s;
        s.windows = &windows;
        s.link = &link;
        s.settings = &settings;
        s.documentsFolder = dir.string();
        s.clock = [] { return std::string("12:34:56"); };
        doc = std::make_unique<CBTSConfigurationDoc>(s);
        sheet = std::make_unique<CWizardSheetModel>(*doc, windows, settings, updateOnly);
    }
    ~WizardFixture() {
        sheet.reset();
        doc.reset();
        CBtsConfiguration::Drop();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    static int& Counter() {
        static int n = 0;
        return n;
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::vector<std::string> Events() const {
        std::vector<std::string> texts;
        for (const auto& e : windows.events) {
            texts.push_back(e.second);
        }
        return texts;
    }
};
