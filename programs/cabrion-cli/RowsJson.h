#pragma once
// The JSON rows of `list --json` and `validate --json`; scripts rely on their names.

#include <nlohmann/json.hpp>

#include <string>

#include "files/SCFParseError.h"
#include "files/SiteSCFile.h"
#include "files/TextCodec.h"

namespace cli {

inline nlohmann::ordered_json ListRowJson(int index, const CSCFPanelValues& v,
                                          const std::string& btsType) {
    return {{"index", index},         {"name", Cp1252ToUtf8(v.name)},
            {"btsType", btsType},     {"id", Cp1252ToUtf8(v.id)},
            {"network", v.network},   {"trxIds", v.trxIds},
            {"trxUnits", v.trxUnits}, {"sectors", Cp1252ToUtf8(v.sectors)},
            {"cabling", v.cabling},   {"description", Cp1252ToUtf8(v.description)}};
}

inline nlohmann::ordered_json ProblemJson(const CSCFParseError& e) {
    return {{"line", e.line},
            {"type", std::string(e.TypeWord())},
            {"keyword", Cp1252ToUtf8(e.keyword)},
            {"value", Cp1252ToUtf8(e.value)},
            {"configuration", Cp1252ToUtf8(e.ConfigurationName())}};
}

} // namespace cli
