#pragma once
// The process-wide transaction id that every request to the BTS carries.

#include <cstdint>

namespace transaction {

// The id for the next request; the counter then moves on by 2 and wraps at 16 bits, passing
// over 0.
uint16_t Take();
// The id the next request will get, without taking it.
uint16_t Peek();

} // namespace transaction
