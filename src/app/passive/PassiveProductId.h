#pragma once
// How a passive unit's product identifier is made of an item code and a revision, and taken
// apart again for showing: the item code first, "." padding to the full length, the revision
// last.

#include <string>

namespace passive {

inline constexpr int kSerialLimit = 11;
inline constexpr int kProductLimit = 14;
inline constexpr int kItemCodeLimit = 10;
inline constexpr int kRevisionLimit = 3;
inline constexpr int kMaxUnits = 100;

// Empty when both parts are empty.
std::string ComposeProductId(const std::string& itemCode, const std::string& revision);
// The first ten characters without the padding that follows them.
std::string ItemCodeOf(const std::string& productId);
// The last three characters, padding included.
std::string RevisionOf(const std::string& productId);

bool IsAsciiAlnum(char c);

} // namespace passive
