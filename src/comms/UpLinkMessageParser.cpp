#include "comms/UpLinkMessageParser.h"

#include "comms/CommunicationBTS.h"
#include "comms/ElementCodec.h"
#include "comms/HwScenario.h"
#include "comms/MMIServ.h"
#include "comms/ObjectMaps.h"
#include "comms/Protocol.h"
#include "model/Strings.h"
#include "model/Unit.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

using namespace protocol;

constexpr int kMessageBts = 3055;
constexpr int kRedrawActiveView = 14;
constexpr int kStrBtsReported = 64079;
constexpr int kStrStateChanged = 64080;
constexpr int kStrStateOf = 64022;

std::string Text(int id) {
    return std::string(LoadString(id));
}

int BandBits(int type) {
    switch (type) {
    case 17:
        return 1;
    case 18:
        return 2;
    case 19:
        return 4;
    case 22:
        return 8;
    default:
        return 0;
    }
}

// Walks the elements of `bytes` from `offset`; the visitor returns false to end the walk. An
// unreadable element ends it too.
template <class Visit> void Walk(std::span<const uint8_t> bytes, size_t offset, Visit visit) {
    while (offset < bytes.size()) {
        const element::SElement e = element::Read(bytes, offset);
        if (e.size == 0) {
            return;
        }
        if (!visit(e.tag, bytes.subspan(offset + e.valueOffset, e.ValueLength()),
                   bytes.subspan(offset, e.size))) {
            return;
        }
        offset += e.size;
    }
}

uint32_t Le32(std::span<const uint8_t> v, size_t at) {
    return static_cast<uint32_t>(v[at]) | static_cast<uint32_t>(v[at + 1]) << 8 |
           static_cast<uint32_t>(v[at + 2]) << 16 | static_cast<uint32_t>(v[at + 3]) << 24;
}

} // namespace

CUpLinkMessageParser& CUpLinkMessageParser::Instance() {
    static CUpLinkMessageParser instance(CMMIServ::Instance());
    return instance;
}

CUpLinkMessageParser::CUpLinkMessageParser(CMMIServ& server) : m_server(server) {
    m_server.HwScenario().SetTrxTypeHandler([this](Bytes element) { HandleTrxType(element); });
}

void CUpLinkMessageParser::Parse(std::span<const uint8_t> bytes) {
    const std::vector<uint8_t> copy(bytes.begin(), bytes.end());
    const Bytes message(copy);
    if (message.size() < 4) {
        return;
    }
    const uint8_t type = message[0];
    if (type != kTypeBtsReported &&
        (!m_server.Supported() || m_server.Objects().FirstOfClass(objects::kClassBcf) == nullptr)) {
        return;
    }
    switch (type) {
    case kTypeBtsReported:
        BtsReported(message);
        break;
    case kTypeInformation:
        InformationStatus(message);
        break;
    case kTypeDeviceStatus:
        DeviceStatus(message);
        break;
    case kTypeAlarm:
        Alarm(message);
        break;
    case kTypeTrace:
        GenericTrace(message);
        break;
    case kTypeHardwareIdentities:
        m_server.HwScenario().HandleReply(message);
        break;
    default:
        // Diagnostic reports, fan test answers and the rest change nothing here.
        break;
    }
}

CObjectData* CUpLinkMessageParser::ObjectOf(Bytes v, bool create) {
    if (v.size() < 4) {
        return nullptr;
    }
    const int code = v[0] == 0x5F ? v[1] : v[0];
    const int index = v[2];
    if (index == 0) {
        return nullptr;
    }
    const int cls = objects::ClassOfCode(code);
    CSiteData& store = m_server.Objects();
    return create ? store.FindOrCreate(cls, index, v[3]) : store.Find(cls, index, v[3]);
}

void CUpLinkMessageParser::SetState(CObjectData& object, int state) {
    if (state == objects::kStateSupervisory && object.backgroundLoading) {
        state = objects::kStateBackgroundLoading;
    }
    object.state = state;
    m_server.Objects().PushState(object);
}

void CUpLinkMessageParser::BtsReported(Bytes message) {
    IBtsHost& host = m_server.Host();
    m_server.LogEvent(Text(kStrBtsReported));
    host.NotifyMainWindow(kMessageBts, 1, 0);
    CSiteData& store = m_server.Objects();
    if (store.FirstOfClass(objects::kClassMarker) != nullptr) {
        m_server.LogContinuation("Message rejected because it has already been received");
        return;
    }
    store.Create(objects::kClassMarker, 0);
    Walk(message, 4, [&](int tag, Bytes value, Bytes element) {
        switch (tag) {
        case 19:
            if (!value.empty()) {
                BtsType(value[0]);
            }
            break;
        case 128:
            if (m_server.Supported()) {
                HandleTrxType(element);
            }
            break;
        case 129:
            if (m_server.Supported()) {
                EquipmentList(element);
            }
            break;
        case 285:
            if (m_server.Supported() && value.size() >= 8) {
                m_server.value285a = Le32(value, 0);
                m_server.value285b = Le32(value, 4);
            }
            break;
        case 298:
            if (!value.empty()) {
                Variant(value[0]);
            }
            break;
        default:
            break;
        }
        return true;
    });
    if (m_server.Supported()) {
        store.FindOrCreate(objects::kClassBtsReported, 1, 0);
    }
    if (m_server.familyMode >= 1 && m_server.familyMode <= 3) {
        m_server.HwScenario().Start();
    }
    host.RefreshViews(kRedrawActiveView);
}

void CUpLinkMessageParser::BtsType(int code) {
    if (code == 17 || code == 18 || code == 19 || code == 20 || code == 22) {
        m_server.familyMode = CMMIServ::kFamilyOrvik;
        m_server.unsupported = false;
        m_server.Host().EnsureBtsSite();
        return;
    }
    m_server.Host().ShowMessage(kUnsupportedText);
    m_server.unsupported = true;
    m_server.Hub().StopConnection();
}

void CUpLinkMessageParser::HandleTrxType(Bytes element) {
    const element::SElement header = element::Read(element, 0);
    if (header.size == 0) {
        return;
    }
    int type = -1;
    int byte = 0;
    bool flag = false;
    CObjectData* object = nullptr;
    Walk(element.first(header.size), header.valueOffset, [&](int tag, Bytes value, Bytes) {
        switch (tag) {
        case 19:
            type = value.empty() ? type : value[0];
            return true;
        case 64:
            object = ObjectOf(value, true);
            return true;
        case 255:
            byte = value.empty() ? byte : value[0];
            return true;
        case 288:
            flag = !value.empty() && value[0] == 1;
            return true;
        case 15:
        case 151:
            return true;
        default:
            return false;
        }
    });
    if (object == nullptr || object->objectClass != objects::kClassTrx) {
        return;
    }
    if (type == 20) {
        CSiteData& store = m_server.Objects();
        store.Redraw(*object);
        store.Remove(object);
        return;
    }
    object->bandCode = type;
    m_server.Host().AddBtsBand(BandBits(type));
    if (CUnit* unit = m_server.Objects().LinkedUnit(*object)) {
        unit->SetEdge(flag);
        // An EDGE transceiver keeps no non-EDGE type: the candidate names it by its EDGE type,
        // and the read-back would otherwise never compare the same as what was sent.
        if (flag && unit->Kind() == kUnitKindTrx && BandBits(type) != 0) {
            unit->AdaptToBand(BandBits(type));
        }
    }
    object->trxByte = byte;
}

void CUpLinkMessageParser::EquipmentList(Bytes element) {
    const element::SElement header = element::Read(element, 0);
    CSiteData& store = m_server.Objects();
    Walk(element.first(header.size), header.valueOffset, [&](int tag, Bytes value, Bytes inner) {
        switch (tag) {
        case 149:
            if (value.size() >= 2) {
                store.FindOrCreate(objects::kClassSite, value[1], 0);
            }
            return true;
        case 150: {
            if (m_server.familyMode == 2 || value.size() < 2) {
                return true;
            }
            const int cls = objects::ClassOfCode(value[0]);
            const int index = cls == 22 ? value[1] % 10 : value[1];
            CObjectData* object = store.FindOrCreate(cls, index, 0);
            if (cls == objects::kClassPaired) {
                object->halfStatus[index % 2 == 1 ? 0 : 1] = 0;
            } else if (cls == objects::kClassTransmission) {
                int typeCode = value[0];
                switch (value[0]) {
                case 200:
                    typeCode = 1101;
                    break;
                case 202:
                    typeCode = 908;
                    break;
                case 203:
                    typeCode = 1100;
                    break;
                case 204:
                    typeCode = 1105;
                    break;
                case 205:
                    typeCode = 1106;
                    break;
                default:
                    break;
                }
                object->unitTypeCode = typeCode;
                if (CUnit* unit = store.LinkedUnit(*object)) {
                    unit->SetType(typeCode);
                }
            }
            return true;
        }
        case 154:
            if (!value.empty()) {
                m_server.masterTrx = value[0];
            }
            return true;
        case 264:
            for (size_t i = 0; i < m_server.btsInformation.size() && i < inner.size(); ++i) {
                m_server.btsInformation[i] = inner[i];
            }
            return true;
        case 135:
        case 153:
        case 269:
            return true;
        default:
            return false;
        }
    });
}

void CUpLinkMessageParser::Variant(int value) {
    if (value >= 200 && value <= 206) {
        m_server.variant = value - 200;
        m_server.edge = value == 204 || value == 205;
        m_server.Host().StoreBtsVariant(m_server.edge ? m_server.variant - 4 : m_server.variant,
                                        m_server.edge);
    } else {
        m_server.variant = 0;
        m_server.edge = false;
    }
}

void CUpLinkMessageParser::DeviceStatus(Bytes message) {
    CSiteData& store = m_server.Objects();
    bool logged = false;
    Walk(message, 4, [&](int tag, Bytes v, Bytes) {
        if (tag != 258) {
            return false;
        }
        if (v.size() < 4) {
            return true;
        }
        int cls = objects::ClassOfCode(v[0]);
        int index = v[1];
        if (cls == objects::kClassBcf || (cls == objects::kClassTrx && index == 0)) {
            cls = objects::kClassBcf;
            index = 1;
        }
        const bool lost = v[2] == 1;
        const int stateByte = v[3];
        const int half = index % 2 == 1 ? 0 : 1;
        std::string text;
        if (lost) {
            CObjectData* object = store.Find(cls, index);
            if (object == nullptr) {
                return true;
            }
            if (cls == objects::kClassPaired) {
                object->halfStatus[half] = 3;
                object->halfPresent[half] = false;
                object->state = -1;
                if (object->halfPresent[1 - half]) {
                    store.Redraw(*object);
                    return true;
                }
            }
            text = object->name + " lost";
            store.Redraw(*object);
            store.Remove(object);
            m_server.Host().RefreshViews(kRedrawActiveView);
        } else {
            bool created = false;
            CObjectData* object = store.FindOrCreate(cls, index, 0, &created);
            if (created) {
                m_server.HwScenario().Start();
            }
            if (cls == objects::kClassPaired) {
                object->halfPresent[half] = true;
                object->halfStatus[half] = stateByte == 0x10 || stateByte == 0x30 ? 3 : 1;
            }
            if (cls == objects::kClassTrx && object->pendingParent) {
                if (CObjectData* site = store.FirstOfClass(objects::kClassSite)) {
                    object->parentId = site->id;
                    object->pendingParent = false;
                }
            }
            int state = -1;
            int display = -1;
            const bool hasState = objects::MapState(cls, stateByte, state, display);
            object->exists = true;
            if (!hasState) {
                if (created) {
                    text = object->name + " found";
                }
            } else {
                if (state == objects::kStateSupervisory && object->backgroundLoading) {
                    state = objects::kStateBackgroundLoading;
                }
                if (cls != objects::kClassTransmission) {
                    const int fromState = objects::DisplayStatusOfState(state);
                    if (display >= 0) {
                        object->displayStatus = display;
                    } else if (fromState >= 0) {
                        object->displayStatus = fromState;
                    }
                }
                char line[256];
                std::snprintf(line, sizeof line, Text(kStrStateOf).c_str(), object->name.c_str());
                const std::string stateLine = line + objects::StateText(state);
                object->state = state;
                store.PushState(*object);
                if (cls == objects::kClassBcf) {
                    text = stateLine;
                    // Whoever waits for the BCF (the wizard's BTS Connection page) hears of
                    // its new state; it comes after the BTS's information, which was news too.
                    m_server.Host().NotifyMainWindow(kMessageBts, 2, 0);
                }
            }
        }
        if (!text.empty()) {
            if (!logged) {
                m_server.LogEvent(Text(kStrStateChanged));
                logged = true;
            }
            m_server.LogContinuation(text);
        }
        return true;
    });
}

void CUpLinkMessageParser::Alarm(Bytes message) {
    int number = 0;
    int severity = -1;
    int byte = 0;
    CObjectData* object = nullptr;
    Walk(message, 4, [&](int tag, Bytes v, Bytes) {
        switch (tag) {
        case 50:
            if (v.size() >= 4) {
                number = v[1] | (v[2] << 8);
                severity = v[3];
            }
            return true;
        case 64:
            object = ObjectOf(v, false);
            return true;
        case 75:
            byte = v.empty() ? byte : v[0];
            return true;
        case 68:
        case 81:
        case 116:
        case 123:
        case 131:
        case 148:
            return true;
        default:
            return false;
        }
    });
    if (object == nullptr) {
        return;
    }
    constexpr int kAlarm7208 = 0x7208;
    if (severity == 0) {
        object->alarm = 0;
        if (number == kAlarm7208) {
            object->alarm7208 = false;
        }
    } else if (severity != 2) {
        object->alarm = byte == 1 ? 2 : (byte >= 2 && byte <= 4 ? 1 : 0);
        if (number == kAlarm7208) {
            object->alarm7208 = true;
        }
    }
    m_server.Objects().Redraw(*object);
}

void CUpLinkMessageParser::GenericTrace(Bytes message) {
    const element::SElement first = element::Read(message, 4);
    if (first.size == 0 || first.tag != 94) {
        return;
    }
    const size_t at = 4 + first.size;
    const element::SElement body = element::Read(message, at);
    if (body.size == 0 || body.tag != 259) {
        return;
    }
    const Bytes value = message.subspan(at + body.valueOffset, body.ValueLength());
    if (value.size() <= 8) {
        return;
    }
    constexpr size_t kRecord = 14;
    if (value[8] == 119) {
        // Records follow the 15 bytes of the trace header.
        for (size_t offset = 15; offset + kRecord <= value.size(); offset += kRecord) {
            std::array<uint8_t, kRecord> record{};
            std::copy_n(value.begin() + static_cast<long>(offset), kRecord, record.begin());
            m_server.timeStampedRecords.push_back(record);
        }
    } else if (value[8] == 122 && value.size() >= 9 + m_server.traceBytes.size()) {
        std::copy_n(value.begin() + 9, m_server.traceBytes.size(), m_server.traceBytes.begin());
    }
}
