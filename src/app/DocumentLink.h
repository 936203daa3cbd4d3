#pragma once
// The BTS link as the document sees it. The program hands it the process-wide hub; tests a
// scripted one.

#include <memory>
#include <string>

class CCommunicationBTS;
class CSiteKODA;
struct SLinkSettings;

class IDocumentLink {
public:
    virtual ~IDocumentLink() = default;
    virtual bool IsLinkUp() const = 0;
    // A link thread is running (up or still polling).
    virtual bool IsLocalLinkActive() const = 0;
    // 0 none, 1 remote, 2 local, 3 simulator.
    virtual int ConnectionKind() const = 0;
    virtual int ComPort() const = 0;
    virtual int BscId() const = 0;
    virtual int BcfId() const = 0;
    virtual std::string SpeedText() const = 0;
    virtual bool Start(int kind, const std::string& target) = 0;
    virtual void Stop() = 0;
    // The BCF state of the configuration currently in BTS allows sending.
    virtual bool SendingEnabled() const = 0;
    // The state of BCF 1 as the BTS last reported it; -1 when it has not.
    virtual int BcfState() const { return -1; }
    // Sends the candidate (or its passive unit information); true when every step was sent.
    virtual bool Send(CSiteKODA& site, bool passive) = 0;
    // Forgets the BTS objects of the last connection.
    virtual void ResetObjects() {}
    // Hands an uplink message to the parser; may throw.
    virtual void ParseUplink(const unsigned char* bytes, size_t length) = 0;
};

// The link of the program: the process-wide hub, the BTS object model and the transfer.
class CHubDocumentLink : public IDocumentLink {
public:
    explicit CHubDocumentLink(CCommunicationBTS& hub);
    bool IsLinkUp() const override;
    int BcfState() const override;
    bool IsLocalLinkActive() const override;
    int ConnectionKind() const override;
    int ComPort() const override;
    int BscId() const override;
    int BcfId() const override;
    std::string SpeedText() const override;
    bool Start(int kind, const std::string& target) override;
    void Stop() override;
    bool SendingEnabled() const override;
    bool Send(CSiteKODA& site, bool passive) override;
    void ResetObjects() override;
    void ParseUplink(const unsigned char* bytes, size_t length) override;

private:
    CCommunicationBTS& m_hub;
};
