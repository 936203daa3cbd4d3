#pragma once
// Keeps the event loop of the window program going while a transfer waits for the BTS: the
// link thread does the waiting on a helper thread, windows keep painting, and what the link
// reports in between waits until the exchange has returned. Installed for the length of one
// send or fetch.

#include <functional>

class CCommunicationBTS;
class CMMIServ;

class CLinkWaitLoop {
public:
    // `waiting` runs each time an exchange starts to wait, for the window to show where the
    // flow is.
    CLinkWaitLoop(CMMIServ& server, CCommunicationBTS& hub, std::function<void()> waiting = {});
    ~CLinkWaitLoop();
    CLinkWaitLoop(const CLinkWaitLoop&) = delete;
    CLinkWaitLoop& operator=(const CLinkWaitLoop&) = delete;

    // The pause between attempts, spent in the event loop rather than asleep.
    static void Wait(int ms);

private:
    CMMIServ& m_server;
    CCommunicationBTS& m_hub;
    bool m_runsAside = true;
};
