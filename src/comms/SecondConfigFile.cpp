#include "comms/SecondConfigFile.h"

#include <algorithm>

#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeCatalogue.h"
#include "model/UnitsKODA.h"

namespace blocks {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr int kTrxCount = 12;

uint8_t Byte(int v) {
    return static_cast<uint8_t>(v & 0xFF);
}

void PutU32(std::vector<uint8_t>& out, size_t at, int value) {
    const auto v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

// The multicoupler and combiner kinds the file carries, with the displayed numbers they take.
struct SCombinerKind {
    int kind;
    int count;
};
constexpr SCombinerKind kCombinerKinds[] = {
    {kUnitKindMc6, 3}, {kUnitKindMc2, 6}, {kUnitKindWbc, 12}, {kUnitKindWbt, 12}};

int BandCode(const CUnit& trx) {
    int code = 0;
    switch (trx.Band()) {
    case kBand900:
        code = 1;
        break;
    case kBand1800:
        code = 2;
        break;
    case kBand1900:
        code = 3;
        break;
    case kBand800:
        code = 4;
        break;
    default:
        break;
    }
    return code | (trx.IsEdge() ? 0x80 : 0);
}

// Sections 1 and 5 share a layout: a numbering byte, the number and the type id per unit.
void PutNumbered(std::vector<uint8_t>& out, size_t section, const CUnit* unit, int k, int count,
                 int first, int second) {
    if (unit == nullptr) {
        return;
    }
    const int number = unit->Number();
    if (number == first || number == second) {
        out[section + 2 + (k - 1)] = Byte(number);
    }
    out[section + 2 + count + (k - 1)] = Byte(number);
    PutU32(out, section + (count == 6 ? 16 : 8) + 4 * (k - 1), unit->TypeId());
}

} // namespace

std::vector<uint8_t> BuildSecondConfigFile(const CDataBaseKODA& db) {
    std::vector<std::pair<int, int>> combiners; // (type id, number)
    for (const auto& kind : kCombinerKinds) {
        for (int n = 1; n <= kind.count; ++n) {
            if (const CUnit* u = db.FindUnitByDisplayedNumber(kind.kind, n); u != nullptr) {
                combiners.emplace_back(u->TypeId(), u->Number());
            }
        }
    }
    const size_t a = combiners.size();
    std::vector<uint8_t> out(2 * a + 170, 0);
    out[0] = 'M';
    out[1] = 'M';
    out[2] = 'I';
    out[3] = kSecondFileVersion;
    const size_t body = out.size() - kHeaderSize;
    out[4] = Byte(static_cast<int>(body));
    out[5] = Byte(static_cast<int>(body >> 8));

    constexpr size_t kDdu = 8;
    out[kDdu] = kSectionDdu;
    out[kDdu + 1] = 38;
    for (int k = 1; k <= 6; ++k) {
        PutNumbered(out, kDdu, db.FindUnitByDisplayedNumber(kUnitKindDdu, k), k, 6, 2 * k - 1,
                    2 * k);
    }
    constexpr size_t kRtc = 48;
    out[kRtc] = kSectionRtc;
    out[kRtc + 1] = 14;
    for (int k = 1; k <= 2; ++k) {
        PutNumbered(out, kRtc, db.FindUnitByDisplayedNumber(kUnitKindRtc, k), k, 2, 6 * k - 5,
                    6 * k - 4);
    }
    constexpr size_t kPaths = 64;
    constexpr size_t kBands = 150;
    out[kPaths] = kSectionTrxPaths;
    out[kPaths + 1] = 84;
    out[kBands] = kSectionTrxBands;
    out[kBands + 1] = 12;
    for (int j = 1; j <= kTrxCount; ++j) {
        const auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, j);
        if (trx == nullptr) {
            continue;
        }
        const STrxCabling& c = trx->Cabling();
        const int values[7] = {c.txPath1,         c.txPath2,
                               c.txPath3,         c.rxMainMulticoupler,
                               c.rxMainPath2,     c.rxDiversityMulticoupler,
                               c.rxDiversityPath2};
        for (size_t i = 0; i < 7; ++i) {
            out[kPaths + 2 + 7 * (j - 1) + i] = Byte(values[i]);
        }
        out[kBands + 2 + (j - 1)] = Byte(BandCode(*trx));
    }
    constexpr size_t kCombiners = 164;
    out[kCombiners] = kSectionCombiners;
    out[kCombiners + 1] = Byte(static_cast<int>(2 * a + 1));
    out[kCombiners + 2] = Byte(static_cast<int>(a));
    for (size_t i = 0; i < a; ++i) {
        out[kCombiners + 3 + 2 * i] = Byte(combiners[i].first);
        out[kCombiners + 4 + 2 * i] = Byte(combiners[i].second);
    }
    return out;
}

int SSecondConfigFile::At(int section, size_t offset) const {
    auto it = sections.find(section);
    if (it == sections.end() || offset >= it->second.size()) {
        return 0;
    }
    return it->second[offset];
}

SSecondConfigFile DecodeSecondConfigFile(std::span<const uint8_t> data) {
    SSecondConfigFile file;
    if (data.size() < kHeaderSize || data[0] != 'M' || data[1] != 'M' || data[2] != 'I') {
        return file;
    }
    file.hasHeader = true;
    file.version = data[3];
    const size_t declared = data[4] | (size_t{data[5]} << 8);
    const size_t end = std::min(data.size(), kHeaderSize + declared);
    size_t at = kHeaderSize;
    // Every step moves on by at least two bytes, so the walk ends.
    while (at + 2 <= end) {
        const int type = data[at];
        const size_t length = data[at + 1];
        const size_t stop = std::min(end, at + 2 + length);
        if (type != 0 && !file.Has(type)) {
            file.sections.emplace(type,
                                  std::vector<uint8_t>(data.begin() + static_cast<long>(at),
                                                       data.begin() + static_cast<long>(stop)));
        }
        at += 2 + length;
    }
    return file;
}

namespace {

void RemoveIdle(CDataBaseKODA& bts, int kind, int count) {
    for (int k = 1; k <= count; ++k) {
        const CUnit* unit = bts.FindUnitByDisplayedNumber(kind, k);
        if (unit != nullptr && unit->IsIdle()) {
            bts.DeleteUnit(unit);
        }
    }
}

bool AcceptedType(int typeId, std::span<const int> accepted) {
    return std::find(accepted.begin(), accepted.end(), typeId) != accepted.end();
}

void ApplyNumbered(CDataBaseKODA& bts, const SSecondConfigFile& file, int section, int kind,
                   int count, int fallbackStep, int fallbackOffset, std::span<const int> types) {
    std::vector<CUnit*> units;
    for (int k = 1; k <= count; ++k) {
        units.push_back(bts.FindUnitByDisplayedNumber(kind, k));
    }
    const size_t typeOffset = count == 6 ? 16 : 8;
    for (int k = 1; k <= count; ++k) {
        CUnit* unit = units[k - 1];
        if (unit == nullptr) {
            continue;
        }
        if (const int n = file.At(section, 2 + (k - 1)); n != 0) {
            const int diff = unit->Number() - n;
            unit->SetNumber(diff >= -1 && diff <= 1 ? n : fallbackStep * k - fallbackOffset);
            const size_t t = typeOffset + 4 * (k - 1);
            const uint32_t typeId = static_cast<uint32_t>(file.At(section, t)) |
                                    static_cast<uint32_t>(file.At(section, t + 1)) << 8 |
                                    static_cast<uint32_t>(file.At(section, t + 2)) << 16 |
                                    static_cast<uint32_t>(file.At(section, t + 3)) << 24;
            if (typeId < 256 && AcceptedType(static_cast<int>(typeId), types)) {
                unit->SetType(static_cast<int>(typeId));
            }
        }
        if (const int n = file.At(section, 2 + count + (k - 1)); n != 0) {
            unit->SetNumber(n);
            unit->SetBackplaneConnector(k);
        }
    }
}

} // namespace

std::vector<int> ApplySecondConfigFile(CDataBaseKODA& bts, const SSecondConfigFile& file) {
    static constexpr int kDduTypes[] = {43, 44, 45, 55, 63, 64};
    static constexpr int kRtcTypes[] = {40, 41, 42, 58, 61, 62};
    RemoveIdle(bts, kUnitKindDdu, 6);
    if (file.Has(kSectionDdu)) {
        ApplyNumbered(bts, file, kSectionDdu, kUnitKindDdu, 6, 2, 1, kDduTypes);
    }
    RemoveIdle(bts, kUnitKindRtc, 2);
    if (file.Has(kSectionRtc)) {
        ApplyNumbered(bts, file, kSectionRtc, kUnitKindRtc, 2, 6, 5, kRtcTypes);
    }

    std::vector<int> idleTrxs;
    if (file.Has(kSectionTrxPaths)) {
        for (int j = 1; j <= kTrxCount; ++j) {
            auto* trx = bts.Find<CUnitKTrx>(kUnitKindTrx, j);
            if (trx == nullptr) {
                continue;
            }
            auto v = [&](int i) { return file.At(kSectionTrxPaths, 2 + 7 * (j - 1) + i); };
            STrxCabling& c = trx->Cabling();
            c.txPath1 = v(0);
            c.txPath2 = v(1);
            c.txPath3 = v(2);
            c.rxMainMulticoupler = v(3);
            c.rxMainPath2 = v(4);
            c.rxDiversityMulticoupler = v(5);
            c.rxDiversityPath2 = v(6);
            if (trx->IsIdle()) {
                idleTrxs.push_back(j);
            }
        }
    }

    // A file cut short before its combiner section leaves the combiners as the BTS reported them.
    if (!file.Has(kSectionCombiners)) {
        return idleTrxs;
    }
    std::vector<const CUnit*> old;
    for (const auto& unit : bts.Units()) {
        for (const auto& kind : kCombinerKinds) {
            if (unit->Kind() == kind.kind) {
                old.push_back(unit.get());
            }
        }
    }
    for (const CUnit* unit : old) {
        bts.DeleteUnit(unit);
    }
    const int count = file.At(kSectionCombiners, 2);
    for (int i = 0; i < count; ++i) {
        const size_t at = 3 + 2 * static_cast<size_t>(i);
        const int typeId = file.At(kSectionCombiners, at);
        const int number = file.At(kSectionCombiners, at + 1);
        const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(EUnitFamily::Orvik, typeId);
        if (row == nullptr) {
            continue;
        }
        auto unit = CSiteKODA::CreateUnitOfKind(row->category);
        if (!unit) {
            continue;
        }
        unit->SetNumber(number);
        unit->SetType(typeId);
        bts.AddUnit(std::move(unit));
    }
    return idleTrxs;
}

} // namespace blocks
