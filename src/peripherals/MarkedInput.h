#pragma once
// Undoes the marking that the terminal driver puts on received bytes when it is asked to report
// line errors in the data: 0xFF 0x00 x is a character that arrived with a parity or framing
// error (x = 0 also for a break), 0xFF 0xFF is a genuine 0xFF byte. Marks may be split over
// reads, so the decoder keeps what it has seen of one.

#include <cstddef>
#include <cstdint>
#include <deque>

class CMarkedInput {
public:
    // Decodes the bytes into characters (0-255) and uart::kLineError entries.
    void Feed(const std::uint8_t* data, std::size_t size);

    bool Empty() const { return m_out.empty(); }
    // The next character or uart::kLineError; uart::kNothingWaiting when there is none.
    int Take();
    // Drops decoded characters and any half-seen mark.
    void Clear();

private:
    enum class State { Plain, SeenFF, SeenFF00 };
    State m_state = State::Plain;
    std::deque<int> m_out;
};
