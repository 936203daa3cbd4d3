#include "files/SCFValues.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

std::optional<int> ParseSCFInteger(std::string_view token) {
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
        if (!token.empty() && (token.front() == '-' || token.front() == '+'))
            return std::nullopt;
    }
    if (token.empty())
        return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

std::optional<int> ParseAttenuation(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] != '+' && text[start] != '-' &&
           (text[start] < '0' || text[start] > '9'))
        ++start;
    if (start == text.size())
        return std::nullopt;
    std::string_view number = text.substr(start);
    if (number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                     std::chars_format::fixed);
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    // Rounding rather than truncating: truncation of a binary product drifts 10 dB and more
    // up by a hundredth at every save and reopen.
    const double hundredths = std::round(value * 100.0);
    if (std::fabs(hundredths) > 1e9)
        return std::nullopt;
    return static_cast<int>(hundredths);
}

std::string FormatAttenuation(int hundredths) {
    // Built from integers so that the result does not depend on the process locale.
    const long long v = hundredths;
    const long long mag = std::llabs(v);
    std::string out = v < 0 ? "-" : "+";
    out += std::to_string(mag / 100);
    out += '.';
    out += static_cast<char>('0' + (mag % 100) / 10);
    out += static_cast<char>('0' + mag % 10);
    return out;
}
