#pragma once
// One drawable cable between two unit connectors, derived from the references recorded on the
// transceivers and antennas; never saved.

#include <array>
#include <memory>

class CUnit;

class CCabling {
public:
    CCabling() = default;
    CCabling(CUnit* start, int startKind, int startIndex, CUnit* end, int endKind, int endIndex);

    // Copies all of it, end units included; copying a configuration re-points them.
    std::unique_ptr<CCabling> Copy() const { return std::make_unique<CCabling>(*this); }

    CUnit* Start() const { return m_start; }
    CUnit* End() const { return m_end; }
    void SetStart(CUnit* unit) { m_start = unit; }
    void SetEnd(CUnit* unit) { m_end = unit; }
    int StartKind() const { return m_startKind; }
    int EndKind() const { return m_endKind; }
    int StartIndex() const { return m_startIndex; }
    int EndIndex() const { return m_endIndex; }
    bool Touches(const CUnit* unit) const { return m_start == unit || m_end == unit; }

    // 1 TX, 2 RX main, 3 RX diversity, 0 other (antenna and marker cables).
    int CableClass() const;
    // The cable type the cable belongs to (1 TX, 2 RX main, 3 RX diversity, 5 antenna), marker
    // cables included; 0 for none.
    int CableType() const;

    bool Changed() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }
    int TrxNumber() const { return m_trx; }
    void SetTrxNumber(int trx) { m_trx = trx; }
    // Every TRX 1-12 whose path runs through the cable.
    bool FlaggedFor(int trx) const { return trx >= 1 && trx <= 12 && m_trxFlags[trx - 1]; }
    void FlagFor(int trx) {
        if (trx >= 1 && trx <= 12) {
            m_trxFlags[trx - 1] = true;
        }
    }
    bool IsMarker() const { return m_marker; }
    void SetMarker(bool marker) { m_marker = marker; }
    int FixedX() const { return m_fixedX; }
    int FixedY() const { return m_fixedY; }
    void SetFixedPoint(int x, int y) {
        m_fixedX = x;
        m_fixedY = y;
    }

private:
    int m_fixedX = 0;
    int m_fixedY = 0;
    bool m_changed = false;
    int m_trx = 0;
    std::array<bool, 12> m_trxFlags{};
    bool m_marker = false;
    CUnit* m_start = nullptr;
    CUnit* m_end = nullptr;
    int m_startKind = 0;
    int m_endKind = 0;
    int m_startIndex = 0;
    int m_endIndex = 0;
};
