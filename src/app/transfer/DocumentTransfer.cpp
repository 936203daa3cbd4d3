#include "app/transfer/DocumentTransfer.h"

#include "app/document/BTSConfigurationDoc.h"
#include "app/link/DocumentLink.h"
#include "app/settings/UserAccessControl.h"
#include "comms/ConnectParams.h"
#include "comms/MMIServ.h"
#include "comms/ObjectData.h"
#include "comms/ObjectMaps.h"
#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/SiteKODA.h"

CDocumentTransfer::CDocumentTransfer(CBTSConfigurationDoc& doc, CMMIServ& server, int mode,
                                     std::function<void(int)> wait)
    : m_doc(doc) {
    CSiteKODA* site = doc.SiteKODA();
    m_context.wait = std::move(wait);
    m_context.commands = &server.Commands();
    const CDataBase* bts = CBtsConfiguration::Get();
    m_context.btsSwLevel = bts != nullptr ? bts->SwLevel().Level() : 0;
    m_context.candidatePassive = &doc.CandidatePassive();
    m_context.btsPassive = &doc.BtsPassive();
    m_context.clearConfigurationChanged = [&doc] { doc.MarkConfigurationChanged(false); };
    m_context.clearPassiveChanged = [&doc] { doc.MarkPassiveChanged(false); };
    m_context.refreshViews = [&doc] { doc.RefreshViews(); };
    if (site != nullptr) {
        m_transfer = std::make_unique<CConfigTransfer>(*site, m_context);
    }
    m_info = std::make_unique<CConfigInfoKODA>(site);
    m_info->SetBtsConnected(doc.Link().IsLinkUp());
    m_info->SetPassiveUnits(1, &doc.CandidatePassive());
    m_info->SetPassiveUnits(2, &doc.BtsPassive());

    CBTSUpdateFetchDlg::SEnvironment env;
    env.site = site;
    env.transfer = m_transfer.get();
    env.info = m_info.get();
    env.linkUp = [&doc] { return doc.Link().IsLinkUp(); };
    env.bcfState = [&server] {
        const CObjectData* bcf = server.Objects().FirstOfClass(objects::kClassBcf);
        return bcf == nullptr ? -1 : bcf->state;
    };
    env.remote = doc.Link().ConnectionKind() == kConnRemote;
    env.fullControl = doc.AccessLevel() == CUserAccessControl::kFullControl;
    env.selectBtsTab = [&doc] { doc.SelectTab(true); };
    env.candidatePassive = &doc.CandidatePassive();
    env.btsPassive = &doc.BtsPassive();
    env.log = [this](const std::string& line) {
        m_doc.LogEvent(line);
        if (m_logSink) {
            m_logSink(line);
        }
    };
    m_dialog = std::make_unique<CBTSUpdateFetchDlg>(mode, std::move(env));
}
