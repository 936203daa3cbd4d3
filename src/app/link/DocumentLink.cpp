#include "app/link/DocumentLink.h"

#include "comms/CommunicationBTS.h"
#include "comms/ConfigTransfer.h"
#include "comms/ConnectParams.h"
#include "comms/MMIServ.h"
#include "comms/ObjectData.h"
#include "comms/ObjectMaps.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <span>

CHubDocumentLink::CHubDocumentLink(CCommunicationBTS& hub) : m_hub(hub) {}

bool CHubDocumentLink::IsLinkUp() const {
    return m_hub.IsLinkUp() != 0;
}

bool CHubDocumentLink::IsLocalLinkActive() const {
    return m_hub.IsLocalLinkActive() != 0;
}

int CHubDocumentLink::ConnectionKind() const {
    return m_hub.GetConnectParams() ? m_hub.GetConnectionKind() : 0;
}

int CHubDocumentLink::ComPort() const {
    auto params = m_hub.GetConnectParams();
    return params ? params->GetComPort() : 0;
}

int CHubDocumentLink::BscId() const {
    auto params = m_hub.GetConnectParams();
    return params ? static_cast<int>(params->GetBscId()) : 0;
}

int CHubDocumentLink::BcfId() const {
    auto params = m_hub.GetConnectParams();
    return params ? static_cast<int>(params->GetBcfId()) : 0;
}

std::string CHubDocumentLink::SpeedText() const {
    auto params = m_hub.GetConnectParams();
    return params ? params->GetSpeedText() : std::string();
}

bool CHubDocumentLink::Start(int kind, const std::string& target) {
    // A connection starts from the settings as they are now: the options may have changed
    // the port since the last one.
    CRegistry& store = CRegistry::Instance();
    SLinkSettings s;
    s.comPort = settings::Read(store, settings::kComPort);
    s.maxSpeedIndex = settings::Read(store, settings::kMaxUARTSpeed);
    m_hub.SetSettings(s);
    return m_hub.StartConnection(kind, target) != 0;
}

void CHubDocumentLink::Stop() {
    m_hub.StopConnection();
}

std::string CHubDocumentLink::AskRemoteTarget() {
    return m_hub.AskTarget();
}

bool CHubDocumentLink::IsRemoteTarget(const std::string& target) const {
    const auto params = m_hub.GetConnectParams();
    if (!params || params->GetKind() != kConnRemote) {
        return false;
    }
    // Compared as the link keeps a target, with its own address in place of the given one.
    CConnectParams wanted(params->GetComPort(), params->GetMaxSpeedIndex());
    wanted.SetTarget(target);
    return wanted.GetKind() == kConnRemote && wanted.GetTarget() == params->GetTarget();
}

bool CHubDocumentLink::SendingEnabled() const {
    const CObjectData* bcf = CMMIServ::Instance().Objects().FirstOfClass(objects::kClassBcf);
    if (bcf == nullptr) {
        return false;
    }
    return bcf->state == 0 || bcf->state == 1 || bcf->state == 9;
}

bool CHubDocumentLink::Send(CSiteKODA& site, bool passive, CHWInfoFile& candidatePassive) {
    STransferContext context;
    context.commands = &CMMIServ::Instance().Commands();
    context.candidatePassive = &candidatePassive;
    const CDataBase* bts = CBtsConfiguration::Get();
    context.btsSwLevel = bts != nullptr ? bts->SwLevel().Level() : 0;
    CConfigTransfer transfer(site, context);
    transfer.Download(passive);
    if (passive) {
        return CConfigTransfer::TransferStatus(CConfigTransfer::kStepPassive) > 0;
    }
    return CConfigTransfer::TransferStatus(CConfigTransfer::kStepFirst) > 0 &&
           CConfigTransfer::TransferStatus(CConfigTransfer::kStepSecond) > 0;
}

void CHubDocumentLink::SetMaxSpeed(int index) {
    m_hub.SetMaxSpeed(index);
}

void CHubDocumentLink::FetchPart(CSiteKODA& site, int step, CHWInfoFile* btsPassive) {
    STransferContext context;
    context.commands = &CMMIServ::Instance().Commands();
    context.btsPassive = btsPassive;
    CConfigTransfer transfer(site, context);
    switch (step) {
    case CConfigTransfer::kStepFirst:
        // Both files at once: the first file's attenuations and MHA types are only finished
        // once the second has given the combiners, so a first file read alone would leave the
        // BTS's antennas with their transfer classes for values.
        transfer.Fetch(false);
        break;
    case CConfigTransfer::kStepSecond:
        transfer.FetchSecondFile();
        break;
    case CConfigTransfer::kStepPassive:
        transfer.FetchPassiveUnits();
        break;
    default:
        break;
    }
}

void CHubDocumentLink::ResetObjects() {
    CMMIServ::Instance().Objects().Clear();
}

void CHubDocumentLink::ParseUplink(const unsigned char* bytes, size_t length) {
    CUpLinkMessageParser::Instance().Parse(std::span<const uint8_t>(bytes, length));
}

int CHubDocumentLink::BcfState() const {
    const CObjectData* bcf = CMMIServ::Instance().Objects().FirstOfClass(objects::kClassBcf);
    return bcf != nullptr ? bcf->state : -1;
}

int CHubDocumentLink::SendCrossConnectionTable(std::span<const int> trxOfHalf) {
    return IsLinkUp() ? CMMIServ::Instance().Commands().SendCrossConnectionTable(trxOfHalf) : -1;
}

int CHubDocumentLink::RequestAutodetect() {
    return IsLinkUp() ? CMMIServ::Instance().Commands().RequestAutodetect() : -1;
}

bool CHubDocumentLink::FetchPassive(CSiteKODA& site, CHWInfoFile& table) {
    STransferContext context;
    context.commands = &CMMIServ::Instance().Commands();
    context.btsPassive = &table;
    CConfigTransfer transfer(site, context);
    transfer.FetchPassiveUnits();
    return CConfigTransfer::TransferStatus(CConfigTransfer::kStepPassive) > 0;
}

bool CHubDocumentLink::SendPassive(CSiteKODA& site, CHWInfoFile& table) {
    STransferContext context;
    context.commands = &CMMIServ::Instance().Commands();
    context.candidatePassive = &table;
    CConfigTransfer transfer(site, context);
    transfer.SendPassiveUnits();
    return CConfigTransfer::TransferStatus(CConfigTransfer::kStepPassive) > 0;
}
