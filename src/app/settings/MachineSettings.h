#pragma once
// The machine-wide settings that administrators keep in one INI file: whether access checking
// is on, and where the maker's tools are installed. Read only, and read only from a file that
// the users it binds cannot change.

#include <QString>

#include <optional>
#include <string>
#include <vector>

class CMachineSettings {
public:
    static constexpr const char* kPathVariable = "CABRION_MACHINE_INI";
    static constexpr const char* kDefaultPath = "/etc/xdg/Torvane/Cabrion.ini";

    // The program's machine settings: the file named by $CABRION_MACHINE_INI when that file is
    // trusted, else kDefaultPath. A file that is there but not trusted is not read, and access
    // checking then counts as on: whoever could write it might have switched it off.
    CMachineSettings();
    // Reads `path`; `checkOwner` applies the program's rule to it (and an empty `path` then is
    // the program's file). Unchecked, the seam for tests in the same process.
    explicit CMachineSettings(const QString& path, bool checkOwner = false);

    // Owned by root, a regular file, and writable by root alone. True for a missing file too:
    // there is nothing in it to distrust.
    static bool Trusted(const QString& path, std::string* why = nullptr);

    // The text of `key` in `section`; nullopt when the file, the section or the key is missing
    // or the file cannot be read.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // [2G_Managers] "Access Levels" as written; "On" there switches access checking on.
    std::optional<QString> AccessLevels() const;
    // [Relko Communication Service] TORVANEMGR.
    std::optional<QString> ToolsBaseDirectory() const;

    const QString& Path() const { return m_path; }
    // The file is there but was not read because users other than root may change it.
    bool Distrusted() const { return m_distrusted; }
    // What was not used and why, for the event log and standard error.
    const std::vector<std::string>& Notes() const { return m_notes; }

private:
    QString m_path;
    bool m_checkTrust = false;
    bool m_distrusted = false;
    std::vector<std::string> m_notes;
};

// The base directory of the maker's tools: the machine setting, else $TORVANEMGR, without one
// trailing "/" or "\". Empty when neither is set.
QString ToolsBaseDirectory(const CMachineSettings& machine);
// Removes one trailing "/" or "\" (a lone "/" stays: it is the root).
QString RemoveOneTrailingSeparator(QString path);
