#pragma once
// The work of a link thread: polls, request chunks, reply assembly, dispatch of what the BTS
// sends, speed changes, the file service and recovery from a failed exchange. It runs on one
// thread only; everything it shares with callers goes through CLinkShared and CLinkRelay.

#include "comms/CommServer.h"
#include "comms/LinkRelay.h"
#include "comms/LinkShared.h"
#include "comms/LinkTimings.h"
#include "comms/MessageAssembler.h"

#include <cstdio>
#include <optional>

class CLinkSession {
public:
    CLinkSession(CLinkShared& shared, CLinkRelay& relay, CCommServer& server,
                 const SLinkTimings& timings);
    ~CLinkSession();

    // "srv" in the system's folder for temporary files.
    static std::string DefaultFilePrefix();

    // Opens the service for the target; a failure is translated into a report.
    bool Open();
    // Disconnects when connected.
    void Close();
    // One turn of the link loop: the pending request when woken, else a poll.
    void Turn();
    bool Connected() const { return m_connected; }

    void SendPending();
    void Poll();

    // Files requested by the BTS are this prefix followed by their name; the first of the
    // names stands in for the wildcard name "********".
    void SetFilePrefix(std::string prefix) { m_filePrefix = std::move(prefix); }
    void SetFileNames(std::vector<std::string> names) { m_fileNames = std::move(names); }

private:
    enum class Step { Request, Poll };
    // Sends one frame and takes in what it brings back; false after a failure (handled).
    bool ExchangeAndTakeIn(const frame::Bytes& out, Step step);
    bool Call(const frame::Bytes& out, frame::Bytes& reply);
    void Dispatch(std::span<const uint8_t> body, bool bothPolls);
    void DispatchLinkStatus(std::span<const uint8_t> body, bool bothPolls);
    void DispatchSpeedAck();
    void MatchOrQueue(std::span<const uint8_t> body, bool unsolicitedOnly);
    // Drains the rest of a reply too large to keep and tells the waiting caller.
    void RefuseOversized(const frame::Bytes& first);
    void HandleError();
    // Queues the report a failed (or, on a retry, any) service result calls for; true when
    // one was queued.
    bool Translate(CommResult result, bool retry);
    void QueueReport(int kind, int code, std::string text = {});
    void MarkLinkUp();
    bool Reconnect();
    void FallBackTo9600();

    // File service.
    void FileRequest(std::span<const uint8_t> body);
    void FileEnd(std::span<const uint8_t> body);
    void FileAck(std::span<const uint8_t> body);
    void PrepareFileFrame();
    void CloseFile();
    void FailFile(int errorCode);
    void FinishFile(int status);

    CLinkShared& m_shared;
    CLinkRelay& m_relay;
    CCommServer& m_server;
    SLinkTimings m_timings;
    std::string m_address;
    bool m_connected = false;
    frame::Bytes m_pollFrame = frame::Poll(false);
    CMessageAssembler m_assembler;
    bool m_previousWasPoll = false;
    std::optional<std::chrono::steady_clock::time_point> m_watchdogStart;

    bool m_fileActive = false;
    bool m_sendDirection = false;
    std::FILE* m_file = nullptr;
    long m_fileSize = 0;
    uint16_t m_sequence = 0;
    frame::Bytes m_fileFrame;
    std::string m_filePrefix = DefaultFilePrefix();
    std::vector<std::string> m_fileNames;
};
