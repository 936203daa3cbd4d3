#include "app/startup/BTSConfigurationApp.h"

#include "app/settings/MachineSettings.h"
#include "app/settings/UserAccessControl.h"
#include "app/startup/OstrelHandBack.h"
#include "platform/Registry.h"

CBTSConfigurationApp::CBTSConfigurationApp(Services services) : m_services(std::move(services)) {}

CBTSConfigurationApp::~CBTSConfigurationApp() = default;

bool CBTSConfigurationApp::InitInstance(const std::vector<std::string>& argv) {
    // The first running copy keeps the settings lock until it ends; later copies may change
    // settings for their own run only. A lock that cannot be set up at all decides nothing.
    m_settingsLock = std::make_unique<CNamedLock>(kSettingsLockName, m_services.lockDirectory);
    SetRegistryWriteAccess(true);
    if (m_settingsLock->TryAcquire() == CNamedLock::Result::HeldElsewhere) {
        SetRegistryWriteAccess(false);
        m_services.messages->Information(kAnotherCopyWarning);
    }

    EnumerateSerialPorts();

    m_own = ParseOwnSwitches(RawCommandLine(argv));
    if (m_own.startedFromOstrel) {
        m_helpPath = ToolsBaseDirectory(*m_services.machine) + QStringLiteral("/Cabrion/") +
                     QString::fromLatin1(kHelpFileName);
    }

    m_cmdInfo = CBTSCommandLineInfo();
    if (argv.size() > 1) {
        m_cmdInfo.ParseArguments(std::vector<std::string>(argv.begin() + 1, argv.end()));
    }

    std::string failure;
    const std::string target = m_parser.ReadTarget(m_cmdInfo, m_services.sobriquets, failure);
    if (!failure.empty()) {
        m_services.messages->Error(failure);
    }
    if (!target.empty()) {
        m_handBackTarget = target;
        m_startedKind = ConnectionKindForTarget(target);
        if (m_services.connection != nullptr) {
            m_services.connection->StartConnection(m_startedKind, target);
        }
        // Ostrel deals in remote BTSs only.
        if (m_startedKind == kConnectionLocal) {
            m_handBackTarget.clear();
        }
        m_connectionWanted = true;
    }

    m_accessLevel = CUserAccessControl(*m_services.machine, *m_services.groups).AccessLevel();
    return true;
}

int CBTSConfigurationApp::EnumerateSerialPorts() {
    CRegistry& store = CRegistry::Instance();
    const CSerialPortNames names(m_services.deviceDirectory, ReadSerialPortOverrides(store));
    auto message = [this](const std::string& text) { m_services.messages->Error(text); };
    const int count = m_ports.Enumerate(names, m_services.probe, message);
    m_ports.ApplyComPortRule(store);
    return count;
}

void CBTSConfigurationApp::ExitInstance() {
    if (m_settingsLock) {
        m_settingsLock->Release();
    }
    if (m_own.startedFromOstrel) {
        if (m_services.connection != nullptr) {
            m_services.connection->StopConnection();
        }
        if (m_services.launcher != nullptr) {
            HandBackToOstrel(ToolsBaseDirectory(*m_services.machine), m_handBackTarget,
                             *m_services.launcher);
        }
    }
    m_ports.Clear();
}
