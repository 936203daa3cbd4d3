// The BTS information status message: sectors and their TRXs, frequencies, BSC time,
// signalling, the BCF's oscillator and texts, and background software download.

#include "comms/ElementCodec.h"
#include "comms/HwScenario.h"
#include "comms/MMIServ.h"
#include "comms/ObjectMaps.h"
#include "comms/UpLinkMessageParser.h"

#include <ctime>

namespace {

constexpr int kMessageBts = 3055;
constexpr int kTrxCount = 12;

uint32_t Le32(std::span<const uint8_t> v, size_t at) {
    return static_cast<uint32_t>(v[at]) | static_cast<uint32_t>(v[at + 1]) << 8 |
           static_cast<uint32_t>(v[at + 2]) << 16 | static_cast<uint32_t>(v[at + 3]) << 24;
}

std::string TextAt(std::span<const uint8_t> v, size_t at, size_t length) {
    if (v.size() < at + length) {
        return "Not defined";
    }
    if (v[at] == 0xFF && v[at + 1] == 0xFF) {
        return "Not defined";
    }
    std::string text;
    for (size_t i = 0; i < length && v[at + i] != 0; ++i) {
        text.push_back(static_cast<char>(v[at + i]));
    }
    return text;
}

} // namespace

void CUpLinkMessageParser::InformationStatus(Bytes message) {
    m_server.Host().NotifyMainWindow(kMessageBts, 3, 0);
    CSiteData& store = m_server.Objects();
    size_t offset = 4;
    while (offset < message.size()) {
        const element::SElement e = element::Read(message, offset);
        if (e.size == 0) {
            return;
        }
        const Bytes v = message.subspan(offset + e.valueOffset, e.ValueLength());
        offset += e.size;
        switch (e.tag) {
        case 21:
            if (v.size() >= 2) {
                if (CObjectData* sector = store.Find(objects::kClassSector, v[0])) {
                    CObjectData* bcf = store.FirstOfClass(objects::kClassBcf);
                    sector->parentId = bcf ? bcf->id : 0;
                    sector->number = v[1];
                }
            }
            break;
        case 72:
            Arfn(v);
            break;
        case 80:
            SectorTrxs(v);
            break;
        case 101:
            Hardware101(v);
            break;
        case 116:
            BscTime(v);
            break;
        case 140:
            if (v.size() >= 6) {
                m_server.bcfValue16 = v[0] | (v[1] << 8);
                m_server.bcfValue32 = Le32(v, 2);
            }
            break;
        case 257:
            if (!v.empty()) {
                m_server.omuSignalling = v[0] == 1;
                for (int trx = 0; trx < kTrxCount; ++trx) {
                    const size_t at = static_cast<size_t>(trx) + 1;
                    m_server.trxSignalling[trx] = at < v.size() && v[at] != 0;
                }
            }
            break;
        case 260:
            Oven(v);
            break;
        case 268:
            BcfTexts(v);
            break;
        case 279:
            if (!v.empty()) {
                BackgroundDownload(v[0]);
            }
            break;
        case 118:
        case 287:
        case 291:
            break;
        default:
            return;
        }
    }
}

void CUpLinkMessageParser::Arfn(Bytes value) {
    const element::SElement object = element::Read(value, 0);
    if (object.size == 0 || object.tag != 64) {
        return;
    }
    const element::SElement arfn = element::Read(value, object.size);
    if (arfn.size != 4 || arfn.tag != 10 || object.size + arfn.size != value.size()) {
        return;
    }
    CObjectData* target = ObjectOf(value.subspan(object.valueOffset, object.ValueLength()), false);
    if (target != nullptr) {
        const size_t at = object.size + arfn.valueOffset;
        target->arfn = value[at] | (value[at + 1] << 8);
    }
}

void CUpLinkMessageParser::SectorTrxs(Bytes value) {
    if (value.empty()) {
        return;
    }
    CSiteData& store = m_server.Objects();
    CObjectData* sector = store.FindOrCreate(objects::kClassSector, value[0], 0);
    CObjectData* bcf = store.FirstOfClass(objects::kClassBcf);
    sector->parentId = bcf ? bcf->id : 0;
    if (value.size() >= 2) {
        if (CObjectData* first = store.Find(objects::kClassTrx, value[1])) {
            sector->bandCode = first->bandCode;
        }
    }
    for (size_t i = 1; i < value.size(); ++i) {
        if (CObjectData* trx = store.Find(objects::kClassTrx, value[i])) {
            trx->parentId = sector->id;
        }
    }
}

void CUpLinkMessageParser::Hardware101(Bytes value) {
    int marked = 0;
    int current = 0;
    size_t offset = 0;
    while (offset < value.size()) {
        const element::SElement e = element::Read(value, offset);
        if (e.size == 0) {
            return;
        }
        const Bytes v = value.subspan(offset + e.valueOffset, e.ValueLength());
        offset += e.size;
        if (e.tag == 64) {
            CObjectData* object = ObjectOf(v, false);
            current = object ? object->id : 0;
        } else if (e.tag == 68 && v.size() >= 4) {
            if (v[3] == 2) {
                marked = current;
            } else if (v[3] == 3 && marked != 0) {
                m_server.HwScenario().Start();
            }
        }
    }
}

void CUpLinkMessageParser::BscTime(Bytes v) {
    if (v.size() < 7) {
        return;
    }
    if (v[1] == 0) {
        m_server.bscTime = -1;
        return;
    }
    std::tm when{};
    when.tm_year = v[1] * 256 + v[0] - 1900;
    when.tm_mon = v[2] - 1;
    when.tm_mday = v[3];
    when.tm_hour = v[4];
    when.tm_min = v[5];
    when.tm_sec = v[6];
    when.tm_isdst = -1;
    m_server.bscTime = std::mktime(&when);
    if (m_server.bscTime != -1) {
        m_server.bscTimeOffset =
            static_cast<long long>(m_server.bscTime) - static_cast<long long>(std::time(nullptr));
    }
}

void CUpLinkMessageParser::Oven(Bytes v) {
    CObjectData* bcf = m_server.Objects().FirstOfClass(objects::kClassBcf);
    if (bcf == nullptr || v.size() < 5) {
        return;
    }
    switch (v[4]) {
    case 0:
    case 1:
        bcf->ovenState = v[4];
        bcf->displayStatus = 4;
        break;
    case 2:
        bcf->ovenState = 2;
        bcf->displayStatus = 1;
        break;
    default:
        bcf->ovenState = -1;
        break;
    }
    m_server.Objects().Redraw(*bcf);
}

void CUpLinkMessageParser::BcfTexts(Bytes v) {
    CSiteData& store = m_server.Objects();
    CObjectData* bcf = store.FirstOfClass(objects::kClassBcf);
    if (bcf == nullptr) {
        return;
    }
    bcf->shortText = TextAt(v, 8, 10);
    bcf->longText = TextAt(v, 18, 80);
    if (v.size() >= 8) {
        bcf->value1 = Le32(v, 0);
        bcf->value2 = Le32(v, 4);
        if (CObjectData* transmission = store.Find(objects::kClassTransmission, 1)) {
            transmission->value1 = bcf->value1;
            transmission->value2 = bcf->value2;
        }
    }
}

void CUpLinkMessageParser::BackgroundDownload(int value) {
    if (value != 0 && value != 1 && value != 2) {
        return;
    }
    CSiteData& store = m_server.Objects();
    CObjectData* bcf = store.FirstOfClass(objects::kClassBcf);
    auto change = [&store](CObjectData& object, int from, int to) {
        if (object.state == from) {
            object.state = to;
            store.PushState(object);
        }
    };
    if (value == 1) {
        if (bcf) {
            bcf->backgroundLoading = true;
            change(*bcf, objects::kStateSupervisory, objects::kStateBackgroundLoading);
        }
        return;
    }
    for (int n = 1; n <= kTrxCount; ++n) {
        CObjectData* trx = store.Find(objects::kClassTrx, n);
        if (trx == nullptr || n == m_server.masterTrx) {
            continue;
        }
        trx->backgroundLoading = value == 2;
        if (value == 2) {
            change(*trx, objects::kStateSupervisory, objects::kStateBackgroundLoading);
        } else {
            change(*trx, objects::kStateBackgroundLoading, objects::kStateSupervisory);
        }
    }
    if (bcf) {
        bcf->backgroundLoading = false;
        change(*bcf, objects::kStateBackgroundLoading, objects::kStateSupervisory);
    }
}
