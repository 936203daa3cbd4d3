#include "comms/TransactionId.h"

#include <atomic>

namespace transaction {

namespace {

constexpr uint16_t kStep = 2;
// Id 0 marks the file service's own acknowledgements, so a request carrying it would have its
// reply taken for one of those and never reach the caller.
constexpr uint16_t kReserved = 0;

std::atomic<uint16_t> g_next{0x0200};

uint16_t After(uint16_t id) {
    const auto next = static_cast<uint16_t>(id + kStep);
    return next == kReserved ? static_cast<uint16_t>(next + kStep) : next;
}

} // namespace

uint16_t Take() {
    uint16_t id = g_next.load();
    while (!g_next.compare_exchange_weak(id, After(id))) {
    }
    return id;
}

uint16_t Peek() {
    return g_next.load();
}

} // namespace transaction
