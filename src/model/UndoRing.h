#pragma once
// The candidate's history: a fixed ring of configuration snapshots, the current one at the ring
// index. A new step copies the current snapshot into the next slot and makes that current, so
// the step before stays behind it for undo; the oldest step is overwritten once the ring is
// full, which keeps one slot fewer than the ring as undo depth.

#include <array>
#include <memory>

#include "model/DataBase.h"

class CUndoRing {
public:
    static constexpr int kSize = 10;
    static constexpr int kMaxUndo = kSize - 1;

    // The current snapshot; nullptr until the first one is given.
    CDataBase* Current() const { return m_slots[m_index].get(); }
    // Gives the current slot its first configuration; the current one when it has one.
    CDataBase* Fill(std::unique_ptr<CDataBase> first);
    // Copies the current snapshot into the next slot, which becomes current; false without a
    // current snapshot.
    bool Push();
    // Steps back to the previous snapshot; false when there is none.
    bool Undo();

    int Count() const { return m_count; }
    int Index() const { return m_index; }
    const CDataBase* Slot(int slot) const;

private:
    std::array<std::unique_ptr<CDataBase>, kSize> m_slots;
    int m_index = 0;
    int m_count = 0;
};
