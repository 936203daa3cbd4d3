#include "app/options/CableColours.h"

#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

namespace {

static_assert(COptionsCableColoringKODA::kCount == settings::kOrvikColorCount);
const auto& kDefaults = settings::kOrvikColorDefaults;

const char* const kGroupNames[COptionsCableColoringKODA::kGroupCount] = {
    "TX Cabling", "RX Main Cabling", "RX Diversity Cabling", "BB2 - RVx Cross-connections",
    "Antenna Cabling"};

} // namespace

std::uint32_t COptionsCableColoringKODA::DefaultColour(int index) {
    return index >= 0 && index < kCount ? kDefaults[index] : 0;
}

std::string COptionsCableColoringKODA::SettingName(int index) {
    return "OrvikColor" + std::to_string(index + 1);
}

std::string COptionsCableColoringKODA::GroupName(int group) {
    return group >= 0 && group < kGroupCount ? kGroupNames[group] : "";
}

COptionsCableColoringKODA::COptionsCableColoringKODA(const CRegistry& store) {
    for (int i = 0; i < kCount; ++i) {
        const int stored =
            store.GetInt(settings::kSettings, SettingName(i), static_cast<int>(kDefaults[i]));
        // Only the three colour bytes mean anything; a stray high byte is no colour.
        m_colours[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(stored) & 0xFFFFFFu;
    }
}

std::uint32_t COptionsCableColoringKODA::Colour(int index) const {
    return index >= 0 && index < kCount ? m_colours[static_cast<std::size_t>(index)] : 0;
}

void COptionsCableColoringKODA::SetColour(int index, std::uint32_t colour) {
    if (index < 0 || index >= kCount) {
        return;
    }
    m_colours[static_cast<std::size_t>(index)] = colour & 0xFFFFFFu;
    m_changed = true;
}

void COptionsCableColoringKODA::ResetColours() {
    for (int i = 0; i < kCount; ++i) {
        m_colours[static_cast<std::size_t>(i)] = kDefaults[i];
    }
    m_changed = true;
}

void COptionsCableColoringKODA::Apply(CRegistry& store) {
    for (int i = 0; i < kCount; ++i) {
        store.SetInt(settings::kSettings, SettingName(i),
                     static_cast<int>(m_colours[static_cast<std::size_t>(i)]));
    }
    m_changed = false;
}
