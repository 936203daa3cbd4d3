#pragma once
// Shared pieces of the link tests: a hub with short waits, a client that records what it
// gets, a service wrapper that records the frames on the wire, and a simulated BTS on
// loopback.

#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/SerialCommServer.h"
#include "comms/TcpCommServer.h"
#include "sim/SimServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace linktest {

using namespace std::chrono_literals;

struct Seen {
    int kind;
    int code;
    std::string text;
};

class CRecordingClient : public CCommsClient {
public:
    explicit CRecordingClient(CCommunicationBTS& hub) : CCommsClient(hub) {}
    void OnReport(const CCommsReport& r) override {
        reports.push_back({r.Kind(), r.Code(), r.Text()});
    }
    void OnUplinkMessage(std::span<const uint8_t> m) override {
        uplinks.emplace_back(m.begin(), m.end());
    }

    bool Has(int kind, int code) const {
        for (const auto& r : reports) {
            if (r.kind == kind && r.code == code) {
                return true;
            }
        }
        return false;
    }
    const Seen* Find(int code) const {
        for (const auto& r : reports) {
            if (r.code == code) {
                return &r;
            }
        }
        return nullptr;
    }

    std::vector<Seen> reports;
    std::vector<frame::Bytes> uplinks;
};

// Frames as they went out, shared with the test thread.
struct Wire {
    std::mutex mutex;
    std::vector<frame::Bytes> sent;
    std::vector<frame::Bytes> Requests() {
        std::lock_guard lock(mutex);
        std::vector<frame::Bytes> out;
        for (const auto& f : sent) {
            if (f.size() > 4 && f[4] != 0xE3) {
                out.push_back(f);
            }
        }
        return out;
    }
};

// Passes every call to the real service and keeps a copy of what it sends.
class CRecordingServer : public CCommServer {
public:
    CRecordingServer(std::unique_ptr<CCommServer> inner, std::shared_ptr<Wire> wire)
        : m_inner(std::move(inner)), m_wire(std::move(wire)) {}
    CommResult Connect(const std::string& t) override { return m_inner->Connect(t); }
    void Disconnect() override { m_inner->Disconnect(); }
    CommResult Exchange(const std::string& a, const std::vector<uint8_t>& f,
                        std::vector<uint8_t>& r) override {
        {
            std::lock_guard lock(m_wire->mutex);
            m_wire->sent.push_back(f);
        }
        return m_inner->Exchange(a, f, r);
    }
    bool GetLastErrorInfo(long& ma, long& mi, unsigned long& l, std::string& r) override {
        return m_inner->GetLastErrorInfo(ma, mi, l, r);
    }
    void Interrupt() override { m_inner->Interrupt(); }

private:
    std::unique_ptr<CCommServer> m_inner;
    std::shared_ptr<Wire> m_wire;
};

inline SLinkTimings FastTimings() {
    SLinkTimings t = SLinkTimings::Scaled(20);
    t.threadStart = 5s; // the start itself is never slow; a loaded machine may be
    t.threadStop = 6s;
    t.reportDrainLimit = 500ms;
    // Generous where a slow, loaded machine could otherwise fail a healthy exchange.
    t.replyBase = 1s;
    t.exchangeTimeout = 2s;
    t.connectTimeout = 2s;
    return t;
}

inline std::string TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cabrion-linkXXXXXX").string();
    const char* dir = ::mkdtemp(pattern.data());
    return dir ? dir : "/tmp";
}

// A hub with short waits, its own lock folder and a recording client.
struct Harness {
    explicit Harness(SLinkSettings settings = {1, 1}) : client(hub) {
        hub.SetSettings(settings);
        hub.SetTimings(timings);
        hub.SetLockDirectory(lockDir);
        const auto t = timings;
        auto w = wire;
        auto resolver = comPaths;
        hub.SetServerFactory(
            [t, w, resolver](const CConnectParams& p) -> std::unique_ptr<CCommServer> {
                std::unique_ptr<CCommServer> inner;
                if (p.GetKind() == kConnLocal) {
                    inner = std::make_unique<CSerialCommServer>(
                        t, [resolver](int com) { return (*resolver)[com]; });
                } else {
                    inner = std::make_unique<CTcpCommServer>(t);
                }
                return std::make_unique<CRecordingServer>(std::move(inner), w);
            });
        hub.SetMessageSink([this](const std::string& m) { messages.push_back(m); });
    }
    ~Harness() { hub.StopConnection(); }

    // Pumps until the condition holds or the time is up; true when it held.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            hub.WaitAndPump(20ms);
        }
        return true;
    }
    bool WaitLinkUp() {
        return PumpUntil([&] { return client.Has(1, 0); });
    }

    SLinkTimings timings = FastTimings();
    std::string lockDir = TempDir();
    std::shared_ptr<Wire> wire = std::make_shared<Wire>();
    std::shared_ptr<std::map<int, std::string>> comPaths =
        std::make_shared<std::map<int, std::string>>();
    std::vector<std::string> messages;
    CCommunicationBTS hub;
    CRecordingClient client;
};

inline std::string TcpTarget(const CSimServer& sim, const std::string& extra = {}) {
    return "HOST=127.0.0.1,TCPPORT=" + std::to_string(sim.Port()) + extra;
}

// A simulated BTS on a loopback port, already serving.
inline std::unique_ptr<CSimServer> StartTcpSim(SSimScenario scenario = {}) {
    auto sim = std::make_unique<CSimServer>(std::move(scenario));
    std::string error;
    EXPECT_TRUE(sim->ListenTcp("127.0.0.1", 0, error)) << error;
    sim->Start();
    return sim;
}

inline std::unique_ptr<CSimServer> StartPtySim(SSimScenario scenario = {}) {
    auto sim = std::make_unique<CSimServer>(std::move(scenario));
    std::string error;
    EXPECT_TRUE(sim->OpenPty(error)) << error;
    sim->Start();
    return sim;
}

inline frame::Bytes Request(uint8_t type, uint16_t id, size_t size) {
    frame::Bytes r(size);
    r[0] = type;
    r[1] = 0;
    r[2] = static_cast<uint8_t>(id);
    r[3] = static_cast<uint8_t>(id >> 8);
    for (size_t i = 4; i < size; ++i) {
        r[i] = static_cast<uint8_t>(i * 7);
    }
    return r;
}

} // namespace linktest
