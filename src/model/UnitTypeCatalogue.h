#pragma once
// The constant unit type tables of both cabinet families and the lookups every other part of the
// model makes on them. Searches walk the tables in order and take the first match, so the order
// of the rows is part of the behaviour.

#include <span>
#include <string_view>

#include "model/UnitTypeRecord.h"

namespace UnitTypeCatalogue {

std::span<const UnitTypeRecord> Table(EUnitFamily family);

// The row with this type id, or nullptr.
const UnitTypeRecord* FindByTypeId(EUnitFamily family, int typeId);

// The Orvik row at index 0-67, nullptr outside.
const UnitTypeRecord* Enumerate(int index);
int OrvikRowCount();

// The first row of the category, nullptr when the family has none.
const UnitTypeRecord* FirstOfCategory(EUnitFamily family, int category);

// The row a unit should take when the band of its sector or site changes; nullptr when the
// unit keeps its type (a low-gain MHA) or its kind has no rows at all.
const UnitTypeRecord* AdaptToBand(EUnitFamily family, int kind, int currentTypeId, bool edgeTrx,
                                  int bandMask);

// Whether a row of band b and EDGE capability e serves the band value v (band mask with marks).
bool RowServesBandValue(int v, int b, int e);

// Whether a type choice list for band value v offers the row: generic rows never are.
bool RowOffered(const UnitTypeRecord& row, int v);

bool BypassMhaAvailable(int bandValue);
bool IsBypassMhaCode(std::string_view code);

// The code as text, without the NUL padding.
std::string_view Code(const UnitTypeRecord& row);
std::string_view Description(const UnitTypeRecord& row);

} // namespace UnitTypeCatalogue
