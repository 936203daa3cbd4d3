// Any sequence of placements and releases, as a user clicking through the scheme pages makes
// them, followed by an apply: the grid must stay within its arrays and the apply must leave a
// candidate whose transceivers reference only units that exist.

#include <cstddef>
#include <cstdint>

#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "rules/KodaConfigMaster.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CBtsConfiguration::Drop();
    CSiteKODA site;
    CKodaConfigMaster grid(site);
    for (size_t i = 0; i + 1 < size; i += 2) {
        // Positions and ids a little beyond the valid ones, to reach the edges.
        const int position = static_cast<int>(data[i] % 16) - 1;
        const int scheme = static_cast<int>(data[i + 1] % 26) - 1;
        grid.PlaceScheme(position, scheme);
        if ((data[i + 1] & 0x80) != 0) {
            grid.SetDiversityPort(position, data[i] % 20);
        }
    }
    grid.Apply(kBand1800);
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    for (int n = 1; n <= 12; ++n) {
        const CUnitKTrx* trx = grid.Trx(n);
        if (trx == nullptr || trx->IsUpgrade()) {
            continue;
        }
        const int mc = trx->Cabling().rxMainMulticoupler;
        const bool six = mc >= 7;
        if (mc != 0 &&
            db->FindUnit(six ? kUnitKindMc6 : kUnitKindMc2, six ? mc - 6 : 2 * mc - 1) == nullptr) {
            __builtin_trap();
        }
    }
    CBtsConfiguration::Drop();
    return 0;
}
