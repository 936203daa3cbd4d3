#pragma once
// The fixed vocabulary of the configuration plan: which managed object classes exist, the
// parameter names each uses, the unit type codes per class, and the word encodings of cabinet
// settings and antenna mast-head amplifiers. Writer and reader share these tables so that
// what one writes the other reads back.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A unit or passive unit class: its list name and parameter names (null when not used).
struct CXMLUnitClass {
    const char* className;
    const char* listName; // null: the parameters stand directly in the managed object
    const char* idParameter;
    const char* typeParameter;
    const char* rackParameter;
    const char* shelfParameter;
    const char* slotParameter;
    const char* serialParameter;
    const char* productParameter;
};

// A cabling class: the list name and the TRX id parameter followed by up to four value names.
struct CXMLCablingClass {
    const char* className;
    const char* listName;
    const char* parameters[5];
};

// One unit type a class may hold, with the code written for it.
struct CXMLUnitCode {
    const char* className;
    const char* rack;  // null: the class carries no position
    const char* shelf; // null: the class carries no position
    int typeId;
    const char* code;
};

const CXMLUnitClass* FindXMLUnitClass(std::string_view className);
const CXMLCablingClass* FindXMLCablingClass(std::string_view className);
std::span<const CXMLUnitClass> XMLUnitClasses();
std::span<const CXMLCablingClass> XMLCablingClasses();

// The code written for a unit type of the class, or null when the class does not hold it.
const CXMLUnitCode* FindXMLUnitCode(std::string_view className, int typeId);
// The type id of a code, whichever class lists it, or -1.
int XMLUnitTypeIdFromCode(std::string_view code);
// Whether the type id is one of the class's unit types.
bool XMLClassHoldsType(std::string_view className, int typeId);

// Cabinet type file codes (1, 2, 3, 4, 7) and their names.
const char* XMLCabinetTypeName(int cabinetTypeCode);
// The model's cabinet type for a name (one less than the file code), or -1.
int XMLCabinetTypeFromName(std::string_view name);

// "Off"/"No" give 0, "On"/"Yes" give 1; other texts nothing.
std::optional<int> XMLSwitchValue(std::string_view text);
// BCF type for a "btsFamilyType" text (6 for "Orvik"), or -1.
int XMLBcfTypeFromFamily(std::string_view family);
// Unit kind named by a unit class ("TRANSCEIVER_INFO" 1 ...) or the BOI code, or 0.
int XMLUnitKindFromText(std::string_view text);
// Passive unit group of a class ("CORE_MECH_INFO" 1 ...), or 0.
int XMLPassiveGroupFromClass(std::string_view className);

// The "mhaType" and "monitoringWithVSWR" words of an antenna MHA type (1-8).
struct CXMLMhaWords {
    const char* gain;
    const char* vswr;
};
std::optional<CXMLMhaWords> XMLMhaWords(int mhaType);
// The MHA type for the two words; a missing VSWR word counts as "No". Nothing for unknown
// words.
std::optional<int> XMLMhaTypeFromWords(std::string_view gain, std::string_view vswr);

// Attenuation in hundredths of a dB as written in plans ("0" for not set).
std::string XMLAttenuationText(int attenuation);
// Parses an attenuation text; zero (and text without a number) reads as not set (9999).
int XMLAttenuationFromText(std::string_view text);

// The band text shown for a site's transceiver codes ("900/1800E", "1800(E)", "Illegal").
std::string XMLTransceiverBandText(const std::vector<std::string>& codes);
