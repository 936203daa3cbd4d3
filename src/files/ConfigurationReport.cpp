#include "files/ConfigurationReport.h"

#include <cstdio>

std::string CConfigurationReport::FormatTimestamp(const std::tm& when) {
    char buf[128];
    // Fixed English names: the report must read the same whatever the machine's locale.
    static constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    const int wday = when.tm_wday >= 0 && when.tm_wday < 7 ? when.tm_wday : 0;
    const int mon = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
    std::snprintf(buf, sizeof buf, "%s, %s %02d, %04d %02d:%02d:%02d", kDays[wday], kMonths[mon],
                  when.tm_mday, when.tm_year + 1900, when.tm_hour, when.tm_min, when.tm_sec);
    return buf;
}

std::string CConfigurationReport::WithReportExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', nameStart) != std::string::npos) {
        return path;
    }
    return path + kFileExtension;
}

std::tm CConfigurationReport::Timestamp() const {
    if (m_timestamp) {
        return *m_timestamp;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}
