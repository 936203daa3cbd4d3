#include "model/CrossConnection.h"

#include <cstdio>

#include "model/DataBase.h"
#include "model/UnitKTrx.h"

namespace crossconnect {

namespace {

const CUnitKTrx* TrxInUse(const CDataBase& db, int number) {
    const auto* trx = dynamic_cast<const CUnitKTrx*>(db.FindUnit(kUnitKindTrx, number));
    return trx != nullptr && !trx->IsUpgrade() ? trx : nullptr;
}

std::string ChannelText(const CDataBase& db, int channel) {
    const SBb2Port port = PortOf(channel);
    char text[64];
    const CUnit* bb2 = db.FindUnit(kUnitKindBb2, port.bb2);
    if (bb2 != nullptr && !bb2->IsUpgrade()) {
        std::snprintf(text, sizeof text, "%s %d%c", bb2->TypeCodeText().c_str(), port.bb2,
                      port.half);
    } else {
        std::snprintf(text, sizeof text, "(QD2x %d%c)", port.bb2, port.half);
    }
    std::string line = text;
    line += " - ";
    for (int n = 1; n <= 12; ++n) {
        const CUnitKTrx* trx = TrxInUse(db, n);
        if (trx != nullptr && trx->Bb2Id() == channel) {
            return line + trx->DisplayName();
        }
    }
    return line + "(RVx)";
}

} // namespace

SBb2Port PortOf(int bb2Id) {
    if (bb2Id < 1) {
        return {};
    }
    return {(bb2Id - 1) / 2 + 1, bb2Id % 2 == 1 ? 'a' : 'b'};
}

bool IsStraightThrough(const CDataBase& db) {
    for (int n = 1; n <= 12; ++n) {
        const CUnitKTrx* trx = TrxInUse(db, n);
        if (trx != nullptr && trx->Bb2Id() != n) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> DescriptionLines(const CDataBase& db) {
    if (IsStraightThrough(db)) {
        return {"Straight through configuration", "(QD2A 1a-RVx 1 .. QD2A 6b-RVx 12)"};
    }
    std::vector<std::string> lines;
    for (int n = 1; n <= 6; ++n) {
        lines.push_back(ChannelText(db, 2 * n - 1) + "\t    " + ChannelText(db, 2 * n));
    }
    return lines;
}

} // namespace crossconnect
