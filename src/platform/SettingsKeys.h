#pragma once
// Every setting the program keeps: its section, entry and the value a reader assumes when the
// store has none. Readers go through these so that a key is spelt and defaulted in one place.

#include "platform/Registry.h"

#include <cstdint>
#include <string>

namespace settings {

inline constexpr const char* kInitialization = "Initialization";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kWizard = "Wizard";
inline constexpr const char* kPrintDefaults = "PrintDefaults";
inline constexpr const char* kMainWnd = "MainWnd";
inline constexpr const char* kPropWnd = "PropWnd";
// Serial device overrides: entry "COM<n>", value a device path (docs/serial-ports.md).
inline constexpr const char* kSerialPorts = "SerialPorts";

struct IntKey {
    const char* section;
    const char* entry;
    int readDefault;
};

// Text keys flagged usesDocumentsFolder default to the user's documents folder, which only the
// application knows; their readDefault is empty.
struct TextKey {
    const char* section;
    const char* entry;
    const char* readDefault;
    bool usesDocumentsFolder = false;
};

inline constexpr IntKey kEnableBTS{kInitialization, "EnableBTS", 1};
inline constexpr IntKey kComPort{kInitialization, "ComPort", 1};
// Stored as list index + 1. The link and the options page read it through this key alone, so a
// fresh install shows the speed the link runs at: 5, the highest (115200).
inline constexpr IntKey kMaxUARTSpeed{kInitialization, "MaxUARTSpeed", 5};
inline constexpr IntKey kUARTEnable{kInitialization, "UARTEnable", 0};
inline constexpr IntKey kUARTPort{kInitialization, "UARTPort", 1};
inline constexpr IntKey kUARTSpeed{kInitialization, "UARTSpeed", 4};
inline constexpr IntKey kUARTParity{kInitialization, "UARTParity", 1};
inline constexpr IntKey kUARTDataBits{kInitialization, "UARTDataBits", 2};
inline constexpr IntKey kUARTStopBits{kInitialization, "UARTStopBits", 0};
inline constexpr IntKey kPassiveUnitValidationOption{kInitialization, "PassiveUnitValidationOption",
                                                     0};

inline constexpr IntKey kViewSettings{kSettings, "ViewSettings", 5};
inline constexpr TextKey kSCFPath{kSettings, "SCFPath", "", true};
inline constexpr TextKey kLastSCF{kSettings, "LastSCF", ""};
inline constexpr TextKey kHWInfoDir{kSettings, "HWInfoDir", "", true};
inline constexpr TextKey kDefaultReportDir{kSettings, "DefaultReportDir", "", true};
inline constexpr TextKey kNewSCFTemplates{kSettings, "NewSCFTemplates", "Configs"};
// "OrvikColor1" ... "OrvikColor10": the cable colours, unselected and selected for TX, RX main,
// RX diversity, BB2-RVx and antenna cabling, as stored (0x00BBGGRR). The options page and the
// views both default to these.
inline constexpr const char* kOrvikColorFormat = "OrvikColor%d";
inline constexpr int kOrvikColorCount = 10;
inline constexpr std::uint32_t kOrvikColorDefaults[kOrvikColorCount] = {
    0x008000, 0x00FF00, 0x000080, 0x0000FF, 0x800000,
    0xFF0000, 0x808000, 0xFFFF00, 0x008080, 0x00FFFF};

inline constexpr IntKey kDefaultSearch{kWizard, "DefaultSearch", 0};
// "ComboDir0" ... "ComboDir9": the wizard's folder history.
inline constexpr const char* kComboDirFormat = "ComboDir%d";
inline constexpr int kComboDirCount = 10;

inline constexpr IntKey kPrintStyle{kPrintDefaults, "PrintStyle", 1};
// Any other print option: -1 means not stored.
inline constexpr int kPrintOptionNotStored = -1;

inline constexpr IntKey kMainWinFlags{kMainWnd, "WinFlags", 3};
inline constexpr IntKey kMainShowWindow{kMainWnd, "ShowWindow", 2};
inline constexpr IntKey kMainX{kMainWnd, "x", -1};
inline constexpr IntKey kMainY{kMainWnd, "y", -1};
inline constexpr IntKey kMainCx{kMainWnd, "cx", -1};
inline constexpr IntKey kMainCy{kMainWnd, "cy", -1};
inline constexpr IntKey kPropX{kPropWnd, "x", -1};
inline constexpr IntKey kPropY{kPropWnd, "y", -1};

inline int Read(const CRegistry& store, const IntKey& key) {
    return store.GetInt(key.section, key.entry, key.readDefault);
}
inline void Write(CRegistry& store, const IntKey& key, int value) {
    store.SetInt(key.section, key.entry, value);
}
// `documentsFolder` stands in for the default of keys that use it.
inline std::string Read(const CRegistry& store, const TextKey& key,
                        const std::string& documentsFolder = {}) {
    return store.GetString(key.section, key.entry,
                           key.usesDocumentsFolder ? documentsFolder : key.readDefault);
}
inline void Write(CRegistry& store, const TextKey& key, const std::string& value) {
    store.SetString(key.section, key.entry, value);
}

} // namespace settings
