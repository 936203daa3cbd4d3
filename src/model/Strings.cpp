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
    {64001, "Requesting BTS HW information"},
};

} // namespace

std::string_view LoadString(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int key) { return e.id < key; });
    if (it != std::end(kStrings) && it->id == id) {
        return it->text;
    }
    return {};
}
