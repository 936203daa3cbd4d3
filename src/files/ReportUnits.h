#pragma once
// The units that the cable references of an Orvik transceiver and antenna name, as reports and
// summaries look them up. Upgrade units count as absent: they are planned, not installed.

#include <string>

class CDataBaseKODA;
class CUnit;

namespace ReportUnits {

// The unit of a present, non-upgrade unit of that kind and number; nullptr otherwise.
const CUnit* Present(const CDataBaseKODA& db, int kind, int number);
const CUnit* PresentByDisplayedNumber(const CDataBaseKODA& db, int kind, int displayedNumber);

// The DDU or RTC that a combiner port id 1-16 names.
const CUnit* Combiner(const CDataBaseKODA& db, int portId);
// "External Kettra" for 17, "External Orvik" for 18, nullptr for other ids.
const char* ExternalCabinetName(int portId);
// The 2-way (1-6) or 6-way (7-12) multicoupler of a multicoupler id.
const CUnit* Multicoupler(const CDataBaseKODA& db, int id);
// The WBC (below 25) or WBT (25 on) of a TX path id.
const CUnit* TxPathUnit(const CDataBaseKODA& db, int id);

} // namespace ReportUnits
