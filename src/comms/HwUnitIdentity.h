#pragma once
// One hardware identity as the BTS reported it, kept byte for byte so it can be handed back in
// the request for that unit's attributes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class CHwUnitIdentity {
public:
    static constexpr size_t kSize = 24;
    static constexpr size_t kUnitIndexByte = 19;

    // Takes the first 24 bytes of the element; a shorter element leaves the rest zero.
    explicit CHwUnitIdentity(std::span<const uint8_t> element) {
        for (size_t i = 0; i < kSize && i < element.size(); ++i) {
            m_bytes[i] = element[i];
        }
    }
    std::span<const uint8_t> Bytes() const { return m_bytes; }
    // Which unit of its object class the identity belongs to.
    int UnitIndex() const { return m_bytes[kUnitIndexByte]; }

private:
    std::array<uint8_t, kSize> m_bytes{};
};
