#pragma once
// The communication service over TCP, for remote targets that name HOST= and TCPPORT=.

#include "comms/LinkTimings.h"
#include "comms/StreamCommServer.h"

class CTcpCommServer : public CStreamCommServer {
public:
    explicit CTcpCommServer(const SLinkTimings& timings = {});

protected:
    int Open(const std::string& target) override;
    long MajorCode() const override { return kMajorRemote; }
    void OnClosedByPeer() override;

private:
    std::chrono::milliseconds m_connectTimeout;
};
