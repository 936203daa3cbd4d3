#include "platform/Registry.h"

#include "platform/MemoryRegistry.h"
#include "platform/TransientRegistry.h"

#include <cstdio>
#include <mutex>
#include <string_view>

namespace {

struct RegistryState {
    std::recursive_mutex mutex;
    bool decided = false;
    bool canWrite = false;
    RegistryFactory factory;
    RegistryMessageSink sink;
    std::unique_ptr<CRegistry> store;
};

RegistryState& State() {
    static RegistryState state;
    return state;
}

std::unique_ptr<CRegistry> MakePersistent(RegistryState& s) {
    if (s.factory) {
        if (auto store = s.factory()) {
            return store;
        }
    }
    return std::make_unique<CMemoryRegistry>();
}

struct IntDefault {
    std::string_view entry;
    int value;
};
constexpr IntDefault kIntDefaults[] = {
    {"MaxUARTSpeed", 5},  {"ComPort", 1},           {"BarCodeComPort", 1}, {"SWVersionsX", 350},
    {"SWVersionsY", 250}, {"HWVersionsX", 440},     {"HWVersionsY", 250},  {"SiteInfoX", 738},
    {"SiteInfoY", 440},   {"MaxNumOfAlarms", 1000},
};

struct StringDefault {
    std::string_view entry;
    std::string_view value;
};
constexpr StringDefault kStringDefaults[] = {
    {"SWLoadPath", "c:\\"},          {"WorkingDirectory", "c:\\"}, {"BarCodeParity", "No"},
    {"AlarmLogPath", "OFF"},         {"TestLogPath", "OFF"},       {"EventsLogPath", "OFF"},
    {"UserName", "<<Not defined>>"},
};

} // namespace

std::string CRegistry::GetStringOrDefault(const std::string& entry) const {
    std::string value = GetString(entry, "");
    return value.empty() ? BuiltInStringDefault(entry) : value;
}

int CRegistry::GetIntOrDefault(const std::string& entry) const {
    const int value = GetInt(kInitialization, entry, -1);
    return value == -1 ? BuiltInIntDefault(entry) : value;
}

CRegistry& CRegistry::Instance() {
    RegistryState& s = State();
    std::lock_guard lock(s.mutex);
    if (!s.store) {
        if (!s.decided) {
            const std::string text =
                "CRegistry::Instance called before SetRegistryWriteAccess() called";
            if (s.sink) {
                s.sink(text);
            } else {
                std::fprintf(stderr, "%s\n", text.c_str());
            }
            s.decided = true;
            s.canWrite = false;
        }
        auto persistent = MakePersistent(s);
        if (s.canWrite) {
            s.store = std::move(persistent);
        } else {
            s.store = std::make_unique<CTransientRegistry>(std::move(persistent));
        }
    }
    return *s.store;
}

void SetRegistryWriteAccess(bool canWrite) {
    RegistryState& s = State();
    std::lock_guard lock(s.mutex);
    // Once the store exists its kind is fixed; a late change would only mislead callers.
    if (s.store) {
        return;
    }
    s.decided = true;
    s.canWrite = canWrite;
}

bool RegistryWriteAccessDecided() {
    std::lock_guard lock(State().mutex);
    return State().decided;
}

bool RegistryWriteAccess() {
    std::lock_guard lock(State().mutex);
    return State().canWrite;
}

void SetPersistentRegistryFactory(RegistryFactory factory) {
    std::lock_guard lock(State().mutex);
    State().factory = std::move(factory);
}

void SetRegistryMessageSink(RegistryMessageSink sink) {
    std::lock_guard lock(State().mutex);
    State().sink = std::move(sink);
}

void ResetRegistryForTests() {
    RegistryState& s = State();
    std::lock_guard lock(s.mutex);
    s.store.reset();
    s.decided = false;
    s.canWrite = false;
    s.factory = nullptr;
    s.sink = nullptr;
}

int BuiltInIntDefault(const std::string& entry) {
    for (const auto& d : kIntDefaults) {
        if (d.entry == entry) {
            return d.value;
        }
    }
    // "BarCodeMaxUARTSpeed", "BarCodeDatabits", "BarCodeStopbits", "BarCodeInUse",
    // "UseRDEnglish" and every other entry.
    return 0;
}

std::string BuiltInStringDefault(const std::string& entry) {
    for (const auto& d : kStringDefaults) {
        if (d.entry == entry) {
            return std::string(d.value);
        }
    }
    return {};
}
