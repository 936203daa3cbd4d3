#include "comms/PassiveUnitRecords.h"

#include <algorithm>
#include <string>

namespace blocks {

namespace {

void PutPadded(std::vector<uint8_t>& out, size_t at, const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i) {
        out[at + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : ' ';
    }
}

std::string Trimmed(std::span<const uint8_t> bytes) {
    std::string text(bytes.begin(), bytes.end());
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.pop_back();
    }
    return text;
}

} // namespace

namespace {

void AppendRecords(const CHWInfoFile& info, std::vector<uint8_t>& out, int& count) {
    count = 0;
    for (const CHWInfoSlotEntry& entry : info.FilledSlots()) {
        if (count == kPassiveMaxRecords) {
            break;
        }
        const int code = CHWInfoFile::GroupToKindCode(entry.group);
        if (code < 0) {
            continue;
        }
        const size_t at = out.size();
        out.resize(at + kPassiveRecordSize, 0);
        PutPadded(out, at, entry.serialNumber, CHWInfoFile::kSerialLength);
        PutPadded(out, at + 11, entry.productId, CHWInfoFile::kProductLength);
        out[at + 25] = static_cast<uint8_t>(code);
        out[at + 26] =
            CHWInfoFile::GroupCapacity(entry.group) == 1 ? 0 : static_cast<uint8_t>(entry.slot + 1);
        ++count;
    }
}

} // namespace

std::vector<uint8_t> BuildPassiveUnitRecords(const CHWInfoFile& info, int& count) {
    std::vector<uint8_t> out;
    AppendRecords(info, out, count);
    return out;
}

std::vector<uint8_t> BuildPassiveUnitBlock(const CHWInfoFile& info) {
    int count = 0;
    std::vector<uint8_t> out(kPassiveHeaderSize, 0);
    AppendRecords(info, out, count);
    out[0] = static_cast<uint8_t>(count);
    return out;
}

bool DecodePassiveUnitBlock(std::span<const uint8_t> data, std::vector<CHWInfoSlotEntry>& out) {
    out.clear();
    if (data.empty()) {
        return true;
    }
    const int count = data[0];
    if (count > kPassiveMaxRecords) {
        return false;
    }
    const size_t start = count > 0 && data.size() > 1 && data[1] == 0 ? kPassiveHeaderSize : 1;
    for (int i = 0; i < count; ++i) {
        const size_t at = start + kPassiveRecordSize * static_cast<size_t>(i);
        if (at + kPassiveRecordSize > data.size()) {
            break;
        }
        const auto record = data.subspan(at, kPassiveRecordSize);
        const int group = CHWInfoFile::KindCodeToGroup(record[25]);
        if (group < 0) {
            continue;
        }
        CHWInfoSlotEntry entry;
        entry.group = group;
        entry.slot = record[26] == 0 ? -1 : record[26] - 1;
        entry.serialNumber = Trimmed(record.subspan(0, CHWInfoFile::kSerialLength));
        entry.productId = Trimmed(record.subspan(11, CHWInfoFile::kProductLength));
        out.push_back(std::move(entry));
    }
    return true;
}

int FillPassiveUnits(CHWInfoFile& info, const std::vector<CHWInfoSlotEntry>& entries) {
    int filled = 0;
    for (const CHWInfoSlotEntry& entry : entries) {
        if (info.SetSlot(entry.group, entry.slot, entry.serialNumber, entry.productId) >= 0) {
            ++filled;
        }
    }
    return filled;
}

} // namespace blocks
