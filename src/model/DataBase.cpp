#include "model/DataBase.h"

#include <algorithm>
#include <unordered_map>

CDataBase::~CDataBase() {
    // Cables and owners point at units: drop them before the units go.
    m_cables.clear();
    m_logicalUnits.clear();
}

void CDataBase::CopyFrom(const CDataBase& other) {
    if (&other == this) {
        return;
    }
    m_cables.clear();
    m_logicalUnits.clear();
    m_units.clear();
    m_cabinets.clear();

    // Re-point by object rather than by kind and number, so that even two units of one kind
    // and number keep their own cables. Units not held by the other database (the site's
    // external cabinets) are shared and keep their pointer.
    std::unordered_map<const CUnit*, CUnit*> moved;
    moved.reserve(other.m_units.size());
    m_units.reserve(other.m_units.size());
    for (const auto& unit : other.m_units) {
        m_units.push_back(unit->Copy());
        moved.emplace(unit.get(), m_units.back().get());
    }
    auto repoint = [&](CUnit* unit) -> CUnit* {
        auto it = moved.find(unit);
        return it != moved.end() ? it->second : unit;
    };
    for (auto& unit : m_units) {
        if (unit->Owner() != nullptr) {
            unit->SetOwner(repoint(unit->Owner()));
        }
    }
    m_cables.reserve(other.m_cables.size());
    for (const auto& cable : other.m_cables) {
        auto copy = cable->Copy();
        copy->SetStart(repoint(copy->Start()));
        copy->SetEnd(repoint(copy->End()));
        m_cables.push_back(std::move(copy));
    }
    for (const auto& cabinet : other.m_cabinets) {
        m_cabinets.push_back(cabinet->Copy());
    }
    CopyFamilySettings(other);
    m_band = other.m_band;
    m_swLevel = other.m_swLevel;
    m_name = "<define>";
}

int CDataBase::AddUnit(std::unique_ptr<CUnit> unit) {
    if (!unit) {
        return -1;
    }
    m_units.push_back(std::move(unit));
    return static_cast<int>(m_units.size()) - 1;
}

std::unique_ptr<CDataBase> CDataBase::CopyWithoutShownOnly() const {
    std::unique_ptr<CDataBase> copy = CreateEmpty();
    copy->CopyFrom(*this);
    std::vector<const CUnit*> shownOnly;
    for (const auto& unit : copy->m_units) {
        if (unit->IsShownOnly()) {
            shownOnly.push_back(unit.get());
        }
    }
    for (const CUnit* unit : shownOnly) {
        copy->DeleteUnit(unit);
    }
    return copy;
}

bool CDataBase::DeleteUnit(const CUnit* unit) {
    auto it = std::find_if(m_units.begin(), m_units.end(),
                           [&](const auto& u) { return u.get() == unit; });
    if (it == m_units.end()) {
        return false;
    }
    DeleteCablesOf(unit);
    for (auto& u : m_units) {
        if (u->Owner() == unit) {
            u->SetOwner(nullptr);
        }
    }
    m_units.erase(it);
    return true;
}

bool CDataBase::Contains(const CUnit* unit) const {
    return std::any_of(m_units.begin(), m_units.end(),
                       [&](const auto& u) { return u.get() == unit; });
}

CUnit* CDataBase::FindUnit(int kind, int number) const {
    for (const auto& u : m_units) {
        if (u->Kind() == kind && u->Number() == number) {
            return u.get();
        }
    }
    return nullptr;
}

CUnit* CDataBase::FindUnitByDisplayedNumber(int kind, int displayedNumber) const {
    for (const auto& u : m_units) {
        if (u->Kind() == kind && u->DisplayedNumber() == displayedNumber) {
            return u.get();
        }
    }
    return nullptr;
}

CUnit* CDataBase::NextUnitOfKind(int& position, int kind) const {
    for (int i = std::max(position, 0); i < static_cast<int>(m_units.size()); ++i) {
        if (kind == 0 || m_units[i]->Kind() == kind) {
            position = i + 1;
            return m_units[i].get();
        }
    }
    position = static_cast<int>(m_units.size());
    return nullptr;
}

CCabinet* CDataBase::Cabinet(int index) const {
    if (index < 0 || index >= static_cast<int>(m_cabinets.size())) {
        return nullptr;
    }
    return m_cabinets[index].get();
}

void CDataBase::SetMainCabinet(std::unique_ptr<CCabinet> cabinet) {
    if (m_cabinets.empty()) {
        m_cabinets.push_back(std::move(cabinet));
    } else {
        m_cabinets[0] = std::move(cabinet);
    }
}

int CDataBase::AddCable(std::unique_ptr<CCabling> cable) {
    if (!cable) {
        return -1;
    }
    m_cables.push_back(std::move(cable));
    return static_cast<int>(m_cables.size()) - 1;
}

bool CDataBase::RemoveCable(const CCabling* cable) {
    auto it = std::find_if(m_cables.begin(), m_cables.end(),
                           [&](const auto& c) { return c.get() == cable; });
    if (it == m_cables.end()) {
        return false;
    }
    m_cables.erase(it);
    return true;
}

void CDataBase::DeleteCablesOf(const CUnit* unit) {
    std::erase_if(m_cables, [&](const auto& c) { return c->Touches(unit); });
}

CLogicalUnit* CDataBase::FindLogicalUnit(int logicalKind, int unitKind, int unitNumber) const {
    for (const auto& l : m_logicalUnits) {
        if (l->LogicalKind() == logicalKind && l->UnitKind() == unitKind &&
            l->Number() == unitNumber) {
            return l.get();
        }
    }
    return nullptr;
}

CLogicalUnit* CDataBase::AddLogicalUnit(std::unique_ptr<CLogicalUnit> unit) {
    if (!unit) {
        return nullptr;
    }
    if (CLogicalUnit* existing =
            FindLogicalUnit(unit->LogicalKind(), unit->UnitKind(), unit->Number())) {
        return existing;
    }
    m_logicalUnits.push_back(std::move(unit));
    return m_logicalUnits.back().get();
}
