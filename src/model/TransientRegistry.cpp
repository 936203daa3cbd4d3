#include "model/TransientRegistry.h"

CTransientRegistry::CTransientRegistry(std::unique_ptr<CRegistry> persistent)
    : m_persistent(std::move(persistent)) {}

void CTransientRegistry::SetString(const std::string& section, const std::string& entry,
                                   const std::string& value) {
    m_strings[{section, entry}] = value;
}

void CTransientRegistry::SetString(const std::string& entry, const std::string& value) {
    SetString(kInitialization, entry, value);
}

std::string CTransientRegistry::GetString(const std::string& section, const std::string& entry,
                                          const std::string& defaultValue) const {
    if (auto it = m_strings.find({section, entry}); it != m_strings.end()) {
        return it->second;
    }
    return m_persistent->GetString(section, entry, defaultValue);
}

std::string CTransientRegistry::GetString(const std::string& entry,
                                          const std::string& defaultValue) const {
    return GetString(kInitialization, entry, defaultValue);
}

std::string CTransientRegistry::GetStringOrDefault(const std::string& entry) const {
    // A value changed in this run follows the same rule as a stored one: empty means default.
    if (auto it = m_strings.find({kInitialization, entry}); it != m_strings.end()) {
        return it->second.empty() ? BuiltInStringDefault(entry) : it->second;
    }
    return m_persistent->GetStringOrDefault(entry);
}

void CTransientRegistry::SetInt(const std::string& section, const std::string& entry, int value) {
    m_ints[{section, entry}] = value;
}

void CTransientRegistry::SetInt(const std::string& entry, int value) {
    SetInt(kInitialization, entry, value);
}

int CTransientRegistry::GetInt(const std::string& section, const std::string& entry,
                               int defaultValue) const {
    if (auto it = m_ints.find({section, entry}); it != m_ints.end()) {
        return it->second;
    }
    return m_persistent->GetInt(section, entry, defaultValue);
}

int CTransientRegistry::GetIntOrDefault(const std::string& entry) const {
    if (auto it = m_ints.find({kInitialization, entry}); it != m_ints.end()) {
        return it->second == -1 ? BuiltInIntDefault(entry) : it->second;
    }
    return m_persistent->GetIntOrDefault(entry);
}
