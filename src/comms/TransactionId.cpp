#include "comms/TransactionId.h"

#include <atomic>

namespace transaction {

namespace {
std::atomic<uint16_t> g_next{0x0200};
}

uint16_t Take() {
    return g_next.fetch_add(2);
}

uint16_t Peek() {
    return g_next.load();
}

} // namespace transaction
