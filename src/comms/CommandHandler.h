#pragma once
// Builds every request the program sends to the BTS, runs it as one blocking exchange and
// checks the reply: acknowledged operations give a result code, fetches give the data.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CMMIServ;

class CCommandHandler {
public:
    // Operation codes of the generic request.
    static constexpr int kOpFirstConfiguration = 0;
    static constexpr int kOpPassiveUnits = 1;
    static constexpr int kOpSecondConfiguration = 3;
    static constexpr int kOpCrossConnection = 4;
    static constexpr int kMaxPassiveUnits = 100;
    static constexpr size_t kPassiveRecordSize = 32;
    static constexpr size_t kCrossConnectionMinimum = 25;
    // Result of an acknowledged operation whose reply was missing or not an acknowledgement.
    static constexpr int kInvalidReply = -1;

    // What became of the last request. Callers tell the user why a transfer failed by it, and
    // ask again only where another try could get another answer.
    enum class EReply {
        Answered,   // acknowledged, or data came
        NoAnswer,   // nothing came back (time-out, link down)
        Empty,      // the BTS holds nothing under that operation
        Refused,    // the BTS answered with a result code other than success
        Unreadable, // an answer that is neither
    };

    explicit CCommandHandler(CMMIServ& server) : m_server(server) {}

    EReply LastReply() const { return m_lastReply; }
    // The BTS's result code when the last request was refused.
    int LastResultCode() const { return m_lastCode; }

    // Acknowledged operations: 0 success, a BTS result code, or -1.
    int SendFirstConfiguration(std::span<const uint8_t> bytes);
    // `records` holds `count` records of 32 bytes; at most 100 are sent.
    int SendPassiveUnits(std::span<const uint8_t> records, int count);
    int SendSecondConfiguration(std::span<const uint8_t> bytes);
    int SendCrossConnection(std::span<const uint8_t> bytes);
    int RequestHardwareInformation();
    // `identity` is a hardware identity as the BTS reported it.
    int RequestHardwareAttributes(std::span<const uint8_t> identity);
    // Base-band numbers of TRX 1 to 12.
    int SendCrossConnectionTable(std::span<const int> bb2Numbers);
    int RequestAutodetect();

    // Fetches: the data, or empty when the BTS gave none.
    std::vector<uint8_t> FetchFirstConfiguration();
    std::vector<uint8_t> FetchPassiveUnits();
    std::vector<uint8_t> FetchSecondConfiguration();
    std::vector<uint8_t> FetchCrossConnection();

    // Request builders (each takes a transaction id).
    static std::vector<uint8_t> BuildGeneric(int operation, const std::vector<uint8_t>* data);
    static std::vector<uint8_t> BuildHardwareInformation();
    static std::vector<uint8_t> BuildHardwareAttributes(std::span<const uint8_t> identity);
    static std::vector<uint8_t> BuildCrossConnectionTable(std::span<const int> bb2Numbers);
    static std::vector<uint8_t> BuildAutodetect();
    static std::vector<uint8_t> BuildPassiveUnitData(std::span<const uint8_t> records, int count);

    // Reply rules: the acknowledgement result (-1 when the reply is none), and the data of a
    // data reply for the operation (empty when it is none).
    static int AcknowledgementResult(std::span<const uint8_t> reply);
    static std::vector<uint8_t> DataOfReply(std::span<const uint8_t> reply, int operation);
    // What a reply to a fetch of the operation says, and the result code of a refusal.
    static EReply FetchReplyKind(std::span<const uint8_t> reply, int operation, int& code);

private:
    int Acknowledged(const std::vector<uint8_t>& request, size_t bufferSize);
    std::vector<uint8_t> Fetch(int operation, size_t bufferSize);
    int SendData(int operation, std::span<const uint8_t> bytes, size_t bufferSize);

    CMMIServ& m_server;
    EReply m_lastReply = EReply::Answered;
    int m_lastCode = 0;
};
