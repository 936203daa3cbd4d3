#include "files/SCFValues.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

std::optional<int> ParseSCFInteger(std::string_view token) {
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
        if (!token.empty() && (token.front() == '-' || token.front() == '+'))
            return std::nullopt;
    }
    // By hand rather than through from_chars: nearly every line of a file holds a number of
    // a few digits, and the call and its checks cost more than the digits.
    const bool negative = !token.empty() && token.front() == '-';
    if (negative)
        token.remove_prefix(1);
    if (token.empty())
        return std::nullopt;
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<int>::max()};
    std::uint64_t value = 0;
    for (const char c : token) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9)
            return std::nullopt;
        value = value * 10 + digit;
        if (value > limit)
            return std::nullopt;
    }
    return negative ? static_cast<int>(-static_cast<std::int64_t>(value)) : static_cast<int>(value);
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
