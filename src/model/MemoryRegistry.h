#pragma once
// A settings store in memory: the persistent store of programs and tests that keep no file,
// and the layer that holds a transient store's changes.

#include "model/Registry.h"

#include <map>
#include <string>

class CMemoryRegistry : public CRegistry {
public:
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

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::string> m_strings;
    std::map<Key, int> m_ints;
};
