#include "comms/LinkRelay.h"

void CLinkRelay::QueueReport(std::unique_ptr<CCommsReport> report) {
    auto item = std::make_unique<Item>();
    item->report = std::move(report);
    m_items.Push(std::move(item));
    Queued();
}

void CLinkRelay::QueueUplink(frame::Bytes message) {
    auto item = std::make_unique<Item>();
    item->uplink = std::move(message);
    m_items.Push(std::move(item));
    Queued();
}

void CLinkRelay::DropUplinks() {
    m_items.RemoveIf([](const Item& i) { return i.report == nullptr; });
}

bool CLinkRelay::HasReports() const {
    return m_items.AnyOf([](const Item& i) { return i.report != nullptr; });
}

void CLinkRelay::Queued() {
    std::function<void()> notifier;
    {
        std::lock_guard lock(m_mutex);
        notifier = m_notifier;
    }
    m_cv.notify_all();
    if (notifier) {
        notifier();
    }
}

int CLinkRelay::Pump(ILinkDispatch& target) {
    int count = 0;
    // Only what is there now: a dispatch that causes new items leaves them for the next pump.
    for (size_t n = m_items.Size(); n > 0; --n) {
        auto item = m_items.Pop();
        if (!item) {
            break;
        }
        if (item->report) {
            target.DispatchReport(std::move(item->report));
        } else {
            target.DispatchUplink(item->uplink);
        }
        ++count;
    }
    return count;
}

bool CLinkRelay::WaitForItems(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, timeout, [this] { return !m_items.IsEmpty(); });
}

void CLinkRelay::SetNotifier(std::function<void()> notifier) {
    std::lock_guard lock(m_mutex);
    m_notifier = std::move(notifier);
}

SFileServiceStatus CLinkRelay::FileStatus() const {
    std::lock_guard lock(m_mutex);
    return m_fileStatus;
}

void CLinkRelay::UpdateFileStatus(const std::function<void(SFileServiceStatus&)>& change) {
    std::lock_guard lock(m_mutex);
    change(m_fileStatus);
}
