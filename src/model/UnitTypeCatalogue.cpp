#include "model/UnitTypeCatalogue.h"

#include <array>
#include <cstring>

namespace {

constexpr UnitTypeRecord kOrvik[] = {
    {1, 1013, "RVTB", 8, 2, "", 0},
    {1, 1010, "RVGA", 1, 1, "", 0},
    {1, 1014, "RVGB", 1, 2, "", 0},
    {1, 1011, "RVDA", 2, 1, "", 0},
    {1, 1015, "RVDB", 2, 2, "", 0},
    {1, 1012, "RVPA", 4, 1, "", 0},
    {1, 1016, "RVPB", 4, 2, "", 0},
    {1, 900, "RVx", 65535, 0, "", 0},
    {12, 40, "KNGx", 1, 3, "Sub band None", 0},
    {12, 61, "KNHx", 1, 3, "Sub band H", 0},
    {12, 62, "KNJx", 1, 3, "Sub band J", 0},
    {12, 41, "KNDx", 2, 3, "Sub band A/B", 0},
    {12, 42, "KNPx", 4, 3, "", 0},
    {12, 58, "ERR!", 8, 0, "KNx 850 does not exist!", 0},
    {12, 901, "KNx", 65535, 0, "", 0},
    {3, 32, "QD2A", 0, 1, "", 0},
    {3, 57, "QD2E", 0, 2, "EDGE", 0},
    {3, 60, "QD2F", 0, 2, "EDGE", 0},
    {7, 37, "ZLGA", 1, 1, "", 0},
    {7, 38, "ZLDA", 2, 1, "", 0},
    {7, 39, "ZLPA", 4, 1, "", 0},
    {7, 902, "ZLxA", 65535, 1, "", 0},
    {6, 55, "HYTB", 8, 2, "", 0},
    {6, 43, "HYGx", 1, 3, "Sub band None", 0},
    {6, 63, "HYHx", 1, 3, "Sub band H", 0},
    {6, 64, "HYJx", 1, 3, "Sub band J", 0},
    {6, 44, "HYDx", 2, 3, "Sub band A/B", 0},
    {6, 45, "HYPx", 4, 3, "", 0},
    {6, 903, "HYx", 65535, 0, "", 0},
    {8, 33, "J2LA", 9, 3, "", 0},
    {8, 34, "J2HA", 6, 3, "", 0},
    {8, 904, "J2xA", 65535, 0, "", 0},
    {9, 35, "J6LA", 9, 3, "", 0},
    {9, 36, "J6HA", 6, 3, "", 0},
    {9, 905, "J6xA", 65535, 0, "", 0},
    {4, 30, "FUSA", 0, 3, "AC", 0},
    {4, 31, "FUSB", 0, 3, "DC", 0},
    {4, 56, "FUSC", 0, 3, "DC", 0},
    {4, 906, "FUSx", 65535, 0, "AC or DC", 0},
    {5, 1100, "YTEA", 0, 3, "DR E1/T1", 0},
    {5, 1101, "YTTA", 0, 3, "DRB E1", 0},
    {5, 1102, "YTTB", 0, 3, "DRB E1/T1", 0},
    {5, 1105, "YTRA", 0, 3, "DR RRI", 0},
    {5, 1106, "YTRB", 0, 3, "DRB RRI", 0},
    {5, 1107, "YTSA", 0, 3, "Dummy", 0},
    {5, 1108, "YTOA", 0, 3, "DRB STM-1", 0},
    {5, 1109, "YTOB", 0, 3, "DRB BRIDGE", 0},
    {5, 908, "YTOx", 65535, 0, "DRB BRIDGE/DRB STM-1", 0},
    {5, 907, "YTx", 65535, 0, "", 0},
    {10, 46, "GEGA", 9, 3, "", 0},
    {10, 47, "GEDA", 2, 3, "", 0},
    {10, 48, "GEPA", 4, 3, "", 0},
    {10, 909, "GExA", 65535, 3, "", 0},
    {16, 65, "GEGT", 9, 3, "", 0},
    {16, 66, "GEDT", 2, 3, "", 0},
    {16, 67, "GEPT", 4, 3, "", 0},
    {2, 1000, "BOI ", 0, 1, "", 0},
    {11, 54, "SZTB", 8, 3, "High gain", 0},
    {11, 50, "SZGx", 1, 3, "High gain", 0},
    {11, 51, "SZDx", 2, 3, "High gain", 0},
    {11, 52, "SZPx", 4, 3, "High gain", 0},
    {11, 53, "MHA ", 0, 3, "Low gain", 0},
    {11, 910, "SZx", 65535, 0, "High gain", 0},
    {11, 59, "SZPF", 4, 3, "High gain with Bypass", 0},
    {11, 70, "SWPA", 4, 3, "High gain with Bypass", 0},
    {11, 69, "SWDA", 2, 3, "High gain with Bypass", 0},
    {11, 68, "SWGA", 1, 3, "High gain with Bypass", 0},
    {11, 71, "SWTA", 8, 3, "High gain with Bypass", 0},
};
static_assert(std::size(kOrvik) == 68);

constexpr UnitTypeRecord kSelmo[] = {
    {1, 1001, "OEGA", 1, 1, "", 0},
    {1, 1002, "OEDA", 2, 1, "", 0},
    {1, 1003, "OEPA", 4, 1, "", 0},
    {1, 1004, "ICTG", 1, 1, "High power", 0},
    {1, 1005, "ICTD", 2, 1, "High power", 0},
    {1, 1006, "ICTP", 4, 1, "High power", 0},
    {4, 1, "OBDA", 0, 1, "VDC", 0},
    {4, 2, "OBAA", 0, 1, "230 VAC", 0},
    {4, 3, "OBAB", 0, 1, "110 VAC", 0},
    {4, 4, "ICSD", 0, 1, "HP VDC", 0},
    {4, 5, "ICSA", 0, 1, "HP 230 VAC", 0},
    {4, 6, "ICSB", 0, 1, "HP 110 VAC", 0},
    {5, 1100, "YTEA", 0, 1, "DR E1/T1", 0},
    {5, 1101, "YTTA", 0, 1, "DRB E1", 0},
    {5, 1102, "YTTB", 0, 1, "DRB E1/T1", 0},
    {5, 1105, "YTRA", 0, 1, "DR RRI", 0},
    {5, 1106, "YTRB", 0, 1, "DRB RRI", 0},
    {5, 1107, "YTSA", 0, 1, "Dummy", 0},
    {5, 907, "YTx", 65535, 1, "", 0},
    {15, 1204, "WKCE", 0, 1, "Lumbrel", 0},
    {15, 1203, "XBTS", 0, 1, "Crestal", 0},
    {14, 1200, "NYNI", 0, 1, "", 0},
    {13, 1201, "EZFA", 0, 1, "", 0},
};
static_assert(std::size(kSelmo) == 23);

constexpr std::array<std::string_view, 5> kBypassCodes = {"SZPF", "SWDA", "SWGA", "SWPA", "SWTA"};

bool IsSubBandHOrJ(int typeId) { return typeId >= 61 && typeId <= 64; }
bool IsBypassMha(int typeId) { return typeId >= 68 && typeId <= 71; }

} // namespace

namespace UnitTypeCatalogue {

std::span<const UnitTypeRecord> Table(EUnitFamily family) {
    if (family == EUnitFamily::Selmo) {
        return kSelmo;
    }
    return kOrvik;
}

const UnitTypeRecord* FindByTypeId(EUnitFamily family, int typeId) {
    for (const auto& row : Table(family)) {
        if (row.typeId == typeId) {
            return &row;
        }
    }
    return nullptr;
}

const UnitTypeRecord* Enumerate(int index) {
    if (index < 0 || index >= OrvikRowCount()) {
        return nullptr;
    }
    return &kOrvik[index];
}

int OrvikRowCount() { return static_cast<int>(std::size(kOrvik)); }

const UnitTypeRecord* FirstOfCategory(EUnitFamily family, int category) {
    for (const auto& row : Table(family)) {
        if (row.category == category) {
            return &row;
        }
    }
    return nullptr;
}

const UnitTypeRecord* AdaptToBand(EUnitFamily family, int kind, int currentTypeId, bool edgeTrx,
                                  int bandMask) {
    const int mask = bandMask & kBandMaskBits;
    if (family == EUnitFamily::Selmo) {
        for (const auto& row : kSelmo) {
            if (row.category == kind && (row.band & mask) != 0) {
                return &row;
            }
        }
        return FirstOfCategory(family, kind);
    }

    auto accepts = [&](const UnitTypeRecord& row) { return !edgeTrx || row.edge == kEdgeCapEdge; };

    if (kind == kUnitKindMha) {
        // The low-gain MHA serves every band as it is.
        if (currentTypeId == 53) {
            return FindByTypeId(family, 53);
        }
        const UnitTypeRecord* own = FindByTypeId(family, currentTypeId);
        if (own != nullptr && own->category == kind && (own->band & mask) != 0 && accepts(*own)) {
            return own;
        }
    }

    for (const auto& row : kOrvik) {
        if (row.category != kind || (row.band & mask) == 0 || !accepts(row)) {
            continue;
        }
        if (IsSubBandHOrJ(currentTypeId) && row.typeId != currentTypeId) {
            continue;
        }
        if (IsBypassMha(currentTypeId) && !IsBypassMha(row.typeId)) {
            continue;
        }
        return &row;
    }
    return FirstOfCategory(family, kind);
}

bool RowServesBandValue(int v, int b, int e) {
    const int marks = v & ~kBandMaskBits;
    if (b == 0) {
        return (marks & kEdgeSome) != 0 || ((e & kEdgeCapEdge) != 0 && (marks & kEdgeAll) != 0) ||
               ((e & kEdgeCapNone) != 0 && (marks & kEdgeAll) == 0);
    }
    if ((b & v & kBandMaskBits) == 0) {
        return false;
    }
    if (e == -1) {
        return true;
    }
    if (marks != 0 && (e & kEdgeCapEdge) != 0) {
        return true;
    }
    return (marks == 0 || marks == kEdgeSome) && (e & kEdgeCapNone) != 0;
}

bool RowOffered(const UnitTypeRecord& row, int v) {
    return row.band != kBandAny && RowServesBandValue(v, row.band, row.edge);
}

bool IsBypassMhaCode(std::string_view code) {
    for (auto c : kBypassCodes) {
        if (c == code) {
            return true;
        }
    }
    return false;
}

bool BypassMhaAvailable(int bandValue) {
    for (const auto& row : kOrvik) {
        if (IsBypassMhaCode(Code(row)) && row.band != kBandAny &&
            RowServesBandValue(bandValue, row.band, row.edge)) {
            return true;
        }
    }
    return false;
}

std::string_view Code(const UnitTypeRecord& row) {
    return {row.code, strnlen(row.code, sizeof row.code)};
}

std::string_view Description(const UnitTypeRecord& row) {
    return {row.description, strnlen(row.description, sizeof row.description)};
}

} // namespace UnitTypeCatalogue
