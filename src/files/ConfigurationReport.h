#pragma once
// A configuration described in words: a header and the sections of a family, built into a
// report buffer that the wizard shows and saves as a ".hwr" file.

#include <ctime>
#include <optional>
#include <string>

#include "files/ReportBuffer.h"

class CSite;

class CConfigurationReport {
public:
    static constexpr const char* kFileExtension = ".hwr";
    static constexpr const char* kFileFilter = "BTS HW Configuration report file (*.hwr)";
    static constexpr const char* kSaveFailed =
        "Error in saving the BTS HW Configuration Report file.";
    static constexpr const char* kOverwriteQuestion =
        "The report file already exists.\nAre you sure you want to overwrite it?";

    virtual ~CConfigurationReport() = default;

    // Appends the sections that describe the site's candidate.
    virtual void WriteBody(CSite& site) = 0;
    // Starts a new report; names are shown only when both are given.
    virtual void WriteHeader(const std::string& fileName, const std::string& configName) = 0;

    const CReportBuffer& Buffer() const { return m_buffer; }
    bool UpgradeUnitsShown() const { return m_upgradeUnitsShown; }

    // The header shows this moment instead of the current local time (reproducible output).
    void SetTimestamp(const std::tm& when) { m_timestamp = when; }
    // "Wednesday, December 09, 2026 07:06:05": the long date and time form.
    static std::string FormatTimestamp(const std::tm& when);

    // The path with ".hwr" appended when its file name has no extension.
    static std::string WithReportExtension(const std::string& path);

protected:
    std::tm Timestamp() const;

    CReportBuffer m_buffer;
    bool m_upgradeUnitsShown = false;

private:
    std::optional<std::tm> m_timestamp;
};
