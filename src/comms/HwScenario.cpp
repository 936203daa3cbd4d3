#include "comms/HwScenario.h"

#include "comms/CommunicationBTS.h"
#include "comms/ElementCodec.h"
#include "comms/MMIServ.h"
#include "model/Unit.h"

#include <ctime>

namespace {

constexpr int kTagIdentity = 91;
constexpr int kTagProductCode = 99;
constexpr int kTagSerialNumber = 100;
constexpr int kTagTypeText = 274;
constexpr int kTagTrxType = 128;
constexpr size_t kTypeTextMax = 10;

bool Understood(int tag) {
    return tag == kTagIdentity || tag == kTagProductCode || tag == kTagSerialNumber ||
           tag == kTagTypeText || tag == kTagTrxType;
}

bool Skipped(int tag) {
    switch (tag) {
    case 38:
    case 82:
    case 90:
    case 105:
    case 107:
    case 129:
    case 292:
        return true;
    default:
        return false;
    }
}

} // namespace

CHwScenario::CHwScenario(CMMIServ& server)
    : m_server(server), m_clock([] { return static_cast<int64_t>(std::time(nullptr)); }) {}

void CHwScenario::Start() {
    m_startTime = m_clock();
    m_state = kStarted;
    m_pending.clear();
}

void CHwScenario::Stop() {
    m_startTime = m_clock();
    m_state = kIdle;
    m_pending.clear();
}

bool CHwScenario::Connected() const {
    return m_server.Hub().IsLinkUp() != 0;
}

void CHwScenario::Fail(const char* text) {
    m_state = kIdle;
    m_server.Host().ReportProblem(text);
}

int CHwScenario::Tick() {
    if (!Connected()) {
        m_state = kIdle;
    }
    switch (m_state) {
    case kStarted:
        if (m_clock() - m_startTime > kStartDelaySeconds) {
            m_state = kAskIdentifiers;
        }
        break;
    case kAskIdentifiers:
        m_state = kCollecting;
        m_pending.clear();
        if (m_server.Commands().RequestHardwareInformation() != 0) {
            Fail("Failed to request BTS HW identifiers from the BTS.");
        }
        break;
    case kAskAttributes: {
        if (m_pending.empty()) {
            Stop();
            return 0;
        }
        std::unique_ptr<CHwUnitIdentity> identity = std::move(m_pending.front());
        m_pending.pop_front();
        m_state = kWaitAttributes;
        if (m_server.Commands().RequestHardwareAttributes(identity->Bytes()) != 0) {
            Fail("Failed to request BTS HW attributes from the BTS.");
        }
        // Counted from the acknowledgement: the request itself may block for a while.
        m_askedTime = m_clock();
        break;
    }
    case kWaitAttributes:
        if (m_clock() - m_askedTime > kAttributeAnswerTimeoutSeconds) {
            m_state = kAskAttributes;
        }
        break;
    default:
        break;
    }
    return m_state == kIdle ? 0 : 1;
}

std::string CHwScenario::StripLeadingZeros(std::span<const uint8_t> text) {
    size_t start = 0;
    while (start < text.size() && text[start] == '0') {
        ++start;
    }
    return {text.begin() + static_cast<long>(start), text.end()};
}

void CHwScenario::HandleReply(std::span<const uint8_t> message) {
    if (m_state == kIdle || m_state == kStarted) {
        return;
    }
    std::unique_ptr<CHwUnitIdentity> identity;
    int objectClass = -1;
    std::string attributes[3];
    for (size_t offset = 4; offset < message.size();) {
        const element::SElement e = element::Read(message, offset);
        // An element that cannot be read ends the walk like an unknown one: a garbled answer is
        // dropped whole, and the scenario moves on instead of waiting for an answer that came.
        if (e.size == 0 || (!Understood(e.tag) && !Skipped(e.tag))) {
            if (m_state == kWaitAttributes) {
                m_state = kAskAttributes;
                return;
            }
            break;
        }
        const auto value = message.subspan(offset + e.valueOffset, e.ValueLength());
        if (e.tag == kTagIdentity) {
            auto made = std::make_unique<CHwUnitIdentity>(message.subspan(offset, e.size));
            if (m_state == kCollecting) {
                m_pending.push_back(std::move(made));
            } else {
                identity = std::move(made);
            }
        } else if (e.tag == kTagProductCode) {
            attributes[2] = StripLeadingZeros(value);
        } else if (e.tag == kTagSerialNumber) {
            attributes[1] = StripLeadingZeros(value);
        } else if (e.tag == kTagTypeText) {
            if (!value.empty()) {
                objectClass = value[0] == 255 ? -1 : value[0];
                const auto text = value.subspan(1, std::min(value.size() - 1, kTypeTextMax));
                attributes[0].assign(text.begin(), text.end());
            }
        } else if (e.tag == kTagTrxType) {
            if (m_trxType) {
                m_trxType(message.subspan(offset, e.size));
            }
        }
        offset += e.size;
    }
    if (m_state == kCollecting) {
        m_state = kAskAttributes;
        return;
    }
    if (m_state != kWaitAttributes || !identity) {
        return;
    }
    if (objectClass != -1 && objectClass != 0) {
        CSiteData& objects = m_server.Objects();
        if (CObjectData* object = objects.Find(objectClass, identity->UnitIndex())) {
            object->typeText = attributes[0];
            object->serialNumber = attributes[1];
            object->productCode = attributes[2];
            if (CUnit* unit = objects.LinkedUnit(*object)) {
                unit->SetReportedTypeText(object->typeText);
            }
        }
    }
    m_state = kAskAttributes;
}
