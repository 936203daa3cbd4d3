#include "app/link/BtsMessageRules.h"

SDialogSize CBtsMessageRules::Size() const {
    if (m_expanded) {
        return m_full;
    }
    SDialogSize s;
    s.width = m_hasDetails ? m_full.width : m_full.width - m_full.width / 4;
    s.height = (m_full.height - 30) / 2;
    return s;
}

void CBtsMessageRules::Toggle() {
    if (m_hasDetails) {
        m_expanded = !m_expanded;
    }
}

void CBtsMessageRules::Resized(SDialogSize size) {
    if (m_expanded) {
        m_full = size;
    }
}
