#include "comms/MessageAssembler.h"

#include <algorithm>
#include <cstring>

namespace {

// The body bytes a frame really holds: its length byte, unless the frame is cut short.
std::span<const uint8_t> BodyOf(std::span<const uint8_t> f) {
    const size_t declared = frame::BodyLength(f[3]);
    return f.subspan(frame::kHeaderSize, std::min(declared, f.size() - frame::kHeaderSize));
}

} // namespace

bool CMessageAssembler::StartsMessage(std::span<const uint8_t> f) {
    if (f.size() < frame::kHeaderSize) {
        return false;
    }
    return f[1] == frame::kOnlyChunk || f[1] == frame::kFirstChunk || f[1] == frame::kLastChunk;
}

void CMessageAssembler::Clear() {
    m_size = 0;
    m_frameClass = 0;
    m_lastFlags = 0;
    m_overflow = false;
}

bool CMessageAssembler::Start(std::span<const uint8_t> f) {
    Clear();
    if (f.size() < frame::kHeaderSize) {
        return false;
    }
    const auto body = BodyOf(f);
    std::memcpy(m_buffer.data(), f.data(), frame::kHeaderSize);
    std::memcpy(m_buffer.data() + frame::kHeaderSize, body.data(), body.size());
    m_size = frame::kHeaderSize + body.size();
    m_frameClass = f[0];
    m_lastFlags = f[1];
    return true;
}

bool CMessageAssembler::Append(std::span<const uint8_t> f) {
    if (m_overflow || f.size() < frame::kHeaderSize) {
        return false;
    }
    const auto body = BodyOf(f);
    m_lastFlags = f[1];
    if (body.size() > kCapacity - m_size) {
        m_overflow = true;
        return false;
    }
    std::memcpy(m_buffer.data() + m_size, body.data(), body.size());
    m_size += body.size();
    return true;
}

bool CMessageAssembler::Complete() const {
    return m_lastFlags == frame::kOnlyChunk || m_lastFlags == frame::kLastChunk ||
           m_frameClass == frame::kClassFile;
}

std::span<const uint8_t> CMessageAssembler::Body() const {
    if (m_size < frame::kHeaderSize) {
        return {};
    }
    return {m_buffer.data() + frame::kHeaderSize, m_size - frame::kHeaderSize};
}
