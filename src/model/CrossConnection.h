#pragma once
// The baseband cross-connection of an Orvik configuration: which BB2 port drives each
// transceiver, whether that is the straight-through arrangement, and its description in words.

#include <string>
#include <vector>

class CDataBase;

namespace crossconnect {

// BB2 number and half ('a' or 'b') a port id names; number 0 for -1 and other non-ports.
struct SBb2Port {
    int bb2 = 0;
    char half = 'a';
};
SBb2Port PortOf(int bb2Id);

// Every transceiver in use is driven by the BB2 port of its own number.
bool IsStraightThrough(const CDataBase& db);

// The lines that describe the cross-connection: the two straight-through lines, or one line per
// BB2 with its two ports and the transceivers they drive.
std::vector<std::string> DescriptionLines(const CDataBase& db);

} // namespace crossconnect
