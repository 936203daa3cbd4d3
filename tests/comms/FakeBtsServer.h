#pragma once
// A connection that answers every request from a script and keeps what was sent, so exchanges
// can be checked without a link thread.

#include "comms/BaseTransactServer.h"
#include "comms/CommunicationBTS.h"

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace fakebts {

struct SScript {
    std::vector<frame::Bytes> sent;
    std::deque<frame::Bytes> replies;
    // Answers a request when the queue of replies is empty; none when unset.
    std::function<frame::Bytes(const frame::Bytes&)> answer;
};

class CFakeServer : public CBaseTransactServer {
public:
    explicit CFakeServer(std::shared_ptr<SScript> script) : m_script(std::move(script)) {}
    void SetMaxSpeed(int) override {}
    int Transact(std::span<const uint8_t> request, frame::Bytes& reply) override {
        m_script->sent.emplace_back(request.begin(), request.end());
        reply.clear();
        if (!m_script->replies.empty()) {
            reply = std::move(m_script->replies.front());
            m_script->replies.pop_front();
        } else if (m_script->answer) {
            reply = m_script->answer(m_script->sent.back());
        }
        return reply.empty() ? 0 : 1;
    }
    int IsLocalLinkActive() const override { return 0; }
    int IsLinkUp() const override { return 1; }
    CConnectParams GetConnectParams() const override {
        CConnectParams params(1, 5);
        params.SetSimulator();
        return params;
    }

private:
    std::shared_ptr<SScript> m_script;
};

// Connects the hub to a scripted server.
inline std::shared_ptr<SScript> Connect(CCommunicationBTS& hub) {
    auto script = std::make_shared<SScript>();
    hub.SetSimulatorFactory([script](const CConnectParams&, CCommunicationBTS&) {
        return std::make_unique<CFakeServer>(script);
    });
    hub.StartConnection(kConnSimulator, "");
    return script;
}

} // namespace fakebts
