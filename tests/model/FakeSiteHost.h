#pragma once
// A document and user stand-in for site tests: records what the site tells it and answers
// questions from a script.

#include <deque>
#include <string>
#include <vector>

#include "files/SiteRecords.h"
#include "model/SiteHost.h"

class CFakeSiteHost : public ISiteHost, public IPrompt {
public:
    void LogEvent(const std::string& line) override { log.push_back(line); }
    void SetModified() override { ++modified; }
    // As a document does: the record the configuration came from loses a deleted unit's record.
    void UnitDeleted(int kind, int number) override {
        if (record != nullptr) {
            ForgetUnitRecord(*record, kind, number);
        }
    }
    void RefreshViews() override { ++refreshes; }
    void NotifyMainWindow(int n, int value) override {
        notifications.push_back(n);
        notificationValues.push_back(value);
    }
    int ViewSelection() const override { return selection; }
    void ResetPassiveUnits() override { ++passiveResets; }
    void StartDownload(bool) override { ++downloads; }

    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> log;
    int modified = 0;
    CSCFSite* record = nullptr;
    int refreshes = 0;
    std::vector<int> notifications;
    std::vector<int> notificationValues;
    int selection = 1;
    int passiveResets = 0;
    int downloads = 0;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};
