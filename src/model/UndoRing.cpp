#include "model/UndoRing.h"

#include <algorithm>
#include <atomic>

std::uint64_t CUndoRing::NextState() {
    // Process-wide, so that a snapshot of a replaced site never takes the id of the saved one.
    static std::atomic<std::uint64_t> next{0};
    return ++next;
}

CDataBase* CUndoRing::Fill(std::unique_ptr<CDataBase> first) {
    auto& slot = m_slots[m_index];
    if (!slot && first) {
        slot = std::move(first);
        m_states[m_index] = NextState();
    }
    return slot.get();
}

bool CUndoRing::Push() {
    const CDataBase* current = m_slots[m_index].get();
    if (current == nullptr)
        return false;
    const int next = (m_index + 1) % kSize;
    auto& slot = m_slots[next];
    if (!slot)
        slot = current->CreateEmpty();
    slot->CopyFrom(*current);
    m_index = next;
    m_states[m_index] = NextState();
    m_count = std::min(m_count + 1, kMaxUndo);
    m_redo = 0;
    return true;
}

bool CUndoRing::Undo() {
    if (m_count <= 0)
        return false;
    m_index = (m_index + kSize - 1) % kSize;
    --m_count;
    ++m_redo;
    return true;
}

bool CUndoRing::Redo() {
    if (m_redo <= 0)
        return false;
    m_index = (m_index + 1) % kSize;
    ++m_count;
    --m_redo;
    return true;
}

void CUndoRing::MarkCurrentChanged() {
    if (m_slots[m_index]) {
        m_states[m_index] = NextState();
    }
    m_redo = 0;
}

const CDataBase* CUndoRing::Slot(int slot) const {
    if (slot < 0 || slot >= kSize)
        return nullptr;
    return m_slots[slot].get();
}
