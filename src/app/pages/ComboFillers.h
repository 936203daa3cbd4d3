#pragma once
// The entries the page combo boxes offer, shared by all pages: each entry's data is the number
// or cable endpoint that choosing it records, so that the pages and `cabrion-cli edit` accept
// exactly the same values. The Mini cabinet offers fewer units and no RTC, 6-way multicoupler
// or WBC.

#include <string>
#include <vector>

class CDataBaseKODA;

struct SComboItem {
    std::string text;
    int data = 0;
    bool operator==(const SComboItem&) const = default;
};

using ComboItems = std::vector<SComboItem>;

namespace combo {

bool IsMini(const CDataBaseKODA& db);

// "Not selected" (0) when asked, then the transceivers that are not upgrade units.
ComboItems TrxList(const CDataBaseKODA& db, bool withNotSelected);
// "-" (0), then both halves of every DDU (2n - 1, 2n).
ComboItems DduHalves(const CDataBaseKODA& db);
// Appends RTC 1 and 2 (2n + 11) and, for RX, their diversity inputs (2n + 12).
void AppendRtcEntries(const CDataBaseKODA& db, bool withDiversity, ComboItems& items);
// "-" (0), 2-way multicouplers by displayed number, 6-way ones by displayed number + 6.
ComboItems Multicouplers(const CDataBaseKODA& db);
// "-" (0), the inputs A-C of every WBT (3n + 22 ...) and the WBCs by number.
ComboItems WidebandUnits(const CDataBaseKODA& db);
// Both halves of every BB2 (2n - 1, 2n).
ComboItems Bb2Halves(const CDataBaseKODA& db);
// "Not selected" (0), then antennas 1-12 (1-4 in the Mini cabinet).
ComboItems Antennas(const CDataBaseKODA& db);

// The combiner endpoints of the TX page: DDU halves and RTC main inputs.
ComboItems TxCombiners(const CDataBaseKODA& db);
// The combiner endpoints of the RX pages and the antenna page: DDU halves, RTCs with " div".
ComboItems RxCombiners(const CDataBaseKODA& db);

bool Offers(const ComboItems& items, int data);
// The index of the entry with the data; -1 when none has it.
int IndexOf(const ComboItems& items, int data);

} // namespace combo
