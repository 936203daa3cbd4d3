#include "app/link/NotificationRelay.h"

#include "app/commands/CommandIds.h"

int CNotificationRelay::Register(std::unique_ptr<INotificationTarget> target, int mask, bool send) {
    auto r = std::make_unique<SRegistration>();
    r->id = m_nextId++;
    r->target = std::move(target);
    r->mask = mask;
    r->send = send;
    const int id = r->id;
    m_registrations.push_back(std::move(r));
    return id;
}

bool CNotificationRelay::Unregister(int id) {
    const auto before = m_registrations.size();
    std::erase_if(m_registrations, [id](const auto& r) { return r->id == id; });
    return m_registrations.size() != before;
}

const CNotificationRelay::SRegistration* CNotificationRelay::Find(int id) const {
    for (const auto& r : m_registrations) {
        if (r->id == id) {
            return r.get();
        }
    }
    return nullptr;
}

void CNotificationRelay::Relay(int message, int wParam, int lParam) {
    if (m_viewManager) {
        m_viewManager(message, wParam, lParam);
    }
    if (m_depth >= kMaxDepth) {
        return;
    }
    ++m_depth;
    const int bit = notify::MaskOf(message);
    // By index: a window may register or unregister while it is being told.
    for (size_t i = 0; i < m_registrations.size(); ++i) {
        SRegistration* r = m_registrations[i].get();
        if ((r->mask & bit) == 0 || !r->target || !r->target->Exists()) {
            continue;
        }
        if (r->send) {
            r->target->Send(message, wParam, lParam);
        } else {
            r->target->Post(message, wParam, lParam);
        }
        if (i < m_registrations.size() && m_registrations[i].get() == r) {
            r->delivered = true;
        }
    }
    --m_depth;
}
