#pragma once
// One configuration of a site: its cabinet, units, cables, logical units, band and software
// level. A database owns all of them; its cables point at its own units.

#include <memory>
#include <string>
#include <vector>

#include "model/Cabinet.h"
#include "model/Cabling.h"
#include "model/LogicalUnit.h"
#include "model/UcSwVersion.h"
#include "model/Unit.h"

class CDataBase {
public:
    virtual ~CDataBase();
    CDataBase(const CDataBase&) = delete;
    CDataBase& operator=(const CDataBase&) = delete;

    // An empty database of the same class.
    virtual std::unique_ptr<CDataBase> CreateEmpty() const = 0;
    // Replaces everything by copies of the other's units, cables (re-pointed to the copies),
    // cabinets and settings. Logical units are left out; they are re-created on demand.
    void CopyFrom(const CDataBase& other);
    // A copy without the units a page only shows (CUnit::IsShownOnly): what may leave the
    // program.
    std::unique_ptr<CDataBase> CopyWithoutShownOnly() const;

    int Band() const { return m_band; }
    // 65535 (any band) is not a band a configuration can have and is ignored.
    void SetBand(int band) {
        if (band != 65535) {
            m_band = band;
        }
    }
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    int CurrentItem() const { return m_currentItem; }
    void SetCurrentItem(int item) { m_currentItem = item; }
    const CUcSwVersion& SwLevel() const { return m_swLevel; }
    void SetSwLevel(CUcSwVersion level) { m_swLevel = level; }

    // Units, in insertion order.
    const std::vector<std::unique_ptr<CUnit>>& Units() const { return m_units; }
    int AddUnit(std::unique_ptr<CUnit> unit);
    // Deletes the unit with every cable that starts or ends at it; false if it is not here.
    bool DeleteUnit(const CUnit* unit);
    bool Contains(const CUnit* unit) const;
    CUnit* FindUnit(int kind, int number) const;
    CUnit* FindUnitByDisplayedNumber(int kind, int displayedNumber) const;
    // The next unit of the kind (0: any) from the position on; the position moves past it.
    CUnit* NextUnitOfKind(int& position, int kind) const;
    template <class T> T* Find(int kind, int number) const {
        return dynamic_cast<T*>(FindUnit(kind, number));
    }

    // Cabinets: entry 0 is the cabinet of the site.
    CCabinet* Cabinet(int index) const;
    int CabinetCount() const { return static_cast<int>(m_cabinets.size()); }
    void SetMainCabinet(std::unique_ptr<CCabinet> cabinet);

    const std::vector<std::unique_ptr<CCabling>>& Cables() const { return m_cables; }
    int AddCable(std::unique_ptr<CCabling> cable);
    bool RemoveCable(const CCabling* cable);
    void DeleteCablesOf(const CUnit* unit);
    void ClearCables() { m_cables.clear(); }

    const std::vector<std::unique_ptr<CLogicalUnit>>& LogicalUnits() const {
        return m_logicalUnits;
    }
    CLogicalUnit* FindLogicalUnit(int logicalKind, int unitKind, int unitNumber) const;
    CLogicalUnit* AddLogicalUnit(std::unique_ptr<CLogicalUnit> unit);

protected:
    CDataBase() = default;
    // The family's own settings that travel with a copy.
    virtual void CopyFamilySettings(const CDataBase&) {}

private:
    int m_band = 2;
    std::string m_name;
    int m_currentItem = 1;
    std::vector<std::unique_ptr<CCabinet>> m_cabinets;
    std::vector<std::unique_ptr<CUnit>> m_units;
    std::vector<std::unique_ptr<CCabling>> m_cables;
    std::vector<std::unique_ptr<CLogicalUnit>> m_logicalUnits;
    CUcSwVersion m_swLevel{CUcSwVersion::kLatest};
};
