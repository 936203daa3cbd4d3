#include "app/pages/ComboFillers.h"

#include "model/CabinetKODA.h"
#include "model/DataBaseKODA.h"

namespace combo {
namespace {

constexpr const char* kNotSelected = "Not selected";
constexpr const char* kNone = "-";

// Units of the kind with numbers first..last, in number order.
template <class F> void ForEachNumbered(const CDataBaseKODA& db, int kind, int last, F&& f) {
    for (int n = 1; n <= last; ++n) {
        if (const CUnit* unit = db.FindUnit(kind, n)) {
            f(*unit);
        }
    }
}

} // namespace

bool IsMini(const CDataBaseKODA& db) {
    return db.CabinetSettings().cabinetType == kCabinetMini;
}

ComboItems TrxList(const CDataBaseKODA& db, bool withNotSelected) {
    ComboItems items;
    if (withNotSelected) {
        items.push_back({kNotSelected, 0});
    }
    ForEachNumbered(db, kUnitKindTrx, IsMini(db) ? 4 : 12, [&](const CUnit& trx) {
        if (!trx.IsUpgrade()) {
            items.push_back({trx.DisplayName(), trx.Number()});
        }
    });
    return items;
}

ComboItems DduHalves(const CDataBaseKODA& db) {
    ComboItems items{{kNone, 0}};
    // A DDU's ports are numbered after its backplane connector, which is its displayed number.
    ForEachNumbered(db, kUnitKindDdu, IsMini(db) ? 3 : 13, [&](const CUnit& ddu) {
        const int n = ddu.DisplayedNumber();
        // Odd ports are the "a" halves, even ones the "b" halves.
        items.push_back({ddu.DisplayName(1), 2 * n - 1});
        items.push_back({ddu.DisplayName(2), 2 * n});
    });
    return items;
}

void AppendRtcEntries(const CDataBaseKODA& db, bool withDiversity, ComboItems& items) {
    if (IsMini(db)) {
        return;
    }
    ForEachNumbered(db, kUnitKindRtc, 2, [&](const CUnit& rtc) {
        const int n = rtc.DisplayedNumber();
        items.push_back({rtc.DisplayName(), 2 * n + 11});
        if (withDiversity) {
            items.push_back({rtc.DisplayName() + " div", 2 * n + 12});
        }
    });
}

ComboItems Multicouplers(const CDataBaseKODA& db) {
    ComboItems items{{kNone, 0}};
    const bool mini = IsMini(db);
    // 2-way multicouplers are numbered per place; two places make one displayed number.
    int lastShown = 0;
    ForEachNumbered(db, kUnitKindMc2, 12, [&](const CUnit& mc) {
        const int shown = mc.DisplayedNumber();
        if (shown >= 1 && shown <= (mini ? 2 : 6) && shown != lastShown) {
            items.push_back({mc.DisplayName(), shown});
            lastShown = shown;
        }
    });
    if (!mini) {
        ForEachNumbered(db, kUnitKindMc6, 2, [&](const CUnit& mc) {
            items.push_back({mc.DisplayName(), mc.DisplayedNumber() + 6});
        });
    }
    return items;
}

ComboItems WidebandUnits(const CDataBaseKODA& db) {
    ComboItems items{{kNone, 0}};
    const bool mini = IsMini(db);
    ForEachNumbered(db, kUnitKindWbt, mini ? 1 : 12, [&](const CUnit& wbt) {
        const int n = wbt.DisplayedNumber();
        const std::string name = wbt.DisplayName();
        items.push_back({name + " A", 3 * n + 22});
        items.push_back({name + " B", 3 * n + 23});
        items.push_back({name + " C", 3 * n + 24});
    });
    if (!mini) {
        ForEachNumbered(db, kUnitKindWbc, 12, [&](const CUnit& wbc) {
            items.push_back({wbc.DisplayName(), wbc.DisplayedNumber()});
        });
    }
    return items;
}

ComboItems Bb2Halves(const CDataBaseKODA& db) {
    ComboItems items;
    ForEachNumbered(db, kUnitKindBb2, IsMini(db) ? 2 : 6, [&](const CUnit& bb2) {
        const int n = bb2.Number();
        items.push_back({bb2.DisplayName(1), 2 * n - 1});
        items.push_back({bb2.DisplayName(2), 2 * n});
    });
    return items;
}

ComboItems Antennas(const CDataBaseKODA& db) {
    ComboItems items{{kNotSelected, 0}};
    const int last = IsMini(db) ? 4 : CDataBaseKODA::kAntennas;
    for (int n = 1; n <= last; ++n) {
        items.push_back({std::to_string(n), n});
    }
    return items;
}

ComboItems TxCombiners(const CDataBaseKODA& db) {
    ComboItems items = DduHalves(db);
    AppendRtcEntries(db, false, items);
    return items;
}

ComboItems RxCombiners(const CDataBaseKODA& db) {
    ComboItems items = DduHalves(db);
    AppendRtcEntries(db, true, items);
    return items;
}

bool Offers(const ComboItems& items, int data) {
    return IndexOf(items, data) >= 0;
}

int IndexOf(const ComboItems& items, int data) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].data == data) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace combo
