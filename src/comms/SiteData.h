#pragma once
// The objects the BTS reported, in the order they came, each tied to its unit in the
// configuration currently in BTS when the document's site can provide one.

#include "comms/ObjectData.h"

#include <memory>
#include <vector>

class CLogicalUnit;
class CUnit;
class IBtsHost;

class CSiteData {
public:
    explicit CSiteData(IBtsHost*& host) : m_host(host) {}

    // `index` is the index as the BTS gives it: paired units and DDUs (two per object) are
    // converted here, once, for both finding and creating.
    CObjectData* Find(int objectClass, int index, int subIndex = 0) const;
    CObjectData* Create(int objectClass, int index, int subIndex = 0);
    CObjectData* FindOrCreate(int objectClass, int index, int subIndex, bool* created = nullptr);
    CObjectData* FirstOfClass(int objectClass) const;
    CObjectData* FindById(int id) const;
    void Remove(CObjectData* object);
    // Hands the object's state to its logical unit and has it drawn again.
    void PushState(CObjectData& object);
    void Redraw(const CObjectData& object);
    void Clear();

    CUnit* LinkedUnit(const CObjectData& object) const;
    CLogicalUnit* LinkedLogicalUnit(const CObjectData& object) const;
    const std::vector<std::unique_ptr<CObjectData>>& Objects() const { return m_objects; }

    static int StoredIndex(int objectClass, int index);

private:
    void Link(CObjectData& object);

    IBtsHost*& m_host;
    std::vector<std::unique_ptr<CObjectData>> m_objects;
    int m_nextId = 1;
};
