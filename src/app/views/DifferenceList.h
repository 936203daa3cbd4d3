#pragma once
// What differs between the candidate and the configuration currently in BTS, one row per unit,
// transceiver, antenna, setting or passive unit, for the Differences view and `diff --detail`.
// Only views whose BTS side has been received take part: a view that cannot be compared has no
// differences to tell, and every view that is "Not same" has at least one row.

#include <string>
#include <vector>

class CConfigInfoKODA;
class CSiteKODA;

struct SDifferenceItem {
    int viewType = 0;
    std::string view;
    // "RVDA 3", "Antenna 2", "Cabinet Type", "RX Main Filter 1".
    std::string item;
    // What each side has there; "-" for nothing. UTF-8.
    std::string candidate;
    std::string bts;
    // The unit the row points at in the picture, by the number it is shown with (a DDU's
    // number may differ between the two sides); kind 0 for none.
    int unitKind = 0;
    int unitDisplayedNumber = 0;
};

// `info` must have been recomputed for the site's configurations.
std::vector<SDifferenceItem> ListDifferences(CSiteKODA* site, const CConfigInfoKODA& info);
