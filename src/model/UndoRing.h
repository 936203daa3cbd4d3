#pragma once
// The candidate's history: a fixed ring of configuration snapshots, the current one at the ring
// index. A new step copies the current snapshot into the next slot and makes that current, so
// the step before stays behind it for undo; the oldest step is overwritten once the ring is
// full, which keeps one slot fewer than the ring as undo depth. Undo leaves the snapshots ahead
// of the index in place for redo until the next step or change overwrites them.

#include <array>
#include <cstdint>
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
    // Steps forward again to the snapshot the last undo left; false when there is none.
    bool Redo();
    // The current snapshot was changed in place: it is another state now, and what lay ahead
    // of it can no longer be redone onto it.
    void MarkCurrentChanged();
    void DropRedo() { m_redo = 0; }

    int Count() const { return m_count; }
    int RedoCount() const { return m_redo; }
    int Index() const { return m_index; }
    const CDataBase* Slot(int slot) const;
    // Names the state of the current snapshot, unique in the process: equal ids are the same
    // content, so a document compares it with the one it saved.
    std::uint64_t CurrentState() const { return m_states[m_index]; }

private:
    static std::uint64_t NextState();

    std::array<std::unique_ptr<CDataBase>, kSize> m_slots;
    std::array<std::uint64_t, kSize> m_states{};
    int m_index = 0;
    int m_count = 0;
    int m_redo = 0;
};
