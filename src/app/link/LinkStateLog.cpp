#include "app/link/LinkStateLog.h"

#include "comms/CommsReport.h"

const char* CLinkStateLog::LineFor(const CCommsReport& report) {
    const char* line = nullptr;
    switch (report.Kind()) {
    case CCommsReport::kNoConnection:
        line = "No Connection to BTS";
        break;
    case CCommsReport::kConnected:
        line = "BTS Connected";
        break;
    case CCommsReport::kStartingRemote:
        line = "Starting Remote Connection";
        break;
    case CCommsReport::kStartingLocal:
        line = "Starting Local Connection";
        break;
    default:
        return nullptr; // information: no state of its own
    }
    if (report.Kind() == m_logged && report.Code() == CCommsReport::kNone) {
        return nullptr;
    }
    m_logged = report.Kind();
    return line;
}
