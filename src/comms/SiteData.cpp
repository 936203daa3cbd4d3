#include "comms/SiteData.h"

#include "comms/BtsHost.h"
#include "comms/ObjectMaps.h"
#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/Site.h"
#include "model/UnitTypeRecord.h"

#include <algorithm>

namespace {

// The unit kind an object class stands for in the configuration currently in BTS.
int UnitKindOfClass(int objectClass) {
    switch (objectClass) {
    case objects::kClassBcf:
        return kUnitKindBoi;
    case objects::kClassTrx:
        return kUnitKindTrx;
    case objects::kClassTransmission:
        return kUnitKindTre;
    case 6:
        return kUnitKindPwr;
    case objects::kClassPaired:
        return kUnitKindBb2;
    case objects::kClassRtc:
        return kUnitKindRtc;
    case objects::kClassDdu:
        return kUnitKindDdu;
    default:
        return 0;
    }
}

} // namespace

int CSiteData::StoredIndex(int objectClass, int index) {
    if (objectClass == objects::kClassPaired) {
        return (index - 1) / 2 + 1;
    }
    if (objectClass == objects::kClassDdu) {
        return (index + 1) / 2;
    }
    return index;
}

CObjectData* CSiteData::Find(int objectClass, int index, int subIndex) const {
    const int stored = StoredIndex(objectClass, index);
    for (const auto& object : m_objects) {
        if (object->objectClass != objectClass) {
            continue;
        }
        if (objectClass != objects::kClassBcf && object->index != stored) {
            continue;
        }
        if (objectClass == 9 && object->subIndex != subIndex) {
            continue;
        }
        return object.get();
    }
    return nullptr;
}

CObjectData* CSiteData::FirstOfClass(int objectClass) const {
    for (const auto& object : m_objects) {
        if (object->objectClass == objectClass) {
            return object.get();
        }
    }
    return nullptr;
}

CObjectData* CSiteData::FindById(int id) const {
    for (const auto& object : m_objects) {
        if (object->id == id) {
            return object.get();
        }
    }
    return nullptr;
}

CObjectData* CSiteData::Create(int objectClass, int index, int subIndex) {
    auto object = std::make_unique<CObjectData>();
    object->id = m_nextId++;
    object->objectClass = objectClass;
    object->index = StoredIndex(objectClass, index);
    object->subIndex = subIndex;
    CObjectData* created = object.get();
    m_objects.push_back(std::move(object));
    Link(*created);
    return created;
}

CObjectData* CSiteData::FindOrCreate(int objectClass, int index, int subIndex, bool* created) {
    CObjectData* object = Find(objectClass, index, subIndex);
    if (created) {
        *created = object == nullptr;
    }
    return object ? object : Create(objectClass, index, subIndex);
}

void CSiteData::Link(CObjectData& object) {
    CSite* site = m_host->Site();
    if (site == nullptr) {
        return;
    }
    const int kind = UnitKindOfClass(object.objectClass);
    if (object.objectClass == objects::kClassMarker) {
        // The BTS starts a new report: its configuration is built afresh.
        site->UnitReportedByBts(0, 0, nullptr);
        return;
    }
    if (kind == 0) {
        return;
    }
    // The site numbers DDUs by their first half and has a single BOI behind the BCF.
    int number = object.index;
    if (object.objectClass == objects::kClassDdu) {
        number = 2 * object.index - 1;
    } else if (object.objectClass == objects::kClassBcf) {
        number = 1;
    }
    if (number <= 0) {
        return;
    }
    site->UnitReportedByBts(object.objectClass, number, nullptr);
    object.unitKind = kind;
    object.unitNumber = number;
    if (CLogicalUnit* logical = LinkedLogicalUnit(object)) {
        object.name = logical->DisplayName();
    } else if (CUnit* unit = LinkedUnit(object)) {
        object.name = unit->DisplayName();
    }
}

CUnit* CSiteData::LinkedUnit(const CObjectData& object) const {
    CDataBase* bts = CBtsConfiguration::Get();
    if (bts == nullptr || object.unitKind == 0) {
        return nullptr;
    }
    return bts->FindUnit(object.unitKind, object.unitNumber);
}

CLogicalUnit* CSiteData::LinkedLogicalUnit(const CObjectData& object) const {
    CUnit* unit = LinkedUnit(object);
    CSite* site = m_host->Site();
    if (unit == nullptr || site == nullptr || unit->LogicalKind() == 0) {
        return nullptr;
    }
    return site->LogicalUnitFor(unit->LogicalKind(), *unit, kSelectBts);
}

void CSiteData::Remove(CObjectData* object) {
    auto it = std::find_if(m_objects.begin(), m_objects.end(),
                           [object](const auto& o) { return o.get() == object; });
    if (it == m_objects.end()) {
        return;
    }
    if (CLogicalUnit* logical = LinkedLogicalUnit(*object)) {
        logical->SetState(CLogicalUnit::kStateNone);
    }
    m_objects.erase(it);
}

void CSiteData::PushState(CObjectData& object) {
    const int cls = object.objectClass;
    if (cls == objects::kClassBcf || cls == objects::kClassTrx || cls == objects::kClassRtc) {
        if (CLogicalUnit* logical = LinkedLogicalUnit(object)) {
            logical->SetState(object.state);
        }
    }
    Redraw(object);
}

void CSiteData::Redraw(const CObjectData& object) {
    m_host->RedrawObject(object.objectClass, object.index);
}

void CSiteData::Clear() {
    m_objects.clear();
    m_nextId = 1;
}
