#pragma once
// The candidate of a site as the JSON that `cabrion-cli dump --json` writes; scripts rely on its
// names, and the page tests compare candidates through it.

#include <nlohmann/json.hpp>

#include <string>

class CSiteKODA;

// `name` is the configuration's name as stored (Windows-1252).
nlohmann::ordered_json CandidateJson(CSiteKODA& site, const std::string& name);
