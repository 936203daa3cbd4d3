#pragma once
// The BTS link as the document sees it. The program hands it the process-wide hub; tests a
// scripted one.

#include <memory>
#include <span>
#include <string>

class CCommunicationBTS;
class CHWInfoFile;
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
    // Asks the user which remote BTS to connect to, touching no connection; empty when the
    // user cancelled.
    virtual std::string AskRemoteTarget() { return {}; }
    // The running connection is a remote one to the BTS that `target` names.
    virtual bool IsRemoteTarget(const std::string& /*target*/) const { return false; }
    // The BCF state of the configuration currently in BTS allows sending.
    virtual bool SendingEnabled() const = 0;
    // Sends the candidate, or with `passive` the candidate's passive unit information
    // `candidatePassive`; true when every step was sent.
    virtual bool Send(CSiteKODA& site, bool passive, CHWInfoFile& candidatePassive) = 0;
    // Forgets the BTS objects of the last connection.
    virtual void ResetObjects() {}
    // The running link changes its top speed (an index of the speed table).
    virtual void SetMaxSpeed(int /*index*/) {}
    // Fetches one part of the configuration currently in BTS: 1 the first configuration
    // file, 2 the second, 3 the passive unit information (into `btsPassive`).
    virtual void FetchPart(CSiteKODA& /*site*/, int /*step*/, CHWInfoFile* /*btsPassive*/) {}
    // Hands an uplink message to the parser; may throw.
    virtual void ParseUplink(const unsigned char* bytes, size_t length) = 0;

    // The state of BCF 1 in the configuration currently in BTS; -1 when none was reported.
    virtual int BcfState() const { return -1; }
    // The wizard's BTS commands: the BTS's result code, -1 when nothing could be sent.
    virtual int SendCrossConnectionTable(std::span<const int> /*trxOfHalf*/) { return -1; }
    virtual int RequestAutodetect() { return -1; }
    // Passive unit information of the BTS into a table, and a table to the BTS; each logs its
    // own result in the event log.
    virtual bool FetchPassive(CSiteKODA& /*site*/, CHWInfoFile& /*table*/) { return false; }
    virtual bool SendPassive(CSiteKODA& /*site*/, CHWInfoFile& /*table*/) { return false; }
};

// The link of the program: the process-wide hub, the BTS object model and the transfer.
class CHubDocumentLink : public IDocumentLink {
public:
    explicit CHubDocumentLink(CCommunicationBTS& hub);
    bool IsLinkUp() const override;
    bool IsLocalLinkActive() const override;
    int ConnectionKind() const override;
    int ComPort() const override;
    int BscId() const override;
    int BcfId() const override;
    std::string SpeedText() const override;
    bool Start(int kind, const std::string& target) override;
    void Stop() override;
    std::string AskRemoteTarget() override;
    bool IsRemoteTarget(const std::string& target) const override;
    bool SendingEnabled() const override;
    bool Send(CSiteKODA& site, bool passive, CHWInfoFile& candidatePassive) override;
    void ResetObjects() override;
    void SetMaxSpeed(int index) override;
    void FetchPart(CSiteKODA& site, int step, CHWInfoFile* btsPassive) override;
    void ParseUplink(const unsigned char* bytes, size_t length) override;
    int BcfState() const override;
    int SendCrossConnectionTable(std::span<const int> trxOfHalf) override;
    int RequestAutodetect() override;
    bool FetchPassive(CSiteKODA& site, CHWInfoFile& table) override;
    bool SendPassive(CSiteKODA& site, CHWInfoFile& table) override;

private:
    CCommunicationBTS& m_hub;
};
