#pragma once
// The settings store that every part of the program reads and writes its settings through, in
// sections and entries. Which store backs it is decided once per process: the persistent one
// when this copy may save settings, otherwise a transient layer that forgets changes at exit.

#include <functional>
#include <memory>
#include <string>

class CRegistry {
public:
    virtual ~CRegistry() = default;

    // Without a section the entry is in "Initialization".
    void SetString(const std::string& section, const std::string& entry, const std::string& value) {
        StoreString(section, entry, value);
    }
    void SetString(const std::string& entry, const std::string& value) {
        StoreString(kInitialization, entry, value);
    }
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& defaultValue) const {
        return LoadString(section, entry, defaultValue);
    }
    std::string GetString(const std::string& entry, const std::string& defaultValue) const {
        return LoadString(kInitialization, entry, defaultValue);
    }
    // The stored text, or the entry's built-in default when none is stored or it is empty.
    std::string GetStringOrDefault(const std::string& entry) const;
    void SetInt(const std::string& section, const std::string& entry, int value) {
        StoreInt(section, entry, value);
    }
    void SetInt(const std::string& entry, int value) { StoreInt(kInitialization, entry, value); }
    int GetInt(const std::string& section, const std::string& entry, int defaultValue) const {
        return LoadInt(section, entry, defaultValue);
    }
    // The stored number, or the entry's built-in default when none is stored or it is -1.
    int GetIntOrDefault(const std::string& entry) const;

    // The process-wide store, created on the first call from the decision of
    // SetRegistryWriteAccess. Called before that decision it reports the fact through the
    // message sink and goes on as without write access.
    static CRegistry& Instance();

    static constexpr const char* kInitialization = "Initialization";

protected:
    // What a store implements: texts and numbers by section and entry. Every other operation
    // is one of these, so that the stores cannot come to disagree on the short forms and the
    // defaults.
    virtual void StoreString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;
    virtual std::string LoadString(const std::string& section, const std::string& entry,
                                   const std::string& defaultValue) const = 0;
    virtual void StoreInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual int LoadInt(const std::string& section, const std::string& entry,
                        int defaultValue) const = 0;
};

// Records whether this process may save settings. Only the first call before Instance() counts.
void SetRegistryWriteAccess(bool canWrite);
bool RegistryWriteAccessDecided();
bool RegistryWriteAccess();

// Makes the persistent store; the application installs one that writes its settings file.
// Without one, the persistent store lives in memory.
using RegistryFactory = std::function<std::unique_ptr<CRegistry>()>;
void SetPersistentRegistryFactory(RegistryFactory factory);

// Where Instance() reports misuse; by default to standard error.
using RegistryMessageSink = std::function<void(const std::string&)>;
void SetRegistryMessageSink(RegistryMessageSink sink);

// Tests only: forgets the store, the decision, the factory and the sink.
void ResetRegistryForTests();

// Built-in defaults of GetIntOrDefault (0 for unknown entries) and GetStringOrDefault (empty).
int BuiltInIntDefault(const std::string& entry);
std::string BuiltInStringDefault(const std::string& entry);
