#pragma once
// Puts an incoming message together from its reply frames, in a buffer of fixed size: a BTS
// that sends more than fits is refused rather than allowed to overrun it.

#include "comms/Frame.h"

class CMessageAssembler {
public:
    static constexpr size_t kCapacity = 64 * 1024;

    // Whether a reply frame begins a message (only, first or last chunk flags).
    static bool StartsMessage(std::span<const uint8_t> frame);

    // Begins a message with its first frame (header kept). False for a frame shorter than its
    // header.
    bool Start(std::span<const uint8_t> frame);
    // Adds the body of a following frame. False, and the message is marked overflowed, when it
    // would pass the capacity.
    bool Append(std::span<const uint8_t> frame);
    // The last frame closed the message (only or last chunk, or a file-service frame).
    bool Complete() const;
    bool Overflowed() const { return m_overflow; }
    void Clear();

    // Header of the first frame followed by every body.
    std::span<const uint8_t> Message() const { return {m_buffer.data(), m_size}; }
    std::span<const uint8_t> Body() const;

private:
    frame::Bytes m_buffer = frame::Bytes(kCapacity);
    size_t m_size = 0;
    uint8_t m_frameClass = 0;
    uint8_t m_lastFlags = 0;
    bool m_overflow = false;
};
