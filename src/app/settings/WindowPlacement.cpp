#include "app/settings/WindowPlacement.h"

#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <algorithm>

std::optional<SWindowPlacement> RestorePlacement(const CRegistry& store, int screenWidth,
                                                 int screenHeight, int iconWidth, int iconHeight) {
    SWindowPlacement p;
    p.flags = settings::Read(store, settings::kMainWinFlags);
    p.showCommand = settings::Read(store, settings::kMainShowWindow);
    p.left = settings::Read(store, settings::kMainX);
    p.top = settings::Read(store, settings::kMainY);
    p.right = settings::Read(store, settings::kMainCx);
    p.bottom = settings::Read(store, settings::kMainCy);
    if (p.left == -1 || p.top == -1 || p.right == -1 || p.bottom == -1) {
        return std::nullopt;
    }
    p.left = std::min(p.left, screenWidth - iconWidth);
    p.top = std::min(p.top, screenHeight - iconHeight);
    return p;
}

void SavePlacement(CRegistry& store, const SWindowPlacement& p) {
    settings::Write(store, settings::kMainWinFlags, p.flags);
    settings::Write(store, settings::kMainShowWindow, p.showCommand);
    settings::Write(store, settings::kMainX, p.left);
    settings::Write(store, settings::kMainY, p.top);
    settings::Write(store, settings::kMainCx, p.right);
    settings::Write(store, settings::kMainCy, p.bottom);
}

SWindowPlacement FirstPlacement(int areaLeft, int areaTop, int areaWidth, int areaHeight) {
    SWindowPlacement p;
    const int width = areaWidth * 4 / 5;
    const int height = areaHeight * 4 / 5;
    p.left = areaLeft + (areaWidth - width) / 2;
    p.top = areaTop + (areaHeight - height) / 2;
    p.right = p.left + width;
    p.bottom = p.top + height;
    return p;
}
