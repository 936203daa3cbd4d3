#pragma once
// The main window's placement as the settings keep it (section "MainWnd"): flags, show state
// and the normal position's edges. A position saved on a larger screen is pulled back so that
// at least an icon's width and height of the window stay reachable.

#include <optional>

class CRegistry;

struct SWindowPlacement {
    int flags = 0;
    int showCommand = 1; // 1 normal, 2 minimised, 3 maximised
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SWindowPlacement&) const = default;
};

// Nothing when any value is missing: the window then keeps its default placement.
std::optional<SWindowPlacement> RestorePlacement(const CRegistry& store, int screenWidth,
                                                 int screenHeight, int iconWidth, int iconHeight);
void SavePlacement(CRegistry& store, const SWindowPlacement& placement);

// Where the window opens when nothing usable is stored: the share of the screen's available
// area a desktop program takes on its first start (80 % each way), centred in it; never larger
// than the area.
SWindowPlacement FirstPlacement(int areaLeft, int areaTop, int areaWidth, int areaHeight);
