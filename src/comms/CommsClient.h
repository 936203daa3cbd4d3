#pragma once
// A receiver of comms reports and uplink messages; it is registered with the link hub for its
// whole lifetime.

#include <cstdint>
#include <span>

class CCommsReport;
class CCommunicationBTS;

class CCommsClient {
public:
    // Registers with the process-wide hub.
    CCommsClient();
    explicit CCommsClient(CCommunicationBTS& hub);
    virtual ~CCommsClient();
    CCommsClient(const CCommsClient&) = delete;
    CCommsClient& operator=(const CCommsClient&) = delete;

    virtual void OnReport(const CCommsReport& report) = 0;
    virtual void OnUplinkMessage(std::span<const uint8_t> message) { (void)message; }

private:
    CCommunicationBTS* m_hub;
};
