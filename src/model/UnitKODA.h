#pragma once
// The base of the Orvik unit classes: the units that are drawn as one block with their
// neighbours and the preview values that pages propose before they are recorded.

#include <array>

#include "model/Unit.h"

// Slots of the preview block.
enum EPreviewField : int {
    kPreviewLink = 0, // TRX: BB2 half; MHA: antenna connection
    kPreviewRxDivMulticoupler,
    kPreviewRxDivCombiner,
    kPreviewRxMainMulticoupler,
    kPreviewRxMainCombiner,
    kPreviewTxPath2,
    kPreviewTxPath1,
    kPreviewTxCombiner,
    kPreviewFieldCount
};

class CUnitKODA : public CUnit {
public:
    EUnitFamily Family() const override { return EUnitFamily::Orvik; }

    bool IsJoined() const { return m_joined; }
    int Preview(int field) const { return m_preview[field]; }
    void SetPreview(int field, int value) { m_preview[field] = value; }
    void ClearPreview() { m_preview.fill(0); }

protected:
    CUnitKODA(int kind, const char* description, int width, int portRows, int logicalKind,
              bool joined)
        : CUnit(kind, description, width, portRows, logicalKind), m_joined(joined) {}
    // Preview values belong to the page that proposed them and never travel with a copy.
    CUnitKODA(const CUnitKODA& other) : CUnit(other), m_joined(other.m_joined) {}

private:
    bool m_joined = false;
    std::array<int, kPreviewFieldCount> m_preview{};
};

// Applies one of the per-band type rows {generic, 900, 1800, 1900, 800}; false when the band
// value names none of them.
bool ApplyBandRow(CUnit& unit, int bandValue, const int (&typeIds)[5]);
