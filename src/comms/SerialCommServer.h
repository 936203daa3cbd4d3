#pragma once
// The communication service over a local serial line ("WP=COM" targets), set to the target's
// speed, raw 8N1 without flow control.

#include "comms/LinkTimings.h"
#include "comms/StreamCommServer.h"

#include <functional>

// Maps a COM number to its device path.
using ComPortResolver = std::function<std::string(int com)>;

class CSerialCommServer : public CStreamCommServer {
public:
    // Without a resolver COM n is the device the serial port names give it.
    explicit CSerialCommServer(const SLinkTimings& timings = {},
                               ComPortResolver resolver = nullptr);

protected:
    int Open(const std::string& target) override;
    long MajorCode() const override { return kMajorLocal; }
    void OnClosedByPeer() override;

private:
    ComPortResolver m_resolver;
};
