// The configuration of an open document as its views show it, and the part of it that a
// configuration file can carry, for the action fuzz target to compare with what a save kept.
#pragma once

#include "app/document/CandidateJson.h"
#include "model/BandInformation.h"
#include "model/SiteKODA.h"
#include "model/UnitTypeRecord.h"

#include <nlohmann/json.hpp>

#include <set>
#include <utility>

namespace fuzz_actions {

inline std::set<std::pair<int, int>> ShownOnly(CSiteKODA& site) {
    std::set<std::pair<int, int>> units;
    for (const auto& unit : site.GetKODA(kSelectCandidate)->Units()) {
        if (unit->IsShownOnly()) {
            units.insert({unit->Kind(), unit->Number()});
        }
    }
    return units;
}

// The candidate as the command line dumps it, less the units a page only shows.
inline nlohmann::ordered_json Shown(CSiteKODA& site) {
    const auto previews = ShownOnly(site);
    nlohmann::ordered_json json = CandidateJson(site, "");
    nlohmann::ordered_json kept = nlohmann::ordered_json::array();
    for (auto& unit : json["units"]) {
        if (previews.count({unit["kind"].get<int>(), unit["number"].get<int>()}) == 0) {
            kept.push_back(unit);
        }
    }
    json["units"] = kept;
    return json;
}

// What a file can carry of a configuration, to compare the open one with the one read back: an
// upgrade unit is stored by its place alone, whether a unit stands idle is not stored, an
// antenna without connection has no attenuation, and the band is read from the transceivers'
// types (a configuration without any has none), so a dual band network whose transceivers are
// all of one of its bands reads back as that band, and the EDGE marks are those of the types.
// Transmission units are stored in a block of their own after the other units, and so come
// back after them, in their own order.
inline nlohmann::ordered_json Storable(nlohmann::ordered_json json) {
    nlohmann::ordered_json units = nlohmann::ordered_json::array();
    nlohmann::ordered_json transmission = nlohmann::ordered_json::array();
    for (auto& unit : json["units"]) {
        (unit["kind"] == kUnitKindTre ? transmission : units).push_back(unit);
    }
    for (auto& unit : transmission) {
        units.push_back(unit);
    }
    json["units"] = units;
    for (auto& unit : json["units"]) {
        if (unit["upgrade"].get<bool>()) {
            unit = {{"kind", unit["kind"]}, {"number", unit["number"]}, {"upgrade", true}};
        }
        // Worked out from the cabling and shown in the name, never stored.
        unit.erase("idle");
        unit.erase("name");
    }
    for (auto& antenna : json["antennas"]) {
        if (antenna["connectedCombiner"].get<int>() <= 0) {
            antenna.erase("attenuation");
        }
    }
    bool transceivers = false;
    int transceiverBands = 0;
    for (const auto& unit : json["units"]) {
        if (unit["kind"] == kUnitKindTrx && !unit["upgrade"]) {
            transceivers = true;
            transceiverBands |= unit["band"].get<int>() & kBandMaskBits;
        }
    }
    const int band = json["band"].get<int>() & kBandMaskBits;
    const bool oneOfPair = CBandInformation::IsDualBand(band) &&
                           !CBandInformation::IsDualBand(transceiverBands) &&
                           (transceiverBands & band) == transceiverBands && transceiverBands != 0;
    json["band"] = !transceivers                        ? 0
                   : oneOfPair                          ? transceiverBands
                   : CBandInformation::IsDualBand(band) ? CBandInformation::PrimaryBand(band)
                                                        : band;
    json.erase("bandText");
    return json;
}

} // namespace fuzz_actions
