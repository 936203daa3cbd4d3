#include "platform/TransientRegistry.h"

CTransientRegistry::CTransientRegistry(std::unique_ptr<CRegistry> persistent)
    : m_persistent(std::move(persistent)) {}

std::string CTransientRegistry::LoadString(const std::string& section, const std::string& entry,
                                           const std::string& defaultValue) const {
    const std::string* changed = FindString(section, entry);
    return changed != nullptr ? *changed : m_persistent->GetString(section, entry, defaultValue);
}

int CTransientRegistry::LoadInt(const std::string& section, const std::string& entry,
                                int defaultValue) const {
    const int* changed = FindInt(section, entry);
    return changed != nullptr ? *changed : m_persistent->GetInt(section, entry, defaultValue);
}
