#pragma once
// The frames of the BTS link: a 4-byte header (class, chunk flags, sequence, body length with 0
// meaning 256) and up to 256 body bytes. Messages longer than one body travel in chunks.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace frame {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kClassMessage = 0x80;
constexpr uint8_t kClassFile = 0x81;
constexpr uint8_t kOnlyChunk = 0x80;
constexpr uint8_t kFirstChunk = 0x40;
constexpr uint8_t kMiddleChunk = 0x20;
constexpr uint8_t kLastChunk = 0x10;
constexpr size_t kHeaderSize = 4;
constexpr size_t kMaxBody = 256;

constexpr uint8_t kTypeLinkStatus = 0xE3;
constexpr uint8_t kTypeSpeedRequest = 0xCA;
constexpr uint8_t kTypeSpeedAck = 0xCB;
constexpr uint8_t kPollLinkDown = 0x1F;
constexpr uint8_t kPollLinkUp = 0x20;

inline size_t BodyLength(uint8_t lengthByte) {
    return lengthByte == 0 ? kMaxBody : lengthByte;
}
inline uint8_t LengthByte(size_t body) {
    return static_cast<uint8_t>(body == kMaxBody ? 0 : body);
}

// One frame around a body of 1 to 256 bytes.
Bytes Make(uint8_t frameClass, uint8_t flags, uint8_t sequence, std::span<const uint8_t> body);
// A message as the frames that carry it: one frame up to 256 bytes, else 256-byte chunks
// flagged first, middle... and last. An empty message gives no frames.
std::vector<Bytes> Split(std::span<const uint8_t> message);
// The 13-byte poll frame; its last byte tells whether the link is up.
Bytes Poll(bool linkUp);
// The 13-byte request to change the line speed to the code.
Bytes SpeedRequest(int speedCode);
// The message id at bytes 2 and 3 (little-endian), or 0xFFFF for a shorter message.
uint16_t TransactionId(std::span<const uint8_t> message);

} // namespace frame
