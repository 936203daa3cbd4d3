#pragma once
// The candidate of a site as the JSON that `dump --json` writes; scripts rely on its names.

#include <nlohmann/json.hpp>

#include <string>

class CSiteKODA;

namespace cli {

// `name` is the configuration's name as stored (Windows-1252).
nlohmann::ordered_json CandidateJson(CSiteKODA& site, const std::string& name);

} // namespace cli
