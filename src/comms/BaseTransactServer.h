#pragma once
// One connection to one BTS, as the rest of the program sees it: exchanges, speed, link state.

#include "comms/ConnectParams.h"
#include "comms/Frame.h"

#include <span>

class CBaseTransactServer {
public:
    virtual ~CBaseTransactServer() = default;

    // index 1 to 5 of the speed list, or -1 to fall back to 9600.
    virtual void SetMaxSpeed(int index) = 0;
    // Sends the request and waits for its reply: 1 when a reply arrived, else 0 with an
    // empty reply.
    virtual int Transact(std::span<const uint8_t> request, frame::Bytes& reply) = 0;
    virtual int IsLocalLinkActive() const = 0;
    virtual int IsLinkUp() const = 0;
    virtual CConnectParams GetConnectParams() const = 0;
    // GUI thread: delivers what the server has for the clients outside the relay.
    virtual void Pump() {}
};
