#pragma once
// The document over the real link of the program, against the simulated BTS run in-process as
// the program's simulator connection runs it, with its files in a folder of its own.

#include "DocumentTestSupport.h"
#include "app/link/DocumentLink.h"
#include "comms/CommsClient.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "platform/Registry.h"
#include "sim/SIMTransactServer.h"
#include "sim/SimConfigStore.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <unistd.h>

using namespace std::chrono_literals;

class CDocumentClient : public CCommsClient {
public:
    explicit CDocumentClient(CBTSConfigurationDoc& doc) : m_doc(doc) {}
    void OnReport(const CCommsReport& report) override { m_doc.OnReport(report); }
    void OnUplinkMessage(std::span<const uint8_t> message) override {
        m_doc.OnUplinkMessage(message);
    }

private:
    CBTSConfigurationDoc& m_doc;
};

struct SimDocumentFixture {
    ScriptedWindows windows;
    CMemoryRegistry settings;
    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    CHubDocumentLink link{hub};
    std::unique_ptr<CBTSConfigurationDoc> doc;
    std::unique_ptr<CDocumentClient> client;
    CSimBts* sim = nullptr;
    // What the next connection's BTS is: the built-in one unless a test changes it first.
    SSimScenario scenario;
    std::filesystem::path dir;

    SimDocumentFixture() {
        // The link reads its port settings from the process-wide store: one that keeps nothing.
        ResetRegistryForTests();
        SetRegistryWriteAccess(false);
        CBtsConfiguration::Drop();
        dir = std::filesystem::temp_directory_path() /
              ("cabrion-doc-sim-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        hub.SetLockDirectory(dir.string());
        scenario.bts = SSimBtsModel::Default();
        hub.SetSimulatorFactory([this](const CConnectParams& p, CCommunicationBTS& h) {
            auto server = std::make_unique<CSIMTransactServer>(p, h, scenario);
            sim = &server->Bts();
            return server;
        });
        settings.SetInt("Initialization", "EnableBTS", 1);
        CBTSConfigurationDoc::SServices s;
        s.windows = &windows;
        s.link = &link;
        s.settings = &settings;
        s.documentsFolder = dir.string();
        s.clock = [] { return std::string("12:34:56"); };
        doc = std::make_unique<CBTSConfigurationDoc>(s);
        CMMIServ::Instance().SetHost(doc.get());
        client = std::make_unique<CDocumentClient>(*doc);
    }
    ~SimDocumentFixture() {
        hub.StopConnection();
        client.reset();
        CMMIServ::Instance().SetHost(nullptr);
        doc.reset();
        hub.SetSimulatorFactory({});
        CBtsConfiguration::Drop();
        ResetRegistryForTests();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
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
    // Up on the simulated BTS with the BCF in a state that allows sending, the event log there.
    bool LinkUp() {
        doc->OnIdle();
        doc->ConnectSimulator();
        return PumpUntil([&] { return link.IsLinkUp() && link.BcfState() == 9; });
    }
    std::vector<std::string> EventTexts() const {
        std::vector<std::string> texts;
        for (const auto& e : windows.events) {
            texts.push_back(e.second);
        }
        return texts;
    }
};
