#pragma once
// The tag-length-value coding of BTS messages: writing elements into requests and reading them
// out of uplink messages and replies.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace element {

// Where one element sits in a message. An element that cannot be read (bad length byte, or
// running past the end of the message) has tag 0 and size 0; walks stop on it.
struct SElement {
    int tag = 0;
    size_t valueOffset = 0; // from the start of the element
    size_t size = 0;        // tag, length and value
    size_t ValueLength() const { return size - valueOffset; }
};

void AppendTag(std::vector<uint8_t>& out, int tag);
void AppendLength(std::vector<uint8_t>& out, size_t length);
// The element that starts at the offset.
SElement Read(std::span<const uint8_t> message, size_t offset);

} // namespace element
