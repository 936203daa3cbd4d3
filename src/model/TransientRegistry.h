#pragma once
// A settings store whose writes last only for this run: reads see this run's changes first and
// the persistent store underneath otherwise. A second running copy uses it so that it cannot
// overwrite the settings of the first.

#include "model/Registry.h"

#include <map>
#include <memory>
#include <string>

class CTransientRegistry : public CRegistry {
public:
    explicit CTransientRegistry(std::unique_ptr<CRegistry> persistent);

    void SetString(const std::string& section, const std::string& entry,
                   const std::string& value) override;
    void SetString(const std::string& entry, const std::string& value) override;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& defaultValue) const override;
    std::string GetString(const std::string& entry, const std::string& defaultValue) const override;
    std::string GetStringOrDefault(const std::string& entry) const override;
    void SetInt(const std::string& section, const std::string& entry, int value) override;
    void SetInt(const std::string& entry, int value) override;
    int GetInt(const std::string& section, const std::string& entry,
               int defaultValue) const override;
    int GetIntOrDefault(const std::string& entry) const override;

    const CRegistry& Persistent() const { return *m_persistent; }

private:
    // Section and entry kept apart: joined without a separator, "A"+"BC" and "AB"+"C" would
    // share one value.
    using Key = std::pair<std::string, std::string>;

    std::unique_ptr<CRegistry> m_persistent;
    std::map<Key, std::string> m_strings;
    std::map<Key, int> m_ints;
};
