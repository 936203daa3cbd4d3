#include "sim/SimConfigStore.h"

namespace {

constexpr int kTagNoData = 273;
constexpr int kTagData = 277;
constexpr int kTagOperation = 278;

struct SElement {
    int tag = 0;
    std::span<const uint8_t> value;
};

// Reads one element at the position; false when the bytes end before it does.
bool ReadElement(std::span<const uint8_t> m, size_t& at, SElement& e) {
    if (at >= m.size()) {
        return false;
    }
    const uint8_t first = m[at++];
    if (first == 0x5F || first == 0x7F) {
        if (at >= m.size()) {
            return false;
        }
        const uint8_t b = m[at++];
        if ((b & 0x80) != 0) {
            if (at >= m.size()) {
                return false;
            }
            e.tag = (b & 0x7F) << 7 | m[at++];
        } else {
            e.tag = b;
        }
    } else {
        e.tag = first - 0x40;
    }
    if (at >= m.size()) {
        return false;
    }
    size_t length = m[at++];
    if (length == 0x81 || length == 0x82) {
        const size_t n = length - 0x80;
        if (at + n > m.size()) {
            return false;
        }
        length = 0;
        for (size_t i = 0; i < n; ++i) {
            length = length << 8 | m[at++];
        }
    }
    if (length > m.size() - at) {
        return false;
    }
    e.value = m.subspan(at, length);
    at += length;
    return true;
}

std::vector<uint8_t> Ack(std::span<const uint8_t> request, int result) {
    std::vector<uint8_t> reply = {0x81, 0x00, request[2], request[3], 0x00, 0x00, 0x00, 0x01};
    if (result != 0) {
        reply[7] = 0;
        reply.push_back(static_cast<uint8_t>(result));
        reply.push_back(static_cast<uint8_t>(result >> 8));
    }
    return reply;
}

void PutLength(std::vector<uint8_t>& out, size_t length) {
    if (length < 128) {
        out.push_back(static_cast<uint8_t>(length));
    } else if (length < 256) {
        out.push_back(0x81);
        out.push_back(static_cast<uint8_t>(length));
    } else {
        out.push_back(0x82);
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(length));
    }
}

} // namespace

std::optional<std::vector<uint8_t>> CSimConfigStore::Handle(std::span<const uint8_t> request) {
    if (request.size() < 4 || request[0] != kTypeGeneric) {
        return std::nullopt;
    }
    int operation = -1;
    bool noData = true;
    std::optional<std::span<const uint8_t>> data;
    size_t at = 4;
    SElement e;
    // Every element read moves on by at least two bytes.
    while (ReadElement(request, at, e)) {
        if (e.tag == kTagOperation && e.value.size() == 1) {
            operation = e.value[0];
        } else if (e.tag == kTagNoData && e.value.size() == 1) {
            noData = e.value[0] != 0;
        } else if (e.tag == kTagData) {
            data = e.value;
        }
    }
    if (operation < 0) {
        return Ack(request, 2);
    }
    if (!noData || data) {
        if (!data || data->size() > kMaxBlockSize) {
            return Ack(request, 3);
        }
        m_blocks[operation].assign(data->begin(), data->end());
        return Ack(request, 0);
    }
    std::vector<uint8_t> reply = {
        0xF0, 0x00, request[2], request[3], 0x5F, 0x82, 0x16, 0x01, static_cast<uint8_t>(operation),
        0x5F, 0x82, 0x15};
    const std::vector<uint8_t>* block = Stored(operation);
    const size_t length = block != nullptr ? block->size() : 0;
    PutLength(reply, length);
    if (block != nullptr) {
        reply.insert(reply.end(), block->begin(), block->end());
    }
    return reply;
}

const std::vector<uint8_t>* CSimConfigStore::Stored(int operation) const {
    auto it = m_blocks.find(operation);
    return it == m_blocks.end() ? nullptr : &it->second;
}
