#include "sim/SimConfigStore.h"

#include "comms/ElementCodec.h"
#include "comms/Protocol.h"

namespace {

using namespace protocol;

std::vector<uint8_t> Ack(std::span<const uint8_t> request, int result) {
    std::vector<uint8_t> reply = {kTypeAck, 0x00, request[2], request[3], 0x00, 0x00, 0x00, 0x01};
    if (result != 0) {
        reply[7] = 0;
        reply.push_back(static_cast<uint8_t>(result));
        reply.push_back(static_cast<uint8_t>(result >> 8));
    }
    return reply;
}

} // namespace

std::optional<std::vector<uint8_t>> CSimConfigStore::Handle(std::span<const uint8_t> request) {
    if (request.size() < 4 || request[0] != kTypeGeneric) {
        return std::nullopt;
    }
    int operation = -1;
    bool noData = true;
    std::optional<std::span<const uint8_t>> data;
    // An element that cannot be read has size 0 and ends the walk; every other moves it on.
    for (size_t at = 4;;) {
        const element::SElement e = element::Read(request, at);
        if (e.size == 0) {
            break;
        }
        const auto value = request.subspan(at + e.valueOffset, e.ValueLength());
        at += e.size;
        if (e.tag == kTagOperation && value.size() == 1) {
            operation = value[0];
        } else if (e.tag == kTagNoData && value.size() == 1) {
            noData = value[0] != 0;
        } else if (e.tag == kTagDataLength) {
            data = value;
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
        ++m_received;
        return Ack(request, 0);
    }
    std::vector<uint8_t> reply = {kTypeData, 0x00, request[2], request[3]};
    element::AppendTag(reply, kTagOperation);
    element::AppendLength(reply, 1);
    reply.push_back(static_cast<uint8_t>(operation));
    const std::vector<uint8_t>* block = Stored(operation);
    element::AppendTag(reply, kTagDataLength);
    element::AppendLength(reply, block != nullptr ? block->size() : 0);
    if (block != nullptr) {
        reply.insert(reply.end(), block->begin(), block->end());
    }
    return reply;
}

const std::vector<uint8_t>* CSimConfigStore::Stored(int operation) const {
    auto it = m_blocks.find(operation);
    return it == m_blocks.end() ? nullptr : &it->second;
}
