#include "comms/ElementCodec.h"

#include <algorithm>
#include <array>

namespace element {

namespace {

// The BTS expects these large tags with the constructed-form first byte.
constexpr std::array<int, 14> kConstructedTags = {39,  51,  70,  72,  73,  87,  88,
                                                  101, 103, 106, 122, 124, 128, 129};

int Signed(uint8_t byte) {
    return static_cast<int8_t>(byte);
}

} // namespace

void AppendTag(std::vector<uint8_t>& out, int tag) {
    if (tag <= 30) {
        out.push_back(static_cast<uint8_t>(0x40 + tag));
        return;
    }
    const bool constructed =
        std::find(kConstructedTags.begin(), kConstructedTags.end(), tag) != kConstructedTags.end();
    out.push_back(constructed ? 0x7F : 0x5F);
    if (tag < 128) {
        out.push_back(static_cast<uint8_t>(tag));
    } else {
        out.push_back(static_cast<uint8_t>(((tag >> 7) & 0x7F) | 0x80));
        out.push_back(static_cast<uint8_t>(tag & 0x7F));
    }
}

void AppendLength(std::vector<uint8_t>& out, size_t length) {
    if (length < 128) {
        out.push_back(static_cast<uint8_t>(length));
    } else if (length < 256) {
        out.push_back(0x81);
        out.push_back(static_cast<uint8_t>(length));
    } else {
        out.push_back(0x82);
        out.push_back(static_cast<uint8_t>((length >> 8) & 0xFF));
        out.push_back(static_cast<uint8_t>(length & 0xFF));
    }
}

SElement Read(std::span<const uint8_t> message, size_t offset) {
    const SElement unreadable;
    const size_t end = message.size();
    size_t pos = offset;
    if (pos >= end) {
        return unreadable;
    }
    int tag = 0;
    const uint8_t first = message[pos];
    if ((first & ~0x20) == 0x5F) {
        if (pos + 1 >= end) {
            return unreadable;
        }
        const uint8_t second = message[pos + 1];
        if (second == 0x81 || second == 0x82) {
            if (pos + 2 >= end) {
                return unreadable;
            }
            tag = (second == 0x81 ? 128 : 256) + Signed(message[pos + 2]);
            pos += 3;
        } else {
            tag = Signed(second);
            pos += 2;
        }
    } else {
        tag = first & 0x1F;
        pos += 1;
    }
    if (pos >= end) {
        return unreadable;
    }
    long length = 0;
    const uint8_t lengthByte = message[pos];
    if (lengthByte <= 0x80) {
        length = lengthByte;
        pos += 1;
    } else if (lengthByte == 0x81) {
        if (pos + 1 >= end) {
            return unreadable;
        }
        length = message[pos + 1];
        pos += 2;
    } else if (lengthByte == 0x82) {
        if (pos + 2 >= end) {
            return unreadable;
        }
        length = Signed(message[pos + 1]) * 256L + message[pos + 2];
        pos += 3;
    } else {
        return unreadable;
    }
    // A negative length or one that runs past the message would make the walk read outside it.
    if (length < 0 || static_cast<size_t>(length) > end - pos) {
        return unreadable;
    }
    SElement result;
    result.tag = tag;
    result.valueOffset = pos - offset;
    result.size = result.valueOffset + static_cast<size_t>(length);
    return result;
}

} // namespace element
