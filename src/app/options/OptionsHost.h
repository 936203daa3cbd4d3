#pragma once
// What the option pages need from the rest of the program: message boxes, the active
// connection, the document's BTS connection setting, and the notifications the pages
// exchange through the main frame.

#include <string>

// The BTS connection in use; kind 2 is a local one on `comPort`.
struct SActiveConnection {
    static constexpr int kRemote = 1;
    static constexpr int kLocal = 2;
    int kind = 0;
    int comPort = 0;
};

class IOptionsHost {
public:
    virtual ~IOptionsHost() = default;

    virtual void Warning(const std::string& text) = 0; // exclamation icon
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual SActiveConnection ActiveConnection() const = 0;
    // Whether the document follows the BTS connection setting, and telling it to.
    virtual bool DocumentAppliesBtsConnection() const = 0;
    virtual void ApplyBtsConnectionSetting() = 0;
    virtual void NotifyBtsConnectionSettingChanged() = 0;
    virtual void NotifyBarCodeSettingChanged() = 0;
};
