#include "files/xml/XMLPlanTables.h"

#include "files/SCFCabinet.h"
#include "files/SCFValues.h"
#include "model/UnitTypeRecord.h"

#include <set>

namespace {

constexpr const char* kRack = "rack";
constexpr const char* kShelf = "shelf";
constexpr const char* kSlot = "slot";
constexpr const char* kSerial = "serialNo";
constexpr const char* kProduct = "productId";

constexpr CXMLUnitClass kUnitClasses[] = {
    {"BOI_INFO", nullptr, nullptr, "boiType", kRack, kShelf, kSlot, nullptr, nullptr},
    {"PWS_INFO", "pwsInfo", "pwsId", "pwsType", kRack, kShelf, kSlot, nullptr, nullptr},
    {"BB2_INFO", "bb2Info", "bb2Id", "bb2Type", kRack, kShelf, kSlot, nullptr, nullptr},
    {"TRE_INFO", "treInfo", "treId", "treType", kRack, kShelf, kSlot, nullptr, nullptr},
    {"TRANSCEIVER_INFO", "transceiverInfo", "transceiverId", "transceiverType", kRack, kShelf,
     kSlot, nullptr, nullptr},
    {"RMC_INFO", "rmcInfo", "rmcId", "rmcType", kRack, kShelf, kSlot, kSerial, kProduct},
    {"HYGDF_INFO", "hygdfInfo", "hygdfId", "hygdfType", kRack, kShelf, kSlot, nullptr, nullptr},
    {"WBC_INFO", "wbcInfo", "wbcId", "wbcType", kRack, kShelf, kSlot, kSerial, kProduct},
    {"TWBC_INFO", "twbcInfo", "twbcId", "twbcType", kRack, kShelf, kSlot, kSerial, kProduct},
    {"RTC_INFO", "rtcInfo", "rtcId", "rtcType", kRack, kShelf, kSlot, nullptr, nullptr},
    {"CORE_MECH_INFO", nullptr, "coreMechId", nullptr, nullptr, nullptr, nullptr, kSerial,
     kProduct},
    {"KIT_INFO", nullptr, "appKitId", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
    {"CCF_INFO", nullptr, "ccfId", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
    {"MHA_INFO", "mhaInfo", "mhaId", "mhaType", nullptr, nullptr, nullptr, kSerial, kProduct},
    {"LPTA_INFO", nullptr, "lptaId", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
    {"ZE2A_INFO", "ze2aInfo", "ze2aId", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
    {"BT_INFO", "btInfo", "btId", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
    {"KETTRA_SUPP_CABINET_INFO", "kettraSuppCabinetInfo", "kettraSuppCabinetUnit", nullptr, nullptr,
     nullptr, nullptr, kSerial, kProduct},
    {"KETTRA_MISC_INFO", "kettraMiscInfo", "kettraMiscUnit", nullptr, nullptr, nullptr, nullptr,
     kSerial, kProduct},
    {"MISC_INFO", "miscInfo", "miscUnit", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
    {"LPTM_INFO", nullptr, "lptmId", nullptr, nullptr, nullptr, nullptr, kSerial, kProduct},
};

constexpr CXMLCablingClass kCablingClasses[] = {
    {"TX_CABLING",
     "txCabling",
     {"transceiverId", "transceiverTXPath1", "transceiverTXPath2", "txCombinerId", nullptr}},
    {"RXMAIN_CABLING",
     "rxMainCabling",
     {"transceiverId", "rxMainMulticoupler", "rxCombinerId", nullptr, nullptr}},
    {"RXDIVERSITY_CABLING",
     "rxDiversityCabling",
     {"transceiverId", "rxDiversityMulticoupler", "rxDiversityCombiner", nullptr, nullptr}},
    {"TRANSCEIVER_BB2_XCONNECTION",
     "txBB2XConnection",
     {"transceiverId", "bb2Id", nullptr, nullptr, nullptr}},
};

constexpr CXMLUnitCode kUnitCodes[] = {
    {"BOI_INFO", "2", "1", 1000, "UQIA"},         {"PWS_INFO", "1", "1", 30, "FUSA"},
    {"PWS_INFO", "1", "1", 31, "FUSB"},           {"PWS_INFO", "1", "1", 56, "FUSC"},
    {"BB2_INFO", "2", "1", 32, "QD2A"},           {"BB2_INFO", "2", "1", 57, "QD2E"},
    {"BB2_INFO", "2", "1", 60, "QD2F"},           {"TRE_INFO", "3", "1", 1100, "YTEA"},
    {"TRE_INFO", "3", "1", 1101, "YTTA"},         {"TRE_INFO", "3", "1", 1102, "YTTB"},
    {"TRE_INFO", "3", "1", 1105, "YTRA"},         {"TRE_INFO", "3", "1", 1106, "YTRB"},
    {"TRE_INFO", "3", "1", 1107, "YTSA"},         {"TRE_INFO", "3", "1", 1108, "YTOA"},
    {"TRE_INFO", "3", "1", 1109, "YTOB"},         {"TRANSCEIVER_INFO", "5", "2", 1010, "RVGA"},
    {"TRANSCEIVER_INFO", "5", "2", 1011, "RVDA"}, {"TRANSCEIVER_INFO", "5", "2", 1012, "RVPA"},
    {"TRANSCEIVER_INFO", "5", "2", 1013, "RVTB"}, {"TRANSCEIVER_INFO", "5", "2", 1014, "RVGB"},
    {"TRANSCEIVER_INFO", "5", "2", 1015, "RVDB"}, {"TRANSCEIVER_INFO", "5", "2", 1016, "RVPB"},
    {"RMC_INFO", "4", "2", 33, "J2LA"},           {"RMC_INFO", "4", "2", 34, "J2HA"},
    {"RMC_INFO", "4", "2", 35, "J6LA"},           {"RMC_INFO", "4", "2", 36, "J6HA"},
    {"HYGDF_INFO", "6", "2", 43, "HYGx"},         {"HYGDF_INFO", "6", "2", 44, "HYDx"},
    {"HYGDF_INFO", "6", "2", 45, "HYPx"},         {"HYGDF_INFO", "6", "2", 55, "HYTB"},
    {"HYGDF_INFO", "6", "2", 63, "HYHx"},         {"HYGDF_INFO", "6", "2", 64, "HYJx"},
    {"RTC_INFO", "6", "2", 40, "KNGx"},           {"RTC_INFO", "6", "2", 41, "KNDx"},
    {"RTC_INFO", "6", "2", 42, "KNPx"},           {"RTC_INFO", "6", "2", 61, "KNHx"},
    {"RTC_INFO", "6", "2", 62, "KNJx"},           {"WBC_INFO", "6", "2", 46, "GEGA"},
    {"WBC_INFO", "6", "2", 47, "GEDA"},           {"WBC_INFO", "6", "2", 48, "GEPA"},
    {"TWBC_INFO", "6", "2", 65, "GEGT"},          {"TWBC_INFO", "6", "2", 66, "GEDT"},
    {"TWBC_INFO", "6", "2", 67, "GEPT"},          {"MHA_INFO", nullptr, nullptr, 50, "SZGx"},
    {"MHA_INFO", nullptr, nullptr, 51, "SZDx"},   {"MHA_INFO", nullptr, nullptr, 52, "SZPx"},
    {"MHA_INFO", nullptr, nullptr, 53, "MHA"},    {"MHA_INFO", nullptr, nullptr, 54, "SZTB"},
    {"MHA_INFO", nullptr, nullptr, 59, "SZPF"},   {"MHA_INFO", nullptr, nullptr, 68, "SWGA"},
    {"MHA_INFO", nullptr, nullptr, 69, "SWDA"},   {"MHA_INFO", nullptr, nullptr, 70, "SWPA"},
    {"MHA_INFO", nullptr, nullptr, 71, "SWTA"},
};

struct NamedValue {
    int value;
    const char* name;
};

constexpr NamedValue kCabinetTypes[] = {
    {1, "Indoor Cabinet"},       {2, "Outdoor Cabinet"}, {3, "Indoor Midi Cabinet"},
    {4, "Outdoor Midi Cabinet"}, {7, "Mini Cabinet"},
};

constexpr NamedValue kUnitKinds[] = {
    {kUnitKindTrx, "TRANSCEIVER_INFO"}, {kUnitKindBoi, "UQIA"},     {kUnitKindBb2, "BB2_INFO"},
    {kUnitKindPwr, "PWS_INFO"},         {kUnitKindTre, "TRE_INFO"}, {kUnitKindDdu, "HYGDF_INFO"},
    {kUnitKindRtc, "RTC_INFO"},
};

// Passive unit groups of the HW information table.
constexpr NamedValue kPassiveGroups[] = {
    {1, "CORE_MECH_INFO"},    {2, "KIT_INFO"},   {3, "CCF_INFO"},
    {4, "LPTA_INFO"},         {5, "MHA_INFO"},   {6, "WBC_INFO"},
    {7, "RMC_INFO"},          {8, "ZE2A_INFO"},  {9, "BT_INFO"},
    {10, "TWBC_INFO"},        {11, "LPTM_INFO"}, {13, "KETTRA_SUPP_CABINET_INFO"},
    {14, "KETTRA_MISC_INFO"}, {16, "MISC_INFO"},
};

constexpr CXMLMhaWords kMhaWords[] = {
    {"No Gain", "No"},
    {"Low Gain", "No"},
    {"High Gain", "No"},
    {"No Gain", "Yes"},
    {"Low Gain", "Yes"},
    {"High Gain", "Yes"},
    {"High Gain with ByPass", "No"},
    {"High Gain with ByPass", "Yes"},
};

template <std::size_t N>
int ValueOf(const NamedValue (&table)[N], std::string_view name, int none) {
    for (const auto& entry : table) {
        if (name == entry.name) {
            return entry.value;
        }
    }
    return none;
}

} // namespace

std::span<const CXMLUnitClass> XMLUnitClasses() {
    return kUnitClasses;
}
std::span<const CXMLCablingClass> XMLCablingClasses() {
    return kCablingClasses;
}

const CXMLUnitClass* FindXMLUnitClass(std::string_view className) {
    for (const auto& entry : kUnitClasses) {
        if (className == entry.className) {
            return &entry;
        }
    }
    return nullptr;
}

const CXMLCablingClass* FindXMLCablingClass(std::string_view className) {
    for (const auto& entry : kCablingClasses) {
        if (className == entry.className) {
            return &entry;
        }
    }
    return nullptr;
}

const CXMLUnitCode* FindXMLUnitCode(std::string_view className, int typeId) {
    for (const auto& entry : kUnitCodes) {
        if (className == entry.className && typeId == entry.typeId) {
            return &entry;
        }
    }
    return nullptr;
}

int XMLUnitTypeIdFromCode(std::string_view code) {
    for (const auto& entry : kUnitCodes) {
        if (code == entry.code) {
            return entry.typeId;
        }
    }
    return -1;
}

bool XMLClassHoldsType(std::string_view className, int typeId) {
    return FindXMLUnitCode(className, typeId) != nullptr;
}

const char* XMLCabinetTypeName(int cabinetTypeCode) {
    for (const auto& entry : kCabinetTypes) {
        if (entry.value == cabinetTypeCode) {
            return entry.name;
        }
    }
    return nullptr;
}

int XMLCabinetTypeFromName(std::string_view name) {
    int code = ValueOf(kCabinetTypes, name, 0);
    return code - 1;
}

std::optional<int> XMLSwitchValue(std::string_view text) {
    if (text == "Off" || text == "No") {
        return 0;
    }
    if (text == "On" || text == "Yes") {
        return 1;
    }
    return std::nullopt;
}

int XMLBcfTypeFromFamily(std::string_view family) {
    return family == "Orvik" ? 6 : -1;
}

int XMLUnitKindFromText(std::string_view text) {
    return ValueOf(kUnitKinds, text, 0);
}

int XMLPassiveGroupFromClass(std::string_view className) {
    return ValueOf(kPassiveGroups, className, 0);
}

std::optional<CXMLMhaWords> XMLMhaWords(int mhaType) {
    if (mhaType < 1 || mhaType > 8) {
        return std::nullopt;
    }
    return kMhaWords[mhaType - 1];
}

std::optional<int> XMLMhaTypeFromWords(std::string_view gain, std::string_view vswr) {
    std::string_view monitored = vswr == "Yes" ? "Yes" : "No";
    for (int type = 1; type <= 8; ++type) {
        if (gain == kMhaWords[type - 1].gain && monitored == kMhaWords[type - 1].vswr) {
            return type;
        }
    }
    return std::nullopt;
}

std::string XMLAttenuationText(int attenuation) {
    return attenuation == kAttenuationNotSet ? "0" : FormatAttenuation(attenuation);
}

int XMLAttenuationFromText(std::string_view text) {
    // Plans have no "not set" word: zero stands for it, so a zero read means not set.
    int hundredths = ParseAttenuation(text).value_or(0);
    return hundredths == 0 ? kAttenuationNotSet : hundredths;
}

std::string XMLTransceiverBandText(const std::vector<std::string>& codes) {
    std::set<int> bands;
    int edge = 0;
    int counted = 0;
    for (const auto& code : codes) {
        std::string_view prefix = std::string_view(code).substr(0, 3);
        int band = prefix == "RVG"   ? 900
                   : prefix == "RVD" ? 1800
                   : prefix == "RVP" ? 1900
                   : prefix == "RVT" ? 800
                                     : 0;
        if (band == 0) {
            continue;
        }
        bands.insert(band);
        ++counted;
        if (code.size() > 3 && code[3] == 'B') {
            ++edge;
        }
    }
    std::string text;
    if (bands == std::set<int>{900}) {
        text = "900";
    } else if (bands == std::set<int>{1800}) {
        text = "1800";
    } else if (bands == std::set<int>{900, 1800}) {
        text = "900/1800";
    } else if (bands == std::set<int>{1900}) {
        text = "1900";
    } else if (bands == std::set<int>{800}) {
        text = "800";
    } else if (bands == std::set<int>{800, 1900}) {
        text = "800/1900";
    } else {
        return "Illegal";
    }
    if (edge > 0) {
        text += edge == counted ? "E" : "(E)";
    }
    return text;
}
