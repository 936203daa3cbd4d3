#pragma once
// The persistent settings store: the user's settings file (INI, one group per section), written
// through at every change so that nothing is lost when the program ends abruptly.

#include "platform/Registry.h"

#include <QSettings>
#include <QString>

#include <memory>

class CWindowsRegistry : public CRegistry {
public:
    // `path` empty: DefaultPath().
    explicit CWindowsRegistry(const QString& path = {});

    QString Path() const { return m_settings->fileName(); }
    // Where a settings file that could not be parsed was copied before the first write, so that
    // a hand-edited file is never silently lost; empty when the file was sound or unchanged.
    QString DamagedCopy() const { return m_damagedCopy; }

    // ~/.config/Torvane/Cabrion.ini, following XDG_CONFIG_HOME.
    static QString DefaultPath();
    // Makes CRegistry::Instance() keep its settings in the file at `path` (empty: DefaultPath()).
    static void InstallAsPersistentStore(const QString& path = {});

protected:
    void StoreString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    std::string LoadString(const std::string& section, const std::string& entry,
                           const std::string& defaultValue) const override;
    void StoreInt(const std::string& section, const std::string& entry, int value) override;
    int LoadInt(const std::string& section, const std::string& entry,
                int defaultValue) const override;

private:
    void KeepDamagedFile();

    std::unique_ptr<QSettings> m_settings;
    bool m_damaged = false;
    QString m_damagedCopy;
};
