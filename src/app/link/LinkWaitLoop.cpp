#include "app/link/LinkWaitLoop.h"

#include "app/startup/LinkStartup.h"
#include "comms/CommunicationBTS.h"
#include "comms/ConnectParams.h"
#include "comms/MMIServ.h"

#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace {

// The exchange only hands the request to the link thread and waits on its reply signal, so it
// may wait on any thread; the model is touched again only once it has returned.
int RunAside(const std::function<int()>& exchange, const std::function<void()>& waiting) {
    if (waiting) {
        waiting();
    }
    QEventLoop loop;
    int result = 0;
    std::thread aside([&] {
        result = exchange();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // The user can neither start a second exchange nor close the waiting window: input waits.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    aside.join();
    return result;
}

} // namespace

CLinkWaitLoop::CLinkWaitLoop(CMMIServ& server, CCommunicationBTS& hub,
                             std::function<void()> waiting)
    : m_server(server), m_hub(hub) {
    HoldLinkRelay(m_hub, true);
    if (m_hub.GetConnectionKind() == kConnSimulator) {
        // The simulated BTS in this process answers within the call and hands what it reports
        // straight to the document: that must stay on this thread, and there is no wait.
        m_runsAside = false;
        return;
    }
    m_server.SetExchangeRunner(
        [waiting = std::move(waiting)](const std::function<int()>& exchange) {
            return RunAside(exchange, waiting);
        });
}

CLinkWaitLoop::~CLinkWaitLoop() {
    if (m_runsAside) {
        m_server.SetExchangeRunner({});
    }
    HoldLinkRelay(m_hub, false);
}

void CLinkWaitLoop::Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
