#pragma once
// The passive unit information block of an Orvik BTS: a count, 20 reserved bytes and 32-byte
// records of serial number, product identifier, unit kind code and slot.

#include <cstdint>
#include <span>
#include <vector>

#include "files/HWInfoFile.h"

namespace blocks {

constexpr size_t kPassiveRecordSize = 32;
constexpr int kPassiveMaxRecords = 100;
constexpr size_t kPassiveHeaderSize = 21;

// The records of the filled slots in group order (at most 100), without the count and header.
std::vector<uint8_t> BuildPassiveUnitRecords(const CHWInfoFile& info, int& count);

// The whole block as the BTS takes it: count byte, 20 zero bytes, the records.
std::vector<uint8_t> BuildPassiveUnitBlock(const CHWInfoFile& info);

// The records of a fetched block; false when the count is above 100. Records the data cuts
// short and records of unknown kind codes are skipped.
bool DecodePassiveUnitBlock(std::span<const uint8_t> data, std::vector<CHWInfoSlotEntry>& out);

// Puts fetched records into their slots (slot -1: the first free one); returns how many went in.
int FillPassiveUnits(CHWInfoFile& info, const std::vector<CHWInfoSlotEntry>& entries);

} // namespace blocks
