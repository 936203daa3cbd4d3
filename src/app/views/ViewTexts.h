#pragma once
// The cell texts of the view lists: names of the units that a transceiver's references and an
// antenna's connection point at, "-" when nothing is there. Units go by their catalogue names
// on both tabs.

#include <string>

class CDataBaseKODA;
class CUnit;

namespace ViewTexts {

// A DDU or RTC port, or an external cabinet.
std::string Combiner(const CDataBaseKODA& db, int portId);
std::string Multicoupler(const CDataBaseKODA& db, int id);
// A WBC, or a WBT with its input letter.
std::string TxPath(const CDataBaseKODA& db, int id);
// The BB2 half a transceiver is cross-connected to.
std::string Bb2Half(const CDataBaseKODA& db, int bb2Id);
const char* YesNo(bool value);

// A unit's name under its catalogue type code, as the candidate names it, even where the BTS
// reported another type text ("RVDA 1" for a unit the BTS calls TRXA); with a port index as
// the unit's display name takes it ("HYDx 1a").
std::string CatalogueName(const CUnit& unit, int portIndex = -1);
// The catalogue name, followed by what the BTS detected when that differs: "RVDA 1 (detected
// TRXA)". One name a unit in every view and on both tabs, and the BTS's word beside it.
std::string UnitName(const CUnit& unit);

} // namespace ViewTexts
