#include "comms/MMIServ.h"

#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/HwScenario.h"

#include <ctime>

CMMIServ& CMMIServ::Instance() {
    static CMMIServ instance(CCommunicationBTS::Instance());
    return instance;
}

CMMIServ::CMMIServ(CCommunicationBTS& hub)
    : m_hub(hub), m_hwScenario(std::make_unique<CHwScenario>(*this)) {}

void CMMIServ::Reset() {
    m_hwScenario->Stop();
    m_objects.Clear();
    familyMode = kFamilyUnknown;
    unsupported = false;
    btsInformation = {};
    masterTrx = 0;
    variant = 0;
    edge = false;
    bscTime = -1;
    bscTimeOffset = 0;
    omuSignalling = false;
    trxSignalling = {};
    traceBytes = {};
    timeStampedRecords.clear();
    value285a = value285b = 0;
    bcfValue16 = 0;
    bcfValue32 = 0;
}

CMMIServ::~CMMIServ() = default;

void CMMIServ::TakeReport(const CCommsReport& report) {
    if (report.Kind() == CCommsReport::kNoConnection) {
        m_objects.Clear();
    }
}

int CMMIServ::Transact(std::span<const uint8_t> request, std::vector<uint8_t>& reply,
                       size_t bufferSize) {
    // Asked again from inside a runner's event loop on the waiting thread: waiting for the
    // exchange lock there would never end. Other threads queue for the lock as before.
    static thread_local bool waitingHere = false;
    if (waitingHere) {
        reply.clear();
        return 0;
    }
    waitingHere = true;
    m_host->SetWaitCursor(true);
    int result = -1;
    {
        std::lock_guard lock(m_exchangeMutex);
        m_inExchange = true;
        const std::vector<uint8_t> copy(request.begin(), request.end());
        frame::Bytes received;
        auto exchange = [&] { return m_hub.Transact(copy, received); };
        result = m_runner ? m_runner(exchange) : exchange();
        reply.clear();
        if (received.size() <= bufferSize) {
            reply = std::move(received);
        }
        m_inExchange = false;
    }
    waitingHere = false;
    m_host->SetWaitCursor(false);
    return result;
}

void CMMIServ::LogEvent(const std::string& text) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[64] = {};
    std::strftime(stamp, sizeof stamp, "%X", &local);
    m_host->AddEventLine(stamp, text);
}

void CMMIServ::LogContinuation(const std::string& text) {
    m_host->AddEventLine(std::string(), text);
}
