#pragma once
// A settings store in memory: the persistent store of programs and tests that keep no file,
// and the layer that holds a transient store's changes.

#include "platform/Registry.h"

#include <map>
#include <string>

class CMemoryRegistry : public CRegistry {
protected:
    void StoreString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    std::string LoadString(const std::string& section, const std::string& entry,
                           const std::string& defaultValue) const override;
    void StoreInt(const std::string& section, const std::string& entry, int value) override;
    int LoadInt(const std::string& section, const std::string& entry,
                int defaultValue) const override;

    // What this store holds itself; nullptr when the entry was never set here.
    const std::string* FindString(const std::string& section, const std::string& entry) const;
    const int* FindInt(const std::string& section, const std::string& entry) const;

private:
    // Section and entry kept apart: joined without a separator, "A"+"BC" and "AB"+"C" would
    // share one value.
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::string> m_strings;
    std::map<Key, int> m_ints;
};
