#pragma once
// The cell texts of the view lists: names of the units that a transceiver's references and an
// antenna's connection point at, "-" when nothing is there.

#include <string>

class CDataBaseKODA;

namespace ViewTexts {

// A DDU or RTC port, or an external cabinet.
std::string Combiner(const CDataBaseKODA& db, int portId);
std::string Multicoupler(const CDataBaseKODA& db, int id);
// A WBC, or a WBT with its input letter.
std::string TxPath(const CDataBaseKODA& db, int id);
// The BB2 half a transceiver is cross-connected to.
std::string Bb2Half(const CDataBaseKODA& db, int bb2Id);
const char* YesNo(bool value);

} // namespace ViewTexts
