#pragma once
// A scripted stand-in for the windows and the BTS link of the document: questions are answered
// from a queue and recorded, sheets are driven by a function the test gives.

#include "app/document/BTSConfigurationDoc.h"
#include "app/document/NewSiteSheetModel.h"
#include "app/document/SaveSCFSheetModel.h"
#include "files/AtomicFile.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "platform/MemoryRegistry.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A file's bytes, empty when it cannot be read.
inline std::string Slurp(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

// A saved file read back as the document would read it.
inline std::unique_ptr<CSiteConfigFile> Reread(const std::string& path) {
    auto f = std::make_unique<CSiteConfigFile>();
    f->ReadBytes(Slurp(path));
    return f;
}

// The menu bar holds the command: the window lays its submenus out as the table has them.
inline bool InMenu(const CCommandTable& table, int id) {
    return std::any_of(table.Menus().begin(), table.Menus().end(), [id](const SCommandMenu& sub) {
        return std::find(sub.ids.begin(), sub.ids.end(), id) != sub.ids.end();
    });
}

struct ScriptedWindows : IDocumentWindows {
    // Every question and message in the order shown.
    std::vector<std::string> shown;
    std::vector<std::string> messages;
    std::vector<bool> questionIcons; // per Yes/No question: the question icon, else exclamation
    std::deque<EAnswer> answers;     // Yes/No questions take Yes or No; empty queue answers No
    std::deque<std::optional<std::string>> files;
    std::function<bool(CNewSiteSheetModel&)> newSiteSheet;
    std::function<bool(CSaveSCFSheetModel&)> saveSheet;
    std::optional<std::size_t> planSite = 0;
    std::vector<int> viewCommands;
    std::vector<std::tuple<int, int, int>> notifications;
    // Hands each notification on as it is sent, as the main window relays it to its windows.
    std::function<void(int, int, int)> relay;
    std::vector<std::pair<std::string, std::string>> events;
    std::vector<std::string> recent;
    std::vector<std::pair<std::string, std::string>> btsMessages;
    std::function<void()> duringQuestion;
    int frameRefreshes = 0;
    int menuRebuilds = 0;
    int newSheets = 0;
    int saveSheets = 0;

    EAnswer Next() {
        if (duringQuestion) {
            duringQuestion();
        }
        if (answers.empty()) {
            return EAnswer::No;
        }
        EAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Message(const std::string& text) override {
        shown.push_back(text);
        messages.push_back(text);
    }
    bool AskYesNo(const std::string& text, bool question) override {
        shown.push_back(text);
        questionIcons.push_back(question);
        return Next() == EAnswer::Yes;
    }
    EAnswer AskYesNoCancel(const std::string& text) override {
        shown.push_back(text);
        return Next();
    }
    std::vector<SFileDialog> dialogs;
    std::optional<std::string> ChooseFile(const SFileDialog& d) override {
        shown.push_back("[file] " + d.title);
        dialogs.push_back(d);
        if (files.empty()) {
            return std::nullopt;
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<std::size_t> ChoosePlanSite(const std::vector<std::string>&) override {
        return planSite;
    }
    bool RunNewSiteSheet(CNewSiteSheetModel& sheet) override {
        ++newSheets;
        return newSiteSheet ? newSiteSheet(sheet) : sheet.CanFinish();
    }
    bool RunSaveSheet(CSaveSCFSheetModel& sheet) override {
        ++saveSheets;
        return saveSheet ? saveSheet(sheet) : sheet.Finish();
    }
    void ShowBtsMessage(const std::string& m, const std::string& d) override {
        btsMessages.push_back({m, d});
    }
    void RefreshFrame() override { ++frameRefreshes; }
    void MenuRebuilt() override { ++menuRebuilds; }
    void RunViewCommand(int c) override { viewCommands.push_back(c); }
    void Notify(int m, int w, int l) override {
        notifications.push_back({m, w, l});
        if (relay) {
            relay(m, w, l);
        }
    }
    void CreateEventLog() override {}
    void AddEventLine(const std::string& t, const std::string& text) override {
        events.push_back({t, text});
    }
    void AddRecentFile(const std::string& p) override { recent.push_back(p); }

    // The view manager each time the windows were told it changed, as the document has it then.
    std::function<const void*()> currentManager;
    std::vector<const void*> managers;
    int redraws = 0;
    int selectionChanges = 0;
    void ViewManagerChanged() override {
        managers.push_back(currentManager ? currentManager() : nullptr);
    }
    void RedrawViews() override { ++redraws; }
    void ViewSelectionChanged() override { ++selectionChanges; }
};

struct ScriptedLink : IDocumentLink {
    bool up = false;
    bool active = false;
    int kind = 0;
    int comPort = 1;
    int bscId = 0;
    int bcfId = 0;
    std::string speed = "9600";
    bool sendingEnabled = true;
    bool sendSucceeds = true;
    std::vector<std::pair<int, std::string>> starts;
    int stops = 0;
    int sends = 0;
    bool throwOnParse = false;
    int parsed = 0;
    int objectResets = 0;

    bool IsLinkUp() const override { return up; }
    bool IsLocalLinkActive() const override { return active; }
    int ConnectionKind() const override { return kind; }
    int ComPort() const override { return comPort; }
    int BscId() const override { return bscId; }
    int BcfId() const override { return bcfId; }
    std::string SpeedText() const override { return speed; }
    bool Start(int k, const std::string& target) override {
        starts.push_back({k, target});
        kind = k;
        active = true;
        return true;
    }
    void Stop() override {
        ++stops;
        up = active = false;
        kind = 0;
    }
    bool SendingEnabled() const override { return sendingEnabled; }
    bool Send(CSiteKODA&, bool, CHWInfoFile&) override {
        ++sends;
        return sendSucceeds && up;
    }
    void ResetObjects() override { ++objectResets; }
    std::vector<int> maxSpeeds;
    std::vector<int> fetchedParts;
    void SetMaxSpeed(int index) override { maxSpeeds.push_back(index); }
    void FetchPart(CSiteKODA&, int step, CHWInfoFile*) override { fetchedParts.push_back(step); }
    void ParseUplink(const unsigned char*, size_t) override {
        ++parsed;
        if (throwOnParse) {
            throw std::runtime_error("bad message");
        }
    }
    void GoUp(int k) {
        kind = k;
        up = active = true;
    }
};

// A document over the scripted windows and a scripted link of the given kind, with settings in
// memory and a folder of its own.
template <class Link> struct BasicDocumentFixture {
    ScriptedWindows windows;
    Link link;
    CMemoryRegistry settings;
    std::filesystem::path dir;
    std::unique_ptr<CBTSConfigurationDoc> doc;

    BasicDocumentFixture(const std::string& folderPrefix, bool enableBts) {
        CBtsConfiguration::Drop();
        dir = std::filesystem::temp_directory_path() /
              (folderPrefix + std::to_string(::getpid()) + "-" + std::to_string(++Counter()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        settings.SetInt("Initialization", "EnableBTS", enableBts ? 1 : 0);
        CBTSConfigurationDoc::SServices s;
        s.windows = &windows;
        s.link = &link;
        s.settings = &settings;
        s.documentsFolder = dir.string();
        s.templatesFolder = (dir / "installed-templates").string();
        s.clock = [] { return std::string("12:34:56"); };
        doc = std::make_unique<CBTSConfigurationDoc>(s);
    }
    ~BasicDocumentFixture() {
        doc.reset();
        CBtsConfiguration::Drop();
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir, ec);
    }
    BasicDocumentFixture(const BasicDocumentFixture&) = delete;
    BasicDocumentFixture& operator=(const BasicDocumentFixture&) = delete;
    static int& Counter() {
        static int n = 0;
        return n;
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
};

// The document without a BTS connection wanted.
struct DocumentFixture : BasicDocumentFixture<ScriptedLink> {
    DocumentFixture() : BasicDocumentFixture("cabrion-doc-", false) {}
};

// A record of an Orvik configuration as a new site writes it.
inline std::unique_ptr<CSCFSite> OrvikRecord(const std::string& name, int swLevel = 31,
                                             int clockSync = 0) {
    CSiteKODA site;
    auto record = std::make_unique<CSCFSite>();
    record->name = name;
    CopySiteIntoRecord(site, *record);
    record->ucSwVersion = CUcSwVersion(swLevel);
    record->bcfClockSync = clockSync;
    record->cabinets.front().configDescription = name + " description";
    return record;
}

// Writes a site configuration file with the given records.
inline void WriteConfigurations(const std::string& path,
                                std::vector<std::unique_ptr<CSCFSite>> records) {
    CSiteConfigFile file;
    for (auto& r : records) {
        file.AddSite(std::move(r));
    }
    file.Write(path);
}
