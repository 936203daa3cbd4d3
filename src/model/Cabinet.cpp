#include "model/Cabinet.h"

#include <algorithm>

#include "model/Unit.h"

std::string CCabinet::LocationText(const CUnit&) const {
    return {};
}

SRect CCabinet::PlaceRect(int, int, const CUnit*) const {
    return {};
}

SRect CCabinet::UnitRect(const CUnit& unit, int variant) const {
    const int first = PlaceIndex(unit);
    if (first < 0) {
        return {};
    }
    SRect r = PlaceRect(first, variant, &unit);
    const SRect last = PlaceRect(first + unit.Width() - 1, variant, &unit);
    if (!last.Empty()) {
        r.left = std::min(r.left, last.left);
        r.top = std::min(r.top, last.top);
        r.right = std::max(r.right, last.right);
        r.bottom = std::max(r.bottom, last.bottom);
    }
    return r;
}
