#pragma once
// The configuration blocks the simulated BTS keeps: a block a client sends is stored under its
// operation code and served back when the client fetches it.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

class CSimConfigStore {
public:
    static constexpr uint8_t kTypeGeneric = 0xEC;
    // Larger blocks are refused; the largest real one (passive units) is about 3.2 kB.
    static constexpr size_t kMaxBlockSize = 8192;

    explicit CSimConfigStore(std::map<int, std::vector<uint8_t>> preloaded = {})
        : m_blocks(std::move(preloaded)) {}

    // The reply to a generic request: an acknowledgement for a block sent, a data reply (empty
    // while nothing is stored) for a fetch; nullopt for other requests.
    std::optional<std::vector<uint8_t>> Handle(std::span<const uint8_t> request);

    // nullptr while nothing is stored under the operation code.
    const std::vector<uint8_t>* Stored(int operation) const;
    // Blocks clients sent and the store took, preloaded ones not counted.
    int BlocksReceived() const { return m_received; }

private:
    std::map<int, std::vector<uint8_t>> m_blocks;
    int m_received = 0;
};
