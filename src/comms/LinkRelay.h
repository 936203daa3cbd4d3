#pragma once
// Carries reports and uplink messages from a link thread to the GUI thread. The link thread
// queues; the GUI thread takes them in queue order, either when the notifier (a queued call
// into its event loop) fires or by pumping explicitly (command line, tests).

#include "comms/CommsReport.h"
#include "comms/Fifo.h"
#include "comms/Frame.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>

// The receiver of relayed items on the GUI thread.
class ILinkDispatch {
public:
    virtual ~ILinkDispatch() = default;
    virtual void DispatchReport(std::unique_ptr<CCommsReport> report) = 0;
    virtual void DispatchUplink(std::span<const uint8_t> message) = 0;
};

// State of the file service for the transfer dialogs.
struct SFileServiceStatus {
    int status = 0; // 1 running, 2 failed, 4 and 6 finished
    int errorCode = 0;
    double progress = 0;
    std::string fileName;
};

class CLinkRelay {
public:
    struct Item {
        std::unique_ptr<CCommsReport> report; // null for an uplink message
        frame::Bytes uplink;
    };

    // Link thread side.
    void QueueReport(std::unique_ptr<CCommsReport> report);
    void QueueUplink(frame::Bytes message);
    // Stale uplink messages are dropped when the link is re-established; reports stay.
    void DropUplinks();
    bool HasReports() const;

    // GUI thread side: dispatches what is queued now; returns how many items went out.
    int Pump(ILinkDispatch& target);
    // Waits until something is queued (or the time passes); true when items are waiting.
    bool WaitForItems(std::chrono::milliseconds timeout);
    bool IsEmpty() const { return m_items.IsEmpty(); }

    // Called on the link thread after each queued item.
    void SetNotifier(std::function<void()> notifier);

    SFileServiceStatus FileStatus() const;
    void UpdateFileStatus(const std::function<void(SFileServiceStatus&)>& change);

private:
    void Queued();

    CFifo<Item> m_items;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::function<void()> m_notifier;
    SFileServiceStatus m_fileStatus;
};
