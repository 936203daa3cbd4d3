#pragma once
// SOURCE_DATE_EPOCH, when set, fixes the date that reports and dossiers show, so that their
// output can be compared from one run to the next.

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>

namespace cli {

// The moment SOURCE_DATE_EPOCH names (UTC), nothing when it is not set; false, with a message,
// when it is set but not a number of seconds.
inline bool SourceDateEpoch(std::optional<std::tm>& when) {
    when.reset();
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0') {
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (errno != 0 || *end != '\0' || seconds < 0) {
        std::cerr << "SOURCE_DATE_EPOCH is not a number of seconds: " << epoch << "\n";
        return false;
    }
    const std::time_t at = static_cast<std::time_t>(seconds);
    std::tm utc{};
    if (gmtime_r(&at, &utc) == nullptr) {
        std::cerr << "SOURCE_DATE_EPOCH is out of range: " << epoch << "\n";
        return false;
    }
    when = utc;
    return true;
}

// SOURCE_DATE_EPOCH when set, else the local time now.
inline bool OutputDate(std::tm& when) {
    std::optional<std::tm> fixed;
    if (!SourceDateEpoch(fixed)) {
        return false;
    }
    if (fixed) {
        when = *fixed;
        return true;
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &when);
    return true;
}

} // namespace cli
