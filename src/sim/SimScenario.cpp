#include "sim/SimScenario.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <fstream>
#include <sstream>
#include <utility>

bool ParseHex(const std::string& text, std::vector<uint8_t>& out) {
    out.clear();
    int high = -1;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == ':' || c == '-') {
            if (high >= 0) {
                return false;
            }
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        const int v = std::isdigit(static_cast<unsigned char>(c))
                          ? c - '0'
                          : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<uint8_t>(high * 16 + v));
            high = -1;
        }
    }
    return high < 0;
}

bool ParseSimBlockFault(const std::string& text, SSimBlockFault& out) {
    using Kind = SSimBlockFault::Kind;
    static const std::pair<const char*, Kind> kKinds[] = {
        {"drop", Kind::Drop},       {"delay", Kind::Delay},   {"corrupt", Kind::Corrupt},
        {"silence", Kind::Silence}, {"status", Kind::Status}, {"oversize", Kind::Oversize}};
    const auto at = text.find('@');
    if (at == std::string::npos) {
        return false;
    }
    const std::string name = text.substr(0, at);
    SSimBlockFault fault;
    for (const auto& [word, kind] : kKinds) {
        if (name == word) {
            fault.kind = kind;
        }
    }
    if (fault.kind == Kind::None) {
        return false;
    }
    const auto colon = text.find(':', at);
    const std::string number =
        text.substr(at + 1, colon == std::string::npos ? colon : colon - at - 1);
    const std::string value = colon == std::string::npos ? "" : text.substr(colon + 1);
    auto toInt = [](const std::string& digits, int max, int& result) {
        if (digits.empty() || digits.size() > 7 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        result = std::stoi(digits);
        return result <= max;
    };
    if (!toInt(number, 1000000, fault.request) || fault.request < 1) {
        return false;
    }
    const bool needsValue = fault.kind == Kind::Delay || fault.kind == Kind::Status;
    if (needsValue != (colon != std::string::npos)) {
        return false;
    }
    if (needsValue && !toInt(value, fault.kind == Kind::Status ? 255 : 600000, fault.value)) {
        return false;
    }
    out = fault;
    return true;
}

namespace {

using nlohmann::json;

bool HexList(const json& list, const char* what, std::vector<std::vector<uint8_t>>& out,
             std::string& error) {
    if (!list.is_array()) {
        error = std::string(what) + " must be a list of hex strings";
        return false;
    }
    for (const auto& item : list) {
        std::vector<uint8_t> bytes;
        if (!item.is_string() || !ParseHex(item.get<std::string>(), bytes) || bytes.size() < 4) {
            error = std::string(what) + ": not a message in hex (at least 4 bytes): " + item.dump();
            return false;
        }
        out.push_back(std::move(bytes));
    }
    return true;
}

int IntOr(const json& object, const char* key, int fallback) {
    const auto it = object.find(key);
    return it != object.end() && it->is_number_integer() ? it->get<int>() : fallback;
}

bool Parse(const json& root, SSimScenario& s, std::string& error) {
    if (!root.is_object()) {
        error = "the scenario must be a JSON object";
        return false;
    }
    s = SSimScenario{};
    if (auto it = root.find("name"); it != root.end() && it->is_string()) {
        s.name = it->get<std::string>();
    }
    s.linkStatus = IntOr(root, "linkStatus", s.linkStatus) & 0xFF;
    if (auto it = root.find("uplink");
        it != root.end() && !HexList(*it, "uplink", s.uplink, error)) {
        return false;
    }
    if (auto it = root.find("replies"); it != root.end()) {
        if (!it->is_object()) {
            error = "replies must map request types (hex) to replies";
            return false;
        }
        for (const auto& [key, value] : it->items()) {
            std::vector<uint8_t> type;
            if (!ParseHex(key, type) || type.size() != 1 || !value.is_object()) {
                error = "replies: \"" + key + "\" is not a request type of one hex byte";
                return false;
            }
            SSimReply reply;
            if (auto m = value.find("message"); m != value.end()) {
                if (!m->is_string() || !ParseHex(m->get<std::string>(), reply.message) ||
                    reply.message.size() < 4) {
                    error = "replies." + key + ".message: not a message in hex";
                    return false;
                }
            }
            const int size = IntOr(value, "size", 0);
            if (size < 0 || size > 1 << 20) {
                error = "replies." + key + ".size out of range";
                return false;
            }
            reply.size = static_cast<size_t>(size);
            if (auto b = value.find("uplinkBefore");
                b != value.end() && !HexList(*b, "uplinkBefore", reply.uplinkBefore, error)) {
                return false;
            }
            s.replies[type[0]] = std::move(reply);
        }
    }
    if (auto it = root.find("reportOnConnect");
        it != root.end() && !HexList(*it, "reportOnConnect", s.reportOnConnect, error)) {
        return false;
    }
    if (auto it = root.find("stored"); it != root.end()) {
        if (!it->is_object()) {
            error = "stored must map operation codes to blocks in hex";
            return false;
        }
        for (const auto& [key, value] : it->items()) {
            const bool known = key == "0" || key == "1" || key == "3" || key == "4";
            std::vector<uint8_t> bytes;
            if (!known || !value.is_string() || !ParseHex(value.get<std::string>(), bytes)) {
                error = "stored: \"" + key + "\" must be operation 0, 1, 3 or 4 with a hex block";
                return false;
            }
            s.stored[std::stoi(key)] = std::move(bytes);
        }
    }
    if (auto it = root.find("bts"); it != root.end()) {
        SSimBtsModel model;
        if (!ParseSimBtsModel(*it, model, error)) {
            return false;
        }
        s.bts = std::move(model);
    }
    if (auto it = root.find("faults"); it != root.end()) {
        if (!it->is_object()) {
            error = "faults must be an object";
            return false;
        }
        auto& f = s.faults;
        f.closeAfterFrames = IntOr(*it, "closeAfterFrames", 0);
        f.refuseAfterDrop = it->value("refuseAfterDrop", false);
        f.replyDelayMs = IntOr(*it, "replyDelayMs", 0);
        f.corruptFrame = IntOr(*it, "corruptFrame", 0);
        f.silentAfterFrames = IntOr(*it, "silentAfterFrames", 0);
        f.statusAfterFrames = IntOr(*it, "statusAfterFrames", -1);
        f.statusValue = IntOr(*it, "statusValue", 0) & 0xFF;
        f.statusTimes = IntOr(*it, "statusTimes", 0);
        if (auto b = it->find("blockFault"); b != it->end()) {
            if (!b->is_string() || !ParseSimBlockFault(b->get<std::string>(), f.blockFault)) {
                error = "faults.blockFault must be KIND@N or KIND@N:VALUE, not " + b->dump();
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool ParseSimScenario(const std::string& text, SSimScenario& scenario, std::string& error) {
    const json root = json::parse(text, nullptr, false);
    if (root.is_discarded()) {
        error = "not valid JSON";
        return false;
    }
    try {
        return Parse(root, scenario, error);
    } catch (const json::exception& e) {
        error = e.what();
        return false;
    }
}

bool LoadSimScenario(const std::string& path, SSimScenario& scenario, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!ParseSimScenario(text.str(), scenario, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
