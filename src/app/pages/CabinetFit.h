#pragma once
// What a change of the cabinet type does to the units: a smaller cabinet has no place for some
// of them, and they must leave the configuration with the change rather than stay in it unseen
// by the picture while the lists, the files and the BTS still have them.

#include <string>
#include <vector>

class CDataBaseKODA;
class CSiteKODA;
class CUnit;

// The units that stand in the configuration's cabinet now and would have no place in one of
// that type, in the configuration's order. Planned units are placeholders and are left, and so
// is a unit that has no place already: that is not the change's to drop.
std::vector<CUnit*> UnitsWithoutPlace(const CDataBaseKODA& db, int cabinetType);

// "The Mini cabinet has no place for these units: ..."; empty when none would go.
std::string DropQuestion(const CDataBaseKODA& db, int cabinetType);

// Takes the units out of the candidate with their cables, as the unit page's Remove does.
void DropUnits(CSiteKODA& site, const std::vector<CUnit*>& units);
