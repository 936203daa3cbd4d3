#include "platform/MemoryRegistry.h"

void CMemoryRegistry::StoreString(const std::string& section, const std::string& entry,
                                  const std::string& value) {
    m_strings[{section, entry}] = value;
}

std::string CMemoryRegistry::LoadString(const std::string& section, const std::string& entry,
                                        const std::string& defaultValue) const {
    const std::string* value = FindString(section, entry);
    return value != nullptr ? *value : defaultValue;
}

void CMemoryRegistry::StoreInt(const std::string& section, const std::string& entry, int value) {
    m_ints[{section, entry}] = value;
}

int CMemoryRegistry::LoadInt(const std::string& section, const std::string& entry,
                             int defaultValue) const {
    const int* value = FindInt(section, entry);
    return value != nullptr ? *value : defaultValue;
}

const std::string* CMemoryRegistry::FindString(const std::string& section,
                                               const std::string& entry) const {
    auto it = m_strings.find({section, entry});
    return it != m_strings.end() ? &it->second : nullptr;
}

const int* CMemoryRegistry::FindInt(const std::string& section, const std::string& entry) const {
    auto it = m_ints.find({section, entry});
    return it != m_ints.end() ? &it->second : nullptr;
}
