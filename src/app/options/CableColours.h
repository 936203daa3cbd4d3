#pragma once
// The ten cable colours of the "Cable Colours" options page: five groups, each with an
// unselected and a selected colour, stored as 0x00BBGGRR values in "OrvikColor1".."10".

#include <array>
#include <cstdint>
#include <string>

class CRegistry;

class COptionsCableColoringKODA {
public:
    static constexpr int kCount = 10;
    static constexpr int kGroupCount = 5;

    static std::uint32_t Rgb(int red, int green, int blue) {
        return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
               static_cast<std::uint32_t>(blue) << 16;
    }
    static std::uint32_t DefaultColour(int index);
    static std::string SettingName(int index);
    static std::string GroupName(int group);
    // Colour indexes of a group: unselected 2 * group, selected 2 * group + 1.
    static int UnselectedIndex(int group) { return 2 * group; }
    static int SelectedIndex(int group) { return 2 * group + 1; }

    // Each swatch reads its colour from its setting.
    explicit COptionsCableColoringKODA(const CRegistry& store);

    std::uint32_t Colour(int index) const;
    // A swatch took a colour from the chooser.
    void SetColour(int index, std::uint32_t colour);
    void ResetColours();
    // Writes the ten colours. Nothing is written unless this is called: Cancel drops them.
    void Apply(CRegistry& store);
    bool Changed() const { return m_changed; }

private:
    std::array<std::uint32_t, kCount> m_colours{};
    bool m_changed = false;
};
