#include "model/Strings.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Keep sorted by number: looked up by binary search.
constexpr Entry kStrings[] = {
    {100, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {152, "OK"},
    {153, "Not same"},
    {64001, "Requesting BTS HW information"},
    {64022, "%s state: "},
    {64079, "Received message: Orvik BTS reported."},
    {64080, "Received message: Device state has changed."},
    {64083, "Received successfully"},
    {64084, "Not received"},
    {64087, "Uninitialized"},
};

constexpr bool SortedById() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id) {
            return false;
        }
    }
    return true;
}
// Merged additions land anywhere; the lookup only works on a sorted table.
static_assert(SortedById(), "the string table must stay sorted by number");

} // namespace

std::string_view LoadString(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int key) { return e.id < key; });
    if (it != std::end(kStrings) && it->id == id) {
        return it->text;
    }
    return {};
}
