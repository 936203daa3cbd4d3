#include "comms/CommandHandler.h"

#include "comms/BtsHost.h"
#include "comms/ElementCodec.h"
#include "comms/MMIServ.h"
#include "comms/Protocol.h"
#include "comms/TransactionId.h"
#include "model/Strings.h"

#include <algorithm>
#include <string>

namespace {

using namespace protocol;

constexpr size_t kIdentityOffset = 4;
constexpr size_t kIdentityBytes = 23;
constexpr int kTrxCount = 12;
constexpr int kStrRequestingHw = 64001;

std::vector<uint8_t> Header(uint8_t type) {
    const uint16_t id = transaction::Take();
    return {type, 0x00, static_cast<uint8_t>(id & 0xFF), static_cast<uint8_t>(id >> 8)};
}

void AppendByteElement(std::vector<uint8_t>& out, int tag, uint8_t value) {
    element::AppendTag(out, tag);
    element::AppendLength(out, 1);
    out.push_back(value);
}

} // namespace

std::vector<uint8_t> CCommandHandler::BuildGeneric(int operation,
                                                   const std::vector<uint8_t>* data) {
    std::vector<uint8_t> out = Header(kTypeGeneric);
    AppendByteElement(out, kTagNoData, data ? 0 : 1);
    AppendByteElement(out, kTagOperation, static_cast<uint8_t>(operation));
    if (data) {
        element::AppendTag(out, kTagDataLength);
        element::AppendLength(out, data->size());
        out.insert(out.end(), data->begin(), data->end());
    }
    return out;
}

std::vector<uint8_t> CCommandHandler::BuildHardwareInformation() {
    std::vector<uint8_t> out = Header(kTypeHardwareRequest);
    AppendByteElement(out, kTagHardwareRequest, 1);
    return out;
}

std::vector<uint8_t> CCommandHandler::BuildHardwareAttributes(std::span<const uint8_t> identity) {
    std::vector<uint8_t> out = Header(kTypeHardwareRequest);
    AppendByteElement(out, kTagHardwareRequest, 0);
    // The request carries 23 bytes from the identity's fifth byte on, but a 24-byte identity has
    // only 20 of them: the last three go out as zeros rather than whatever lies behind it.
    for (size_t i = 0; i < kIdentityBytes; ++i) {
        const size_t at = kIdentityOffset + i;
        out.push_back(at < identity.size() ? identity[at] : 0);
    }
    return out;
}

std::vector<uint8_t> CCommandHandler::BuildCrossConnectionTable(std::span<const int> bb2Numbers) {
    std::vector<uint8_t> out = Header(kTypeCrossTable);
    element::AppendTag(out, kTagCrossTable);
    element::AppendLength(out, kTrxCount);
    for (int trx = 0; trx < kTrxCount; ++trx) {
        const int bb2 = trx < static_cast<int>(bb2Numbers.size()) ? bb2Numbers[trx] : 0;
        out.push_back(static_cast<uint8_t>(bb2 + 1));
    }
    return out;
}

std::vector<uint8_t> CCommandHandler::BuildAutodetect() {
    return Header(kTypeAutodetect);
}

std::vector<uint8_t> CCommandHandler::BuildPassiveUnitData(std::span<const uint8_t> records,
                                                           int count) {
    // Never more records than the caller handed over, whatever count it claims.
    const int available = static_cast<int>(records.size() / kPassiveRecordSize);
    const int sent = std::clamp(std::min(count, available), 0, kMaxPassiveUnits);
    std::vector<uint8_t> data;
    data.reserve(21 + sent * kPassiveRecordSize);
    data.push_back(static_cast<uint8_t>(sent));
    data.insert(data.end(), 20, 0);
    data.insert(data.end(), records.begin(), records.begin() + sent * kPassiveRecordSize);
    return data;
}

int CCommandHandler::AcknowledgementResult(std::span<const uint8_t> reply) {
    if (reply.size() < 4 || reply[0] != kTypeAck) {
        return kInvalidReply;
    }
    const std::span<const uint8_t> rest = reply.subspan(4);
    if (rest.size() == 4 && rest[3] == 1) {
        return 0;
    }
    // A refusal too short to carry its code still is a refusal, never a success.
    const int value = rest.size() >= 6 ? rest[4] | (rest[5] << 8) : 0;
    return value == 0 ? 99 : value;
}

std::vector<uint8_t> CCommandHandler::DataOfReply(std::span<const uint8_t> reply, int operation) {
    if (reply.size() < 13 || reply[0] != kTypeData || reply[8] != operation) {
        return {};
    }
    size_t start = 13;
    if (reply[12] == 0x81) {
        start = 14;
    } else if (reply[12] == 0x82) {
        start = 15;
    } else if (reply[12] > 0x82) {
        return {};
    }
    if (reply.size() <= start) {
        return {};
    }
    return {reply.begin() + static_cast<long>(start), reply.end()};
}

CCommandHandler::EReply CCommandHandler::FetchReplyKind(std::span<const uint8_t> reply,
                                                        int operation, int& code) {
    code = 0;
    if (reply.empty()) {
        return EReply::NoAnswer;
    }
    if (!DataOfReply(reply, operation).empty()) {
        return EReply::Answered;
    }
    // A data reply for the operation that carries no data: the BTS was never given any.
    if (reply.size() >= 13 && reply[0] == kTypeData && reply[8] == operation &&
        (reply[12] == 0 || (reply[12] == 0x81 && reply.size() >= 14 && reply[13] == 0) ||
         (reply[12] == 0x82 && reply.size() >= 15 && reply[13] == 0 && reply[14] == 0))) {
        return EReply::Empty;
    }
    const int result = AcknowledgementResult(reply);
    if (result == 0) {
        return EReply::Empty;
    }
    if (result > 0) {
        code = result;
        return EReply::Refused;
    }
    return EReply::Unreadable;
}

int CCommandHandler::Acknowledged(const std::vector<uint8_t>& request, size_t bufferSize) {
    std::vector<uint8_t> reply;
    m_server.Transact(request, reply, bufferSize);
    const int result = AcknowledgementResult(reply);
    m_lastCode = result > 0 ? result : 0;
    m_lastReply = reply.empty() ? EReply::NoAnswer
                  : result == 0 ? EReply::Answered
                  : result > 0  ? EReply::Refused
                                : EReply::Unreadable;
    return result;
}

std::vector<uint8_t> CCommandHandler::Fetch(int operation, size_t bufferSize) {
    std::vector<uint8_t> reply;
    m_server.Transact(BuildGeneric(operation, nullptr), reply, bufferSize);
    m_lastReply = FetchReplyKind(reply, operation, m_lastCode);
    return DataOfReply(reply, operation);
}

int CCommandHandler::SendData(int operation, std::span<const uint8_t> bytes, size_t bufferSize) {
    const std::vector<uint8_t> data(bytes.begin(), bytes.end());
    return Acknowledged(BuildGeneric(operation, &data), bufferSize);
}

int CCommandHandler::SendFirstConfiguration(std::span<const uint8_t> bytes) {
    return SendData(kOpFirstConfiguration, bytes, 512);
}

int CCommandHandler::SendPassiveUnits(std::span<const uint8_t> records, int count) {
    return SendData(kOpPassiveUnits, BuildPassiveUnitData(records, count), 512);
}

int CCommandHandler::SendSecondConfiguration(std::span<const uint8_t> bytes) {
    return SendData(kOpSecondConfiguration, bytes, 512);
}

int CCommandHandler::SendCrossConnection(std::span<const uint8_t> bytes) {
    return SendData(kOpCrossConnection, bytes, 256);
}

int CCommandHandler::RequestHardwareInformation() {
    m_server.LogEvent(std::string(LoadString(kStrRequestingHw)));
    return Acknowledged(BuildHardwareInformation(), 4096);
}

int CCommandHandler::RequestHardwareAttributes(std::span<const uint8_t> identity) {
    return Acknowledged(BuildHardwareAttributes(identity), 512);
}

int CCommandHandler::SendCrossConnectionTable(std::span<const int> bb2Numbers) {
    return Acknowledged(BuildCrossConnectionTable(bb2Numbers), 512);
}

int CCommandHandler::RequestAutodetect() {
    return Acknowledged(BuildAutodetect(), 512);
}

std::vector<uint8_t> CCommandHandler::FetchFirstConfiguration() {
    return Fetch(kOpFirstConfiguration, 1024);
}

std::vector<uint8_t> CCommandHandler::FetchPassiveUnits() {
    return Fetch(kOpPassiveUnits, 9216);
}

std::vector<uint8_t> CCommandHandler::FetchSecondConfiguration() {
    return Fetch(kOpSecondConfiguration, 512);
}

std::vector<uint8_t> CCommandHandler::FetchCrossConnection() {
    std::vector<uint8_t> data = Fetch(kOpCrossConnection, 256);
    if (!data.empty() && data.size() < kCrossConnectionMinimum) {
        data.resize(kCrossConnectionMinimum, 0xFF);
    }
    return data;
}
