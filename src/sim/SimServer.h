#pragma once
// Serves the simulated BTS to one client at a time, on a TCP port of 127.0.0.1 or on a
// pseudo-terminal, from a thread of its own.

#include "sim/SimBts.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

class CSimServer {
public:
    explicit CSimServer(SSimScenario scenario = {});
    ~CSimServer();
    CSimServer(const CSimServer&) = delete;
    CSimServer& operator=(const CSimServer&) = delete;

    // Binds the address (port 0 picks a free one); false with a message.
    bool ListenTcp(const std::string& host, int port, std::string& error);
    // Opens a pseudo-terminal whose other side is the BTS's serial port.
    bool OpenPty(std::string& error);
    void Start();
    void Stop();

    int Port() const { return m_port; }
    const std::string& PtyPath() const { return m_ptyPath; }
    int ClientsServed() const { return m_clients.load(); }
    int FramesAnswered() const;
    int SpeedCode() const;
    frame::Bytes LastRequest() const;
    // Configuration blocks the BTS took from its clients.
    int BlocksReceived() const;
    void QueueUplink(frame::Bytes message);

private:
    enum class End { Left, Dropped, Stopped };
    void Run();
    void RunTcp();
    void RunPty();
    End Serve(int fd, bool stream);
    // Reads exactly the bytes; a frame that stops half-way for the time is given up.
    int ReadExact(int fd, uint8_t* data, size_t size, int partialTimeoutMs);
    bool WriteAll(int fd, const uint8_t* data, size_t size);
    bool WaitStop(int ms);

    mutable std::mutex m_mutex; // guards the engine
    CSimBts m_bts;
    int m_listenFd = -1;
    int m_masterFd = -1;
    int m_slaveFd = -1;
    int m_stopFd = -1;
    int m_port = 0;
    std::string m_ptyPath;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_clients{0};
    std::thread m_thread;
};
