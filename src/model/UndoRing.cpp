#include "model/UndoRing.h"

#include <algorithm>

CDataBase* CUndoRing::Fill(std::unique_ptr<CDataBase> first) {
    auto& slot = m_slots[m_index];
    if (!slot)
        slot = std::move(first);
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
    m_count = std::min(m_count + 1, kMaxUndo);
    return true;
}

bool CUndoRing::Undo() {
    if (m_count <= 0)
        return false;
    m_index = (m_index + kSize - 1) % kSize;
    --m_count;
    return true;
}

const CDataBase* CUndoRing::Slot(int slot) const {
    if (slot < 0 || slot >= kSize)
        return nullptr;
    return m_slots[slot].get();
}
