#pragma once
// A settings store whose writes last only for this run: reads see this run's changes first and
// the persistent store underneath otherwise. A second running copy uses it so that it cannot
// overwrite the settings of the first.

#include "platform/MemoryRegistry.h"

#include <memory>
#include <string>

class CTransientRegistry : public CMemoryRegistry {
public:
    explicit CTransientRegistry(std::unique_ptr<CRegistry> persistent);

    const CRegistry& Persistent() const { return *m_persistent; }

protected:
    std::string LoadString(const std::string& section, const std::string& entry,
                           const std::string& defaultValue) const override;
    int LoadInt(const std::string& section, const std::string& entry,
                int defaultValue) const override;

private:
    std::unique_ptr<CRegistry> m_persistent;
};
