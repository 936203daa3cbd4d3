#pragma once
// The main window with a document over the program's own link, against the simulated BTS run
// in-process as the program's simulator connection runs it, with its files in a folder of its own.

#include "app/document/BTSConfigurationDoc.h"
#include "app/link/DocumentLink.h"
#include "comms/CommsClient.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "model/BtsConfiguration.h"
#include "platform/MemoryRegistry.h"
#include "platform/Registry.h"
#include "sim/SIMTransactServer.h"
#include "support/FrameDocument.h"
#include "ui/MainFrame.h"

#include <QApplication>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

namespace testsupport {

class CSimWindowClient : public CCommsClient {
public:
    explicit CSimWindowClient(CBTSConfigurationDoc& doc) : m_doc(doc) {}
    void OnReport(const CCommsReport& report) override { m_doc.OnReport(report); }
    void OnUplinkMessage(std::span<const uint8_t> message) override {
        m_doc.OnUplinkMessage(message);
    }

private:
    CBTSConfigurationDoc& m_doc;
};

struct SimWindow {
    CMemoryRegistry settings;
    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    CHubDocumentLink link{hub};
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;
    std::unique_ptr<CSimWindowClient> client;
    std::filesystem::path dir;

    explicit SimWindow(const std::string& folder) {
        // The link reads its port settings from the process-wide store: one that keeps nothing.
        ResetRegistryForTests();
        SetRegistryWriteAccess(false);
        CBtsConfiguration::Drop();
        dir = std::filesystem::temp_directory_path() / (folder + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        hub.SetLockDirectory(dir.string());
        hub.SetSimulatorFactory([](const CConnectParams& p, CCommunicationBTS& h) {
            SSimScenario scenario;
            scenario.bts = SSimBtsModel::Default();
            return std::make_unique<CSIMTransactServer>(p, h, scenario);
        });
        settings.SetInt("Initialization", "EnableBTS", 1);
        doc = AttachNewDocument(frame, link, settings);
        CMMIServ::Instance().SetHost(doc.get());
        client = std::make_unique<CSimWindowClient>(*doc);
    }
    ~SimWindow() {
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
    // `idle`: the document's idle pass runs between pumps, as the program's event loop runs it.
    bool PumpUntil(const std::function<bool()>& done, bool idle,
                   std::chrono::milliseconds limit = std::chrono::seconds(15)) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            hub.WaitAndPump(std::chrono::milliseconds(20));
            if (idle) {
                doc->OnIdle();
            }
            QApplication::processEvents();
        }
        return true;
    }
};

} // namespace testsupport
