#include "app/views/ViewBarState.h"

#include <algorithm>

void CViewBarState::SetEntries(std::vector<SBarEntry> entries) {
    m_entries = std::move(entries);
    m_focus = std::clamp(m_focus, 0, std::max(0, Count() - 1));
    m_first = std::clamp(m_first, 0, std::max(0, Count() - 1));
    m_pressed = -1;
}

void CViewBarState::SetFocusIndex(int index) {
    if (index >= 0 && index < Count()) {
        m_focus = index;
    }
}

int CViewBarState::IndexOfView(int viewType) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_entries[i].viewType == viewType) {
            return i;
        }
    }
    return -1;
}

int CViewBarState::Key(EKey key) {
    if (m_entries.empty()) {
        return 0;
    }
    const int n = Count();
    switch (key) {
    case EKey::Home:
    case EKey::PageUp:
        m_focus = 0;
        break;
    case EKey::End:
    case EKey::PageDown:
        m_focus = n - 1;
        break;
    case EKey::Left:
    case EKey::Up:
        m_focus = (m_focus + n - 1) % n;
        break;
    case EKey::Right:
    case EKey::Down:
        m_focus = (m_focus + 1) % n;
        break;
    case EKey::Activate:
        break;
    case EKey::Other:
        return 0;
    }
    return m_entries[m_focus].command;
}

void CViewBarState::Press(int index) {
    m_pressed = index >= 0 && index < Count() ? index : -1;
}

int CViewBarState::Release(int index) {
    const int pressed = m_pressed;
    m_pressed = -1;
    if (pressed < 0 || pressed != index) {
        return 0;
    }
    m_focus = index;
    return m_entries[index].command;
}

bool CViewBarState::NeedsScrolling(int height) const {
    return Count() * kButtonHeight > height;
}

int CViewBarState::VisibleCount(int height) const {
    return std::max(1, height / kButtonHeight);
}

void CViewBarState::ScrollBy(int buttons, int height) {
    const int maxFirst = NeedsScrolling(height) ? std::max(0, Count() - VisibleCount(height)) : 0;
    m_first = std::clamp(m_first + buttons, 0, maxFirst);
}

void CViewBarState::KeepFocusVisible(int height) {
    if (!NeedsScrolling(height)) {
        m_first = 0;
        return;
    }
    const int visible = VisibleCount(height);
    if (m_focus < m_first) {
        m_first = m_focus;
    } else if (m_focus >= m_first + visible) {
        m_first = m_focus - visible + 1;
    }
}
