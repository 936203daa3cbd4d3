#pragma once
// The machine-wide settings that administrators keep in one INI file: whether access checking
// is on, and where the maker's tools are installed. Read only.

#include <QString>

#include <optional>

class CMachineSettings {
public:
    static constexpr const char* kPathVariable = "CABRION_MACHINE_INI";
    static constexpr const char* kDefaultPath = "/etc/xdg/Torvane/Cabrion.ini";

    // `path` empty: the file named by $CABRION_MACHINE_INI, else kDefaultPath.
    explicit CMachineSettings(const QString& path = {});

    // The text of `key` in `section`; nullopt when the file, the section or the key is missing
    // or the file cannot be read.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // [2G_Managers] "Access Levels" as written; "On" there switches access checking on.
    std::optional<QString> AccessLevels() const;
    // [Relko Communication Service] TORVANEMGR.
    std::optional<QString> ToolsBaseDirectory() const;

    const QString& Path() const { return m_path; }

private:
    QString m_path;
};

// The base directory of the maker's tools: the machine setting, else $TORVANEMGR, without one
// trailing "/" or "\". Empty when neither is set.
QString ToolsBaseDirectory(const CMachineSettings& machine);
// Removes one trailing "/" or "\" (a lone "/" stays: it is the root).
QString RemoveOneTrailingSeparator(QString path);
