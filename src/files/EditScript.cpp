#include "files/EditScript.h"

#include <limits>

#include <nlohmann/json.hpp>

namespace {

struct SOpShape {
    const char* name;
    std::vector<const char*> required;
    std::vector<const char*> optional;
};

const std::vector<SOpShape>& Shapes() {
    static const std::vector<SOpShape> shapes = {
        {"cabinet-type", {"type"}, {}},
        {"cabinet-usage", {}, {"clockSync", "lte", "vswr", "wcdma", "mrc"}},
        {"add-unit", {"kind", "number", "typeId"}, {"slot"}},
        {"modify-unit", {"kind", "number"}, {"typeId", "slot"}},
        {"remove-unit", {"kind", "number"}, {}},
        {"change-band", {"band"}, {}},
        {"reset-cross-connection", {}, {}},
        {"set-tx", {"trx"}, {"path1", "path2", "combiner"}},
        {"clear-tx", {"trx"}, {}},
        {"clear-all-tx", {}, {}},
        {"set-rx-main", {"trx"}, {"multicoupler", "combiner"}},
        {"clear-rx-main", {"trx"}, {}},
        {"clear-all-rx-main", {}, {}},
        {"set-rx-div", {"trx"}, {"multicoupler", "combiner"}},
        {"clear-rx-div", {"trx"}, {}},
        {"clear-all-rx-div", {}, {}},
        {"set-antenna", {"antenna"}, {"connection", "mha", "vswr", "cosite", "attenuation"}},
        {"clear-antenna", {"antenna"}, {}},
        {"clear-all-antennas", {}, {}},
    };
    return shapes;
}

const SOpShape* ShapeOf(const std::string& name) {
    for (const SOpShape& shape : Shapes()) {
        if (name == shape.name) {
            return &shape;
        }
    }
    return nullptr;
}

bool Listed(const std::vector<const char*>& names, const std::string& name) {
    for (const char* n : names) {
        if (name == n) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> ReadOperation(const nlohmann::json& item, SEditOperation& out) {
    if (!item.is_object()) {
        return "an operation must be a JSON object";
    }
    const auto op = item.find("op");
    if (op == item.end() || !op->is_string()) {
        return "the operation has no \"op\" name";
    }
    out.op = op->get<std::string>();
    const SOpShape* shape = ShapeOf(out.op);
    if (shape == nullptr) {
        return "unknown operation \"" + out.op + "\"";
    }
    for (const auto& [name, value] : item.items()) {
        if (name == "op") {
            continue;
        }
        if (!Listed(shape->required, name) && !Listed(shape->optional, name)) {
            return "unknown field \"" + name + "\" for " + out.op;
        }
        if (!value.is_number_integer()) {
            return "field \"" + name + "\" must be a whole number";
        }
        const auto v = value.get<long long>();
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) {
            return "field \"" + name + "\" is out of range";
        }
        out.fields[name] = static_cast<int>(v);
    }
    for (const char* name : shape->required) {
        if (!out.Has(name)) {
            return std::string("field \"") + name + "\" is missing for " + out.op;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> SEditOperation::Field(const std::string& name) const {
    const auto it = fields.find(name);
    return it == fields.end() ? std::nullopt : std::optional<int>(it->second);
}

std::optional<SEditScriptError> ReadEditScript(std::string_view bytes,
                                               std::vector<SEditOperation>& operations) {
    operations.clear();
    const nlohmann::json script = nlohmann::json::parse(bytes, nullptr, false);
    if (script.is_discarded()) {
        return SEditScriptError{0, "the script is not valid JSON"};
    }
    if (!script.is_array()) {
        return SEditScriptError{0, "the script must be a JSON list of operations"};
    }
    std::vector<SEditOperation> read;
    int index = 0;
    for (const auto& item : script) {
        ++index;
        SEditOperation op;
        if (auto why = ReadOperation(item, op)) {
            return SEditScriptError{index, *why};
        }
        read.push_back(std::move(op));
    }
    operations = std::move(read);
    return std::nullopt;
}

std::vector<std::string> EditOperationNames() {
    std::vector<std::string> names;
    for (const SOpShape& shape : Shapes()) {
        names.emplace_back(shape.name);
    }
    return names;
}
