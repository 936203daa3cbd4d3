#pragma once
// Where the modeless property sheet opens: where the user last left it, unless it would cover
// the part of the picture being edited (the picture pane, or at least the selected unit);
// then beside that part, on whichever side the screen has room for the whole sheet.

#include <optional>

struct SScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Intersects(const SScreenRect& o) const {
        return !Empty() && !o.Empty() && left < o.Right() && o.left < Right() && top < o.Bottom() &&
               o.top < Bottom();
    }
    bool Contains(const SScreenRect& o) const {
        return o.left >= left && o.top >= top && o.Right() <= Right() && o.Bottom() <= Bottom();
    }
    bool operator==(const SScreenRect&) const = default;
};

struct SSheetPlaceInputs {
    SScreenRect sheet;  // its size, and where it would open (the stored or default place)
    SScreenRect screen; // the available area of the screen
    SScreenRect picture;
    SScreenRect unit; // empty without a selected unit
};

// The sheet's rectangle: `sheet` itself when it covers neither the picture nor the unit.
SScreenRect PlaceSheet(const SSheetPlaceInputs& in);
