#include "model/CabinetKODA.h"

#include <cstdio>

#include "model/Unit.h"
#include "model/UnitTypeRecord.h"

namespace {

// The wide power supplies take two of the three power places' width each.
bool IsWidePowerSupply(const CUnit& unit) {
    return unit.Kind() == kUnitKindPwr && (unit.TypeId() == 30 || unit.TypeId() == 56);
}

int FirstPlace(const CUnit& unit) {
    const int n = unit.Number();
    switch (unit.Kind()) {
    case kUnitKindTrx:
    case kUnitKindBtr:
        return n + 27;
    case kUnitKindBoi:
        return 9;
    case kUnitKindBb2:
        return n + 2;
    case kUnitKindPwr:
        return n - 1;
    case kUnitKindTre:
        return n + 9;
    case kUnitKindDdu:
    case kUnitKindWbc:
    case kUnitKindWbt:
        return n + 39;
    case kUnitKindMc2:
        return n + 13;
    case kUnitKindMc6:
        return n == 1 ? 14 : n == 2 ? 20 : 22;
    case kUnitKindMha:
        return n + 53;
    case kUnitKindRtc:
        return n * 6 + 34;
    case kUnitKindExternal:
        return 66;
    default:
        return -1;
    }
}

bool InRange(int n, int lo, int hi) {
    return n >= lo && n <= hi;
}

// Rows of 21 pixels: the upper block starts at 108, the lower one at 237.
SRect ColumnRow(int left, int right, int place, int firstPlace, int firstLower) {
    const int top =
        place < firstLower ? 108 + 21 * (place - firstPlace) : 237 + 21 * (place - firstLower);
    return {left, top, right, top + 21};
}

} // namespace

std::unique_ptr<CCabinetKODA> CCabinetKODA::Create(int cabinetType) {
    switch (cabinetType) {
    case kCabinetIndoor:
        return std::make_unique<CCabinetKIndoor>();
    case kCabinetOutdoor:
        return std::make_unique<CCabinetKOutdoor>();
    case kCabinetMidi:
        return std::make_unique<CCabinetKMidi>();
    case kCabinetMidiOutdoor:
        return std::make_unique<CCabinetKMidiOutdoor>();
    case kCabinetMini:
        return std::make_unique<CCabinetKMini>();
    default:
        return nullptr;
    }
}

const char* CCabinetKODA::TypeName(int cabinetType) {
    switch (cabinetType) {
    case kCabinetIndoor:
        return "Indoor";
    case kCabinetOutdoor:
        return "Outdoor";
    case kCabinetMidi:
        return "Indoor Midi";
    case kCabinetMidiOutdoor:
        return "Outdoor Midi";
    case kCabinetMini:
        return "Mini";
    default:
        return "";
    }
}

bool CCabinetKODA::NumberHasPlace(const CUnit& unit) const {
    const int n = unit.Number();
    switch (unit.Kind()) {
    case kUnitKindTrx:
    case kUnitKindBtr:
    case kUnitKindWbc:
    case kUnitKindWbt:
    case kUnitKindMha:
        return InRange(n, 1, 12);
    case kUnitKindBoi:
        return n == 1;
    case kUnitKindBb2:
        return InRange(n, 1, 6);
    case kUnitKindPwr:
        return InRange(n, 1, IsWidePowerSupply(unit) ? 2 : 3);
    case kUnitKindTre:
        return InRange(n, 1, 4);
    case kUnitKindDdu:
        return InRange(n, 1, 14);
    case kUnitKindMc2:
        return InRange(n, 1, 11) && n % 2 == 1;
    case kUnitKindMc6:
    case kUnitKindRtc:
        return InRange(n, 1, unit.Kind() == kUnitKindMc6 ? 3 : 2);
    case kUnitKindExternal:
        return true;
    default:
        return false;
    }
}

int CCabinetKODA::PlaceIndex(const CUnit& unit) const {
    return NumberHasPlace(unit) ? FirstPlace(unit) : -1;
}

std::string CCabinetKODA::LocationText(const CUnit& unit) const {
    const int n = unit.Number();
    int rack = 0;
    int shelf = 1;
    long long slot = n;
    switch (unit.Kind()) {
    case kUnitKindTrx:
    case kUnitKindBtr:
        rack = 5, shelf = 2;
        break;
    case kUnitKindBoi:
        rack = 2, slot = 7;
        break;
    case kUnitKindBb2:
        rack = 2;
        break;
    case kUnitKindPwr:
        rack = 1;
        break;
    case kUnitKindTre:
        rack = 3;
        break;
    case kUnitKindDdu:
    case kUnitKindWbc:
    case kUnitKindWbt:
        rack = 6, shelf = 2;
        break;
    case kUnitKindMc2:
        rack = 4, shelf = 2;
        break;
    case kUnitKindMc6:
        rack = 4, shelf = 2, slot = n == 3 ? 9 : n * 6LL - 5;
        break;
    case kUnitKindRtc:
        rack = 6, shelf = 2, slot = n * 6LL - 5;
        break;
    case kUnitKindMha:
        return "Mast / Ant " + std::to_string(n);
    default:
        break;
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "%c / %2d / %2lld",
                  rack == 0 ? '-' : static_cast<char>('0' + rack), shelf, slot);
    return buf;
}

SRect CCabinetKODA::PlaceRect(int place, int variant, const CUnit* unit) const {
    SRect r;
    if (place >= 0 && place <= 2) {
        if (unit != nullptr && IsWidePowerSupply(*unit)) {
            static constexpr int kWide[4] = {12, 34, 56, 57};
            r = {kWide[place], 25, kWide[place + 1], 102};
        } else {
            r = {12 + 15 * place, 25, 27 + 15 * place, 102};
        }
    } else if (place <= 8) {
        r = {59 + 13 * (place - 3), 26, 72 + 13 * (place - 3), 102};
    } else if (place == 9) {
        r = {139, 25, 165, 102};
    } else if (place <= 13) {
        r = {165 + 11 * (place - 10), 26, 176 + 11 * (place - 10), 102};
    } else if (place <= 27) {
        r = ColumnRow(12, 35, place, 14, 20);
    } else if (place <= 39) {
        r = ColumnRow(41, 155, place, 28, 34);
    } else if (place <= 53) {
        r = ColumnRow(161, 211, place, 40, 46);
    } else if (place <= 65) {
        const int top = 33 + 30 * (place - 54);
        r = {239, top, 300, top + 22};
    } else if (place == 66) {
        r = {-80, 60, 0, 415};
    } else if (place <= 69) {
        static constexpr int kLeft[3] = {12, 41, 161};
        static constexpr int kRight[3] = {35, 155, 211};
        r = {kLeft[place - 67], 237, kRight[place - 67], 404};
    } else {
        return {};
    }
    const SPoint off = VariantOffset(variant);
    return {r.left + off.x, r.top + off.y, r.right + off.x, r.bottom + off.y};
}

bool CCabinetKODA::TrxStatusMarkPosition(int number, SPoint& out) const {
    if (number < 1 || number > 12) {
        return false;
    }
    out = {((number - 1) % 6) * 23 + 51, number <= 6 ? 30 : 47};
    return true;
}

std::unique_ptr<CCabinet> CCabinetKIndoor::Copy() const {
    return std::make_unique<CCabinetKIndoor>(*this);
}

std::unique_ptr<CCabinet> CCabinetKOutdoor::Copy() const {
    return std::make_unique<CCabinetKOutdoor>(*this);
}

bool CCabinetKOutdoor::TrxStatusMarkPosition(int number, SPoint& out) const {
    if (!CCabinetKODA::TrxStatusMarkPosition(number, out)) {
        return false;
    }
    out.x += 4;
    return true;
}

std::unique_ptr<CCabinet> CCabinetKMidi::Copy() const {
    return std::make_unique<CCabinetKMidi>(*this);
}

bool CCabinetKMidi::NumberHasPlace(const CUnit& unit) const {
    const int n = unit.Number();
    switch (unit.Kind()) {
    case kUnitKindTrx:
    case kUnitKindBtr:
    case kUnitKindBb2:
    case kUnitKindDdu:
    case kUnitKindMha:
        return InRange(n, 1, 6);
    case kUnitKindBoi:
        return n == 1;
    case kUnitKindPwr:
        return InRange(n, 1, 3);
    case kUnitKindTre:
        return InRange(n, 1, 4);
    case kUnitKindMc2:
        return InRange(n, 1, 5);
    case kUnitKindMc6:
    case kUnitKindRtc:
        return n == 1;
    case kUnitKindWbc:
    case kUnitKindWbt:
        return InRange(n, 1, 7);
    case kUnitKindExternal:
        return true;
    default:
        return false;
    }
}

bool CCabinetKMidi::TrxStatusMarkPosition(int number, SPoint& out) const {
    if (number > 6) {
        return false;
    }
    return CCabinetKODA::TrxStatusMarkPosition(number, out);
}

std::unique_ptr<CCabinet> CCabinetKMidiOutdoor::Copy() const {
    return std::make_unique<CCabinetKMidiOutdoor>(*this);
}

bool CCabinetKMidiOutdoor::TrxStatusMarkPosition(int number, SPoint& out) const {
    if (number < 1 || number > 6) {
        return false;
    }
    out = {(number - 1) * 23 + 60, 37};
    return true;
}

std::unique_ptr<CCabinet> CCabinetKMini::Copy() const {
    return std::make_unique<CCabinetKMini>(*this);
}

bool CCabinetKMini::NumberHasPlace(const CUnit& unit) const {
    const int n = unit.Number();
    switch (unit.Kind()) {
    case kUnitKindTrx:
    case kUnitKindMha:
        return InRange(n, 1, 4);
    case kUnitKindBoi:
    case kUnitKindPwr:
    case kUnitKindWbt:
        return n == 1;
    case kUnitKindBb2:
        return InRange(n, 1, 2);
    case kUnitKindTre:
        return InRange(n, 1, 4);
    case kUnitKindDdu:
        return InRange(n, 1, 3) && unit.DisplayedNumber() <= 2;
    case kUnitKindMc2:
        return n == 1 || n == 3;
    case kUnitKindExternal:
        return true;
    default:
        return false;
    }
}
