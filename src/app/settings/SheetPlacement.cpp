#include "app/settings/SheetPlacement.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kGap = 8;

// Beside `clear` on its right, left, below and above, the other coordinate kept from `sheet`
// as far as the screen allows; the first that the screen holds whole.
std::optional<SScreenRect> Beside(const SScreenRect& clear, const SScreenRect& sheet,
                                  const SScreenRect& screen) {
    const auto along = [](int wanted, int size, int from, int room) {
        return std::clamp(wanted, from, std::max(from, from + room - size));
    };
    const int y = along(sheet.top, sheet.height, screen.top, screen.height);
    const int x = along(sheet.left, sheet.width, screen.left, screen.width);
    const std::vector<SScreenRect> tries = {
        {clear.Right() + kGap, y, sheet.width, sheet.height},
        {clear.left - kGap - sheet.width, y, sheet.width, sheet.height},
        {x, clear.Bottom() + kGap, sheet.width, sheet.height},
        {x, clear.top - kGap - sheet.height, sheet.width, sheet.height}};
    for (const SScreenRect& r : tries) {
        if (screen.Contains(r) && !r.Intersects(clear)) {
            return r;
        }
    }
    return std::nullopt;
}

} // namespace

SScreenRect PlaceSheet(const SSheetPlaceInputs& in) {
    if (!in.sheet.Intersects(in.picture) && !in.sheet.Intersects(in.unit)) {
        return in.sheet;
    }
    if (auto r = Beside(in.picture, in.sheet, in.screen); r && !r->Intersects(in.unit)) {
        return *r;
    }
    // No room beside the whole picture: the unit at least stays in sight.
    if (in.unit.Empty()) {
        return in.sheet;
    }
    if (!in.sheet.Intersects(in.unit)) {
        return in.sheet;
    }
    return Beside(in.unit, in.sheet, in.screen).value_or(in.sheet);
}
