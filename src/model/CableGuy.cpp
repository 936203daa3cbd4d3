#include "model/CableGuy.h"

#include "model/UnitTypeRecord.h"

bool CCableGuy::MulticouplerForId(int id, int& kind, int& number, int) const {
    if (id >= 7 && id <= 12) {
        kind = kUnitKindMc6;
        number = id - 6;
    } else {
        kind = kUnitKindMc2;
        number = id;
    }
    return true;
}

int CCableGuy::RememberedType(int reference) const {
    if (reference < 0 || reference >= static_cast<int>(m_rememberedTypes.size())) {
        return 0;
    }
    return m_rememberedTypes[reference];
}

void CCableGuy::RememberType(int reference, int typeId) {
    if (reference >= 0 && reference < static_cast<int>(m_rememberedTypes.size())) {
        m_rememberedTypes[reference] = typeId;
    }
}
