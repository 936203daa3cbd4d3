#pragma once
// What start-up uses in the running program to reach a BTS: the link of the process and the
// sobriquet file. Tests of start-up put scripted ones in their place.

#include "app/startup/StartupSeams.h"
#include "platform/SobriquetResolver.h"

#include <string>

class CCommunicationBTS;

// Starts and stops the process's BTS link with the connection settings of the moment.
class CLinkConnectionStarter : public IConnectionStarter {
public:
    explicit CLinkConnectionStarter(CCommunicationBTS& hub) : m_hub(hub) {}
    void StartConnection(ConnectionKind kind, const std::string& target) override;
    void StopConnection() override;

private:
    CCommunicationBTS& m_hub;
};

// Looks sobriquets up in the sobriquet file.
class CSobriquetFileResolver : public ISobriquetResolver {
public:
    // Empty: $CABRION_SOBRIQUETS, else the file in the user's configuration folder.
    explicit CSobriquetFileResolver(std::string path = {});
    SobriquetResult Resolve(const std::string& sobriquet) override;

private:
    std::string m_path;
};

// Hands what the link queues to its clients on the thread that runs the Qt event loop.
void RelayLinkThroughEventLoop(CCommunicationBTS& hub);
// Undoes that before the event loop goes away.
void StopRelayingLink(CCommunicationBTS& hub);
// While held, what the link queues waits for the release: an exchange that keeps the event loop
// going must not see its link stopped, or the BTS objects emptied, by a report in between.
void HoldLinkRelay(CCommunicationBTS& hub, bool hold);
