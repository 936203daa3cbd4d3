#include "app/options/DisplayOptions.h"

#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

SDisplayFlags SDisplayFlags::FromViewSettings(int value) {
    SDisplayFlags f;
    f.widebandAndMulticoupler = (value & 1) != 0;
    f.rackShelfSlot = (value & 2) != 0;
    f.onlySelectedCabling = (value & 4) != 0;
    return f;
}

int SDisplayFlags::ToViewSettings() const {
    return ((onlySelectedCabling ? 2 : 0) + (rackShelfSlot ? 1 : 0)) * 2 +
           (widebandAndMulticoupler ? 1 : 0);
}

bool CPageOptionsCabling::Apply(CRegistry& store, SDisplayFlags* viewManagerFlags) const {
    if (viewManagerFlags == nullptr) {
        return false;
    }
    *viewManagerFlags = m_flags;
    settings::Write(store, settings::kViewSettings, m_flags.ToViewSettings());
    return true;
}
