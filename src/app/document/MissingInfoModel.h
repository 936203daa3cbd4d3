#pragma once
// What the "Missing Information" dialog lists: the units, TX cabling, RX main cabling and
// antenna settings the candidate still lacks before it can be sent, or "OK" for each that is
// complete.

#include <array>
#include <string>

class CConfigInfoKODA;

struct SMissingSection {
    int viewType = 0; // the view whose icon goes with it
    std::string heading;
    std::string text;
};

// Computes the lists of `info` and returns the four sections in dialog order.
std::array<SMissingSection, 4> MissingInformationSections(CConfigInfoKODA& info);
