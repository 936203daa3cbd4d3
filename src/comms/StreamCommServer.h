#pragma once
// A communication service over a byte stream (serial line or TCP): frames travel unchanged,
// each delimited by the length byte of its header.

#include "comms/CommServer.h"

#include <atomic>
#include <chrono>
#include <sys/types.h>

class CStreamCommServer : public CCommServer {
public:
    explicit CStreamCommServer(std::chrono::milliseconds exchangeTimeout);
    ~CStreamCommServer() override;

    CommResult Connect(const std::string& target) override;
    void Disconnect() override;
    CommResult Exchange(const std::string& address, const std::vector<uint8_t>& frame,
                        std::vector<uint8_t>& reply) override;
    bool GetLastErrorInfo(long& major, long& minor, unsigned long& location,
                          std::string& reason) override;
    void Interrupt() override;

protected:
    using Clock = std::chrono::steady_clock;

    // Opens the stream for the target and returns its descriptor (non-blocking), or -1 after
    // SetError.
    virtual int Open(const std::string& target) = 0;
    virtual long MajorCode() const = 0;
    // The peer closed the stream.
    virtual void OnClosedByPeer() = 0;

    void SetError(long major, long minor, std::string reason);
    // Waits until the descriptor is ready for the events or the deadline passes; false on
    // time-out or interrupt (the error is set).
    bool WaitReady(int fd, short events, Clock::time_point deadline);
    bool Interrupted() const { return m_interrupted.load(); }

private:
    static ssize_t WriteSome(int fd, const uint8_t* data, size_t size);
    bool WriteAll(const uint8_t* data, size_t size, Clock::time_point deadline);
    bool ReadExact(uint8_t* data, size_t size, Clock::time_point deadline);

    std::chrono::milliseconds m_timeout;
    int m_fd = -1;
    int m_wakeFd = -1;
    std::atomic<bool> m_interrupted{false};
    long m_major = 0;
    long m_minor = 0;
    std::string m_reason;
};
