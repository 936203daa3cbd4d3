#include "sim/SimBtsModel.h"

#include "comms/ElementCodec.h"
#include "comms/Protocol.h"

#include <nlohmann/json.hpp>

#include <ctime>

namespace {

using Bytes = std::vector<uint8_t>;
using nlohmann::json;

constexpr int kCodeBcf = 1;

void Add(Bytes& out, int tag, const Bytes& value) {
    element::AppendTag(out, tag);
    element::AppendLength(out, value.size());
    out.insert(out.end(), value.begin(), value.end());
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

uint8_t B(int value) {
    return static_cast<uint8_t>(value);
}

int BandType(int band) {
    switch (band) {
    case 900:
        return 17;
    case 1900:
        return 19;
    case 800:
        return 22;
    default:
        return 18;
    }
}

// The object class the program files a unit under (the identity names it).
int ClassOfKind(const std::string& kind) {
    if (kind == "TRX") {
        return 4;
    }
    if (kind == "DDU") {
        return 13;
    }
    if (kind == "BB2") {
        return 11;
    }
    if (kind == "RTC") {
        return 12;
    }
    return 5;
}

int StateByteOf(const json& value, std::string& error) {
    if (value.is_number_integer()) {
        return value.get<int>() & 0xFF;
    }
    if (value.is_string()) {
        static const std::pair<const char*, int> kBcf[] = {
            {"Autodetecting", 1},    {"Commissioning", 4}, {"Waiting for LAPD", 5},
            {"Software loading", 6}, {"Configuring", 7},   {"Supervisory", 8}};
        for (const auto& [name, byte] : kBcf) {
            if (value.get<std::string>() == name) {
                return byte;
            }
        }
    }
    error = "bcfState: not a state byte or BCF state text: " + value.dump();
    return -1;
}

} // namespace

SSimBtsModel SSimBtsModel::Default() {
    SSimBtsModel model;
    for (int n = 1; n <= 6; ++n) {
        model.units.push_back({"BB2", n, 0, 0, "BB2A", "00000" + std::to_string(n), "BB2A1"});
    }
    for (int n = 1; n <= 12; ++n) {
        model.units.push_back(
            {"TRX", n, 1800, 96, "TRXA", "0001" + std::to_string(20 + n), "TRXA18"});
    }
    for (int n = 1; n <= 6; ++n) {
        model.units.push_back({"DDU", n, 0, 0, "DDUA", "0003" + std::to_string(10 + n), "DDUA1"});
    }
    return model;
}

bool SimObjectCode(const std::string& kind, int index, int& code, int& btsIndex) {
    btsIndex = index;
    if (kind == "TRX") {
        code = 4;
    } else if (kind == "DDU") {
        code = 155;
        btsIndex = 2 * index - 1;
    } else if (kind == "BB2") {
        code = 151;
        btsIndex = 2 * index - 1;
    } else if (kind == "RTC") {
        code = 154;
    } else if (kind == "TRE") {
        code = 16;
    } else if (kind == "BCF") {
        code = kCodeBcf;
        btsIndex = 1;
    } else {
        return false;
    }
    return true;
}

bool ParseSimBtsModel(const json& section, SSimBtsModel& model, std::string& error) {
    if (!section.is_object()) {
        error = "bts must be an object";
        return false;
    }
    model = SSimBtsModel{};
    model.type = section.value("type", model.type) & 0xFF;
    model.variant = section.value("variant", model.variant);
    model.swLevel = section.value("swLevel", model.swLevel) & 0xFF;
    if (auto it = section.find("bcfState"); it != section.end()) {
        model.bcfState = StateByteOf(*it, error);
        if (model.bcfState < 0) {
            return false;
        }
    }
    if (auto it = section.find("units"); it != section.end()) {
        if (!it->is_array()) {
            error = "bts.units must be a list";
            return false;
        }
        for (const auto& u : *it) {
            int code = 0;
            int index = 0;
            const std::string kind = u.is_object() ? u.value("kind", std::string()) : "";
            const int first = u.is_object() ? u.value("first", u.value("index", 1)) : 0;
            const int last = u.is_object() ? u.value("last", first) : 0;
            if (!SimObjectCode(kind, 1, code, index) || kind == "BCF" || first < 1 ||
                last < first || last > 12) {
                error = "bts.units: not a unit (kind TRX, DDU, BB2, RTC or TRE, numbers 1-12): " +
                        u.dump();
                return false;
            }
            for (int n = first; n <= last; ++n) {
                SSimUnit unit;
                unit.kind = kind;
                unit.index = n;
                unit.band = u.value("band", 1800);
                unit.edge = u.value("edge", false);
                unit.state = u.value("state", kind == "TRX" ? 96 : 0) & 0xFF;
                unit.typeText = u.value("typeText", kind + "A");
                unit.serial = u.value("serial", std::string("0000") + std::to_string(n));
                unit.product = u.value("product", kind + "1");
                model.units.push_back(unit);
            }
        }
    }
    if (auto it = section.find("events"); it != section.end()) {
        if (!it->is_array()) {
            error = "bts.events must be a list";
            return false;
        }
        for (const auto& e : *it) {
            SSimEvent event;
            int code = 0;
            int index = 0;
            event.afterMs = e.is_object() ? e.value("afterMs", 0) : -1;
            event.kind = e.is_object() ? e.value("kind", std::string("BCF")) : "";
            if (event.afterMs < 0 || !SimObjectCode(event.kind, 1, code, index)) {
                error = "bts.events: not an event: " + e.dump();
                return false;
            }
            event.index = e.value("index", 1);
            if (auto s = e.find("state"); s != e.end()) {
                event.state = StateByteOf(*s, error);
                if (event.state < 0) {
                    return false;
                }
            }
            event.lost = e.value("lost", false);
            event.alarm = e.value("alarm", -1);
            event.severity = e.value("severity", 1);
            event.level = e.value("level", 1);
            model.events.push_back(event);
        }
    }
    return true;
}

namespace simmsg {

Bytes BtsReported(const SSimBtsModel& model) {
    Bytes out{protocol::kTypeBtsReported, 0, 0, 0};
    Add(out, 19, {B(model.type)});
    Bytes list;
    Add(list, 150, {kCodeBcf, 1});
    for (const auto& unit : model.units) {
        int code = 0;
        int index = 0;
        SimObjectCode(unit.kind, unit.index, code, index);
        if (unit.kind == "TRX") {
            Bytes type;
            Add(type, 19, {B(BandType(unit.band))});
            Add(type, 64, {B(code), 0, B(index), 0});
            if (unit.edge) {
                Add(type, 288, {1});
            }
            Add(out, 128, type);
        }
        Add(list, 150, {B(code), B(index)});
    }
    Add(list, 154, {1});
    Add(list, 264, {B(model.swLevel), 0, 0, 0, 0, 0, 0, 0, 0});
    Add(out, 129, list);
    if (model.variant >= 0) {
        Add(out, 298, {B(model.variant)});
    }
    return out;
}

Bytes InformationStatus(const SSimBtsModel& model) {
    Bytes out{protocol::kTypeInformation, 0, 0, 0};
    Bytes sector{1};
    for (const auto& unit : model.units) {
        if (unit.kind == "TRX") {
            sector.push_back(B(unit.index));
        }
    }
    Add(out, 80, sector);
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    const int year = t.tm_year + 1900;
    Add(out, 116,
        {B(year & 0xFF), B(year >> 8), B(t.tm_mon + 1), B(t.tm_mday), B(t.tm_hour), B(t.tm_min),
         B(t.tm_sec)});
    Bytes signalling{1};
    for (int n = 1; n <= 12; ++n) {
        signalling.push_back(0);
    }
    Add(out, 257, signalling);
    Add(out, 260, {0, 0, 0, 0, 2});
    Add(out, 279, {0});
    return out;
}

Bytes OneStatus(int code, int index, bool lost, int state) {
    Bytes out{protocol::kTypeDeviceStatus, 0, 0, 0};
    Add(out, 258, {B(code), B(index), B(lost ? 1 : 0), B(state)});
    return out;
}

Bytes DeviceStatus(const SSimBtsModel& model) {
    Bytes out{protocol::kTypeDeviceStatus, 0, 0, 0};
    Add(out, 258, {kCodeBcf, 1, 0, B(model.bcfState)});
    for (const auto& unit : model.units) {
        int code = 0;
        int index = 0;
        SimObjectCode(unit.kind, unit.index, code, index);
        Add(out, 258, {B(code), B(index), 0, B(unit.state)});
        if (unit.kind == "BB2") {
            Add(out, 258, {B(code), B(index + 1), 0, B(unit.state)});
        }
    }
    return out;
}

Bytes Alarm(int code, int index, int number, int severity, int level) {
    Bytes out{protocol::kTypeAlarm, 0, 0, 0};
    Add(out, 50, {0, B(number & 0xFF), B(number >> 8), B(severity)});
    Add(out, 64, {B(code), 0, B(index), 0});
    Add(out, 75, {B(level)});
    return out;
}

namespace {
Bytes IdentityOf(const SSimUnit& unit) {
    int code = 0;
    int index = 0;
    SimObjectCode(unit.kind, unit.index, code, index);
    Bytes value(21, 0);
    value[0] = 0x01;
    value[1] = B(ClassOfKind(unit.kind));
    value[2] = B(code);
    value[16] = B(index); // the unit's index within its class
    Bytes out;
    Add(out, 91, value);
    return out;
}
} // namespace

Bytes Identities(const SSimBtsModel& model) {
    Bytes out{protocol::kTypeHardwareIdentities, 0, 0, 0};
    for (const auto& unit : model.units) {
        const Bytes id = IdentityOf(unit);
        out.insert(out.end(), id.begin(), id.end());
    }
    return out;
}

Bytes Attributes(const SSimBtsModel& model, int objectClass, int btsIndex) {
    for (const auto& unit : model.units) {
        int code = 0;
        int index = 0;
        SimObjectCode(unit.kind, unit.index, code, index);
        if (ClassOfKind(unit.kind) != objectClass || index != btsIndex) {
            continue;
        }
        Bytes out{protocol::kTypeHardwareIdentities, 0, 0, 0};
        const Bytes id = IdentityOf(unit);
        out.insert(out.end(), id.begin(), id.end());
        Bytes type{B(objectClass)};
        const std::string text = unit.typeText.substr(0, 10);
        type.insert(type.end(), text.begin(), text.end());
        Add(out, 274, type);
        Add(out, 100, Text(unit.serial));
        Add(out, 99, Text(unit.product));
        return out;
    }
    return {};
}

} // namespace simmsg
