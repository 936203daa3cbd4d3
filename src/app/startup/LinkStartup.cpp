#include "app/startup/LinkStartup.h"

#include "comms/CommunicationBTS.h"
#include "comms/SobriquetFile.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <QCoreApplication>
#include <QMetaObject>

void CLinkConnectionStarter::StartConnection(ConnectionKind kind, const std::string& target) {
    // Read now rather than at construction: port enumeration may just have chosen the COM port.
    CRegistry& settings = CRegistry::Instance();
    m_hub.SetSettings(
        {settings.GetIntOrDefault("ComPort"), settings::Read(settings, settings::kMaxUARTSpeed)});
    m_hub.StartConnection(kind, target);
}

void CLinkConnectionStarter::StopConnection() {
    m_hub.StopConnection();
}

CSobriquetFileResolver::CSobriquetFileResolver(std::string path)
    : m_path(path.empty() ? sobriquet::DefaultPath() : std::move(path)) {}

SobriquetResult CSobriquetFileResolver::Resolve(const std::string& name) {
    SobriquetResult result;
    result.found = sobriquet::Resolve(m_path, name, result.target, result.failureMessage);
    return result;
}

namespace {
// Touched on the event loop's thread only.
int g_holdDepth = 0;
bool g_heldPump = false;
} // namespace

void RelayLinkThroughEventLoop(CCommunicationBTS& hub) {
    hub.Relay().SetNotifier([&hub] {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [&hub] {
                    if (g_holdDepth > 0) {
                        g_heldPump = true;
                        return;
                    }
                    hub.Pump();
                },
                Qt::QueuedConnection);
        }
    });
}

void HoldLinkRelay(CCommunicationBTS& hub, bool hold) {
    if (hold) {
        ++g_holdDepth;
        return;
    }
    if (g_holdDepth > 0 && --g_holdDepth == 0 && g_heldPump) {
        g_heldPump = false;
        hub.Pump();
    }
}

void StopRelayingLink(CCommunicationBTS& hub) {
    hub.StopConnection();
    hub.Relay().SetNotifier({});
    hub.Pump();
}
