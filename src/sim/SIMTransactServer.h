#pragma once
// The "simulator" connection: the simulated BTS runs inside the program, so exchanges and its
// unsolicited messages are handled on the GUI thread without a link thread.

#include "comms/BaseTransactServer.h"
#include "comms/MessageAssembler.h"
#include "sim/SimBts.h"

class CCommunicationBTS;

class CSIMTransactServer : public CBaseTransactServer {
public:
    CSIMTransactServer(const CConnectParams& params, CCommunicationBTS& hub,
                       SSimScenario scenario = {});
    ~CSIMTransactServer() override;

    void SetMaxSpeed(int index) override;
    int Transact(std::span<const uint8_t> request, frame::Bytes& reply) override;
    int IsLocalLinkActive() const override { return 1; }
    int IsLinkUp() const override { return m_linkUp; }
    CConnectParams GetConnectParams() const override { return m_params; }
    // Delivers what the simulated BTS has sent on its own.
    void Pump() override;

    CSimBts& Bts() { return m_bts; }

private:
    // Sends one frame and assembles what comes back; false when nothing usable came.
    bool ExchangeMessage(const frame::Bytes& out, frame::Bytes& message);

    CConnectParams m_params;
    CCommunicationBTS& m_hub;
    CSimBts m_bts;
    CMessageAssembler m_assembler;
    int m_linkUp = 0;
};
