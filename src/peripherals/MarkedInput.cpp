#include "peripherals/MarkedInput.h"

#include "peripherals/UartErrors.h"

void CMarkedInput::Feed(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const int c = data[i];
        switch (m_state) {
        case State::Plain:
            if (c == 0xFF) {
                m_state = State::SeenFF;
            } else {
                m_out.push_back(c);
            }
            break;
        case State::SeenFF:
            if (c == 0xFF) {
                m_out.push_back(0xFF);
                m_state = State::Plain;
            } else if (c == 0x00) {
                m_state = State::SeenFF00;
            } else {
                // The driver never sends this; keep both bytes rather than guess.
                m_out.push_back(0xFF);
                m_out.push_back(c);
                m_state = State::Plain;
            }
            break;
        case State::SeenFF00:
            m_out.push_back(uart::kLineError);
            m_state = State::Plain;
            break;
        }
    }
}

int CMarkedInput::Take() {
    if (m_out.empty()) {
        return uart::kNothingWaiting;
    }
    const int c = m_out.front();
    m_out.pop_front();
    return c;
}

void CMarkedInput::Clear() {
    m_out.clear();
    m_state = State::Plain;
}
