#pragma once
// Hands the main window's notifications (connection state, BTS notifications, general ones) to
// the view manager and to every window registered for them. Notifications raised while they
// are being delivered nest; beyond six levels only the view manager hears of them, so two
// windows that answer each other cannot recurse without end.

#include <functional>
#include <memory>
#include <vector>

class INotificationTarget {
public:
    virtual ~INotificationTarget() = default;
    // A window that has gone is skipped, not unregistered.
    virtual bool Exists() const = 0;
    virtual void Send(int message, int wParam, int lParam) = 0;
    virtual void Post(int message, int wParam, int lParam) = 0;
};

class CNotificationRelay {
public:
    static constexpr int kMaxDepth = 6;

    struct SRegistration {
        int id = 0;
        std::unique_ptr<INotificationTarget> target;
        int mask = 0; // 1: 3054, 2: 3055, 4: 3056
        bool send = true;
        bool delivered = false;
    };

    // Gets every notification first, at any depth.
    void SetViewManager(std::function<void(int, int, int)> viewManager) {
        m_viewManager = std::move(viewManager);
    }
    int Register(std::unique_ptr<INotificationTarget> target, int mask, bool send);
    bool Unregister(int id);
    void Clear() { m_registrations.clear(); }
    void Relay(int message, int wParam, int lParam);

    int Depth() const { return m_depth; }
    const SRegistration* Find(int id) const;
    size_t Count() const { return m_registrations.size(); }

private:
    std::function<void(int, int, int)> m_viewManager;
    std::vector<std::unique_ptr<SRegistration>> m_registrations;
    int m_nextId = 0;
    int m_depth = 0;
};
