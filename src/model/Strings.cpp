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
    {154, "Cannot use Bar Code reader with this port when BTS connection is in use.\nDo you want "
          "to disable BTS connection?"},
    {155, "Cannot use BTS connection with this port when Bar Code reader is in use.\nDo you want "
          "to disable Bar Code reader?"},
    {156, "Cannot use Bar Code reader with selected port.\nIt is already used by BTS connection."},
    {157, "Cannot use BTS connection with selected port.\nIt is already used  by Bar Code reader."},
    {158, "Could not start UART port polling timer.\nThe bar code reader cannot be used."},
    {159, "Fetching..."},
    {160, "Sending..."},
    {161, "Fetching failed"},
    {162, "Sending failed"},
    {163, "Fetch successful"},
    {164, "Send successful"},
    {165, "Ready"},
    {64001, "Requesting BTS HW information"},
    {64022, "%s state: "},
    {64067, "BTS connection enabled"},
    {64068, "BTS connection disabled"},
    {64069, "Requesting BTS configuration information."},
    {64070, "Sending BTS configuration information."},
    {64071, "First configuration file received successfully."},
    {64072, "Second configuration file received successfully."},
    {64073, "Cannot receive first configuration file."},
    {64074, "Cannot receive second configuration file."},
    {64075, "First configuration file sent succesfully."},
    {64076, "Second configuration file sent successfully."},
    {64077, "Cannot send first configuration file."},
    {64078, "Cannot send second configuration file."},
    {64079, "Received message: Orvik BTS reported."},
    {64080, "Received message: Device state has changed."},
    {64081, "First configuration file is uninitialized."},
    {64082, "Second configuration file is uninitialized."},
    {64083, "Received successfully"},
    {64084, "Not received"},
    {64085, "Sending and fetching configuration information enabled"},
    {64086, "Sending and fetching configuration information disabled"},
    {64087, "Uninitialized"},
    {64089, "Sending BTS passive unit information."},
    {64090, "Passive unit information sent successfully."},
    {64091, "Requesting BTS passive unit information."},
    {64093, "Cannot send passive unit information."},
    {64095, "This configuration was made for an older BTS software level.\nUpdate it to "
            "KS%VERSION%?"},
    {64096, "The configuration will be updated to BTS software level KS%VERSION%.\nClock "
            "synchronisation modes that level does not know are set to Autodetect On.\n"
            "Continue?"},
    {64098, "User does not have permissions to send the configuration file to BTS."},
    {64100, "Warning: Invalid BB2 - RVxx cross connection detected in BTS."},
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
