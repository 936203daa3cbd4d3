#pragma once
// Value texts of the site configuration file: integers, attenuations and the fixed-width
// keyword lines, shared by the reader, the writer and the XML plan.

#include <optional>
#include <string>
#include <string_view>

// A signed decimal integer token ("+12", "-5"); nullopt when the token is not one or does not
// fit an int.
std::optional<int> ParseSCFInteger(std::string_view token);

// An attenuation text ("+1.50", "-0.30", "10.00 dB") in hundredths of a dB, rounded to the
// nearest hundredth; the number starts at the first "+", "-" or digit. nullopt without a number.
std::optional<int> ParseAttenuation(std::string_view text);

// "%0.2f" of hundredths / 100 with "+" in front when not negative: 150 gives "+1.50".
std::string FormatAttenuation(int hundredths);
