#include "app/pages/PageOptionsRXDivTARNController.h"

#include "app/views/ViewBase.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

bool PageOptionsRXDivTARNController::OnlySelectedCabling() const {
    const int bits = m_views != nullptr ? m_views->ViewSettings()
                                        : settings::Read(m_settings, settings::kViewSettings);
    return (bits & kOnlySelectedBit) != 0;
}

bool PageOptionsRXDivTARNController::SetOnlySelectedCabling(bool on) {
    if (on == OnlySelectedCabling()) {
        return false;
    }
    // The stored number also holds the Orvik options; they stay as the user left them.
    int bits = settings::Read(m_settings, settings::kViewSettings);
    bits = on ? (bits | kOnlySelectedBit) : (bits & ~kOnlySelectedBit);
    settings::Write(m_settings, settings::kViewSettings, bits);
    if (m_views != nullptr) {
        const int shown = m_views->ViewSettings();
        m_views->SetViewSettings(on ? (shown | kOnlySelectedBit) : (shown & ~kOnlySelectedBit));
        m_views->Redraw();
    }
    return true;
}
