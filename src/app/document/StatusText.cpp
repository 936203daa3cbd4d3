#include "app/document/StatusText.h"

StatusTexts BuildStatusTexts(const StatusInputs& in) {
    std::string status;
    std::string prefix;
    StatusTexts out;
    if (in.reportKind == kReportStartingRemote) {
        status = "Starting Remote Connection";
    } else if (in.reportKind == kReportStartingLocal) {
        status = "Starting Local Connection";
    } else {
        switch (in.connection) {
        case kConnectionNone:
            status = "No connection to BTS ";
            break;
        case kConnectionRemote:
            prefix = "Remote ";
            status = "BSC ID " + std::to_string(in.bscId) + ", BCF ID " + std::to_string(in.bcfId);
            out.pane2 = "LAN";
            out.pane3 = in.accessLevel == 1 ? "Full Control" : "Read Only";
            break;
        case kConnectionLocal:
            status = (in.linkUp ? "BTS Connected at Speed " : "Polling Local Connection: Speed ") +
                     in.speedText;
            out.pane2 = "COM " + std::to_string(in.comPort);
            break;
        case kConnectionSimulator:
            status = "Connected to SIM server";
            out.pane2 = "SIM";
            break;
        }
    }
    const std::string name = in.documentName.empty() ? "Untitled" : in.documentName;
    out.title = name + " - " + prefix + "Cabrion " + status;
    out.pane1 = prefix + status;
    return out;
}
