#include "model/MemoryRegistry.h"

void CMemoryRegistry::SetString(const std::string& section, const std::string& entry,
                                const std::string& value) {
    m_strings[{section, entry}] = value;
}

void CMemoryRegistry::SetString(const std::string& entry, const std::string& value) {
    SetString(kInitialization, entry, value);
}

std::string CMemoryRegistry::GetString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) const {
    auto it = m_strings.find({section, entry});
    return it != m_strings.end() ? it->second : defaultValue;
}

std::string CMemoryRegistry::GetString(const std::string& entry,
                                       const std::string& defaultValue) const {
    return GetString(kInitialization, entry, defaultValue);
}

std::string CMemoryRegistry::GetStringOrDefault(const std::string& entry) const {
    std::string value = GetString(entry, "");
    return value.empty() ? BuiltInStringDefault(entry) : value;
}

void CMemoryRegistry::SetInt(const std::string& section, const std::string& entry, int value) {
    m_ints[{section, entry}] = value;
}

void CMemoryRegistry::SetInt(const std::string& entry, int value) {
    SetInt(kInitialization, entry, value);
}

int CMemoryRegistry::GetInt(const std::string& section, const std::string& entry,
                            int defaultValue) const {
    auto it = m_ints.find({section, entry});
    return it != m_ints.end() ? it->second : defaultValue;
}

int CMemoryRegistry::GetIntOrDefault(const std::string& entry) const {
    const int value = GetInt(kInitialization, entry, -1);
    return value == -1 ? BuiltInIntDefault(entry) : value;
}
