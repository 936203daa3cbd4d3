#pragma once
// One run of the transfer dialog on the document: the transfer, the configuration summary and
// the dialog's controller, wired to the document's site, passive unit information, event log,
// changed marks and link. The window owns one for as long as it is open.

#include "app/transfer/BTSUpdateFetchDlg.h"
#include "comms/ConfigTransfer.h"
#include "files/ConfigInfoKODA.h"

#include <functional>
#include <memory>
#include <string>

class CBTSConfigurationDoc;
class CMMIServ;

class CDocumentTransfer {
public:
    // `server` is the BTS the link reaches; its objects tell the BCF state. `wait` is the pause
    // between attempts; unset sleeps.
    CDocumentTransfer(CBTSConfigurationDoc& doc, CMMIServ& server, int mode,
                      std::function<void(int)> wait = {});

    CBTSUpdateFetchDlg& Dialog() { return *m_dialog; }
    CConfigInfoKODA& Info() { return *m_info; }
    // Every line the dialog logs, besides the document's event log.
    void SetLogSink(std::function<void(const std::string&)> sink) { m_logSink = std::move(sink); }

private:
    CBTSConfigurationDoc& m_doc;
    std::function<void(const std::string&)> m_logSink;
    std::unique_ptr<CConfigTransfer> m_transfer;
    std::unique_ptr<CConfigInfoKODA> m_info;
    std::unique_ptr<CBTSUpdateFetchDlg> m_dialog;
    STransferContext m_context;
};
