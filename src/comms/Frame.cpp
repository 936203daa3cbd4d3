#include "comms/Frame.h"

#include <algorithm>

namespace frame {

Bytes Make(uint8_t frameClass, uint8_t flags, uint8_t sequence, std::span<const uint8_t> body) {
    Bytes out;
    out.reserve(kHeaderSize + body.size());
    out.push_back(frameClass);
    out.push_back(flags);
    out.push_back(sequence);
    out.push_back(LengthByte(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<Bytes> Split(std::span<const uint8_t> message) {
    std::vector<Bytes> frames;
    if (message.empty()) {
        return frames;
    }
    if (message.size() <= kMaxBody) {
        frames.push_back(Make(kClassMessage, kOnlyChunk, 0, message));
        return frames;
    }
    for (size_t at = 0; at < message.size(); at += kMaxBody) {
        const size_t n = std::min(kMaxBody, message.size() - at);
        const bool last = at + n == message.size();
        const uint8_t flags = at == 0 ? kFirstChunk : last ? kLastChunk : kMiddleChunk;
        frames.push_back(Make(kClassMessage, flags, 0, message.subspan(at, n)));
    }
    return frames;
}

Bytes Poll(bool linkUp) {
    return {0x80,
            0x80,
            0x00,
            0x09,
            kTypeLinkStatus,
            0x00,
            0x00,
            0x00,
            0x5F,
            0x82,
            0x07,
            0x01,
            linkUp ? kPollLinkUp : kPollLinkDown};
}

Bytes SpeedRequest(int speedCode) {
    return {0x80,
            0x80,
            0x00,
            0x09,
            kTypeSpeedRequest,
            0x00,
            0x01,
            0x00,
            0x5F,
            0x82,
            0x00,
            0x01,
            static_cast<uint8_t>(speedCode)};
}

uint16_t TransactionId(std::span<const uint8_t> message) {
    if (message.size() < 4) {
        return 0xFFFF;
    }
    return static_cast<uint16_t>(message[2] | (message[3] << 8));
}

} // namespace frame
