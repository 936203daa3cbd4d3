#pragma once
// A communication service that answers from a script and keeps what it was sent, for driving
// a link session on the test's own thread.

#include "comms/CommServer.h"
#include "comms/Frame.h"

#include <deque>

class CScriptedServer : public CCommServer {
public:
    CommResult Connect(const std::string& target) override {
        targets.push_back(target);
        return connectOk ? kCommOk : failure;
    }
    void Disconnect() override { ++disconnects; }
    CommResult Exchange(const std::string&, const std::vector<uint8_t>& frame,
                        std::vector<uint8_t>& reply) override {
        sent.push_back(frame);
        if (replies.empty()) {
            reply = frame::Make(0x80, 0x80, 0, frame::Bytes{0xE3, 0, 0, 0, 0x5F, 0x82, 7, 1, 0x20});
            return kCommOk;
        }
        reply = std::move(replies.front());
        replies.pop_front();
        return reply.empty() ? kCommFailed : kCommOk;
    }
    bool GetLastErrorInfo(long& major, long& minor, unsigned long& location,
                          std::string& reason) override {
        major = errMajor;
        minor = errMinor;
        location = 0x1234;
        reason = "scripted failure";
        return errorInfoOk;
    }
    void Interrupt() override {}

    // Queues a message as the frames that carry it.
    void Reply(const frame::Bytes& message) {
        for (auto& f : frame::Split(message)) {
            replies.push_back(std::move(f));
        }
    }

    std::deque<frame::Bytes> replies; // an empty entry makes that exchange fail
    std::vector<frame::Bytes> sent;
    std::vector<std::string> targets;
    bool connectOk = true;
    CommResult failure = kCommFailed;
    bool errorInfoOk = true;
    long errMajor = 0;
    long errMinor = 0;
    int disconnects = 0;
};
