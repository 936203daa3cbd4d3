#pragma once
// What the "Connect..." dialog does without a window: the remote BTS given by host, TCP port,
// BSC id and BCF id, or by a sobriquet from the sobriquet file, checked and turned into the
// target text the link starts with. A refusal names the field to correct and starts nothing.

#include <string>
#include <vector>

class CConnectTargetModel {
public:
    enum class ESource { Address, Sobriquet };

    // `sobriquetFile` is read for the names it offers; missing, it offers none.
    explicit CConnectTargetModel(std::string sobriquetFile);

    ESource source = ESource::Address;
    std::string host;
    std::string tcpPort;
    std::string bscId;
    std::string bcfId;
    std::string sobriquet;

    const std::vector<std::string>& SobriquetNames() const { return m_names; }

    // Which field a refusal is about, for the window to put the focus there.
    enum class EField { None, Host, TcpPort, BscId, BcfId, Sobriquet };
    struct SResult {
        std::string target; // empty on refusal
        std::string message;
        EField field = EField::None;
    };
    SResult Compose() const;

    // Fills the fields from a target text the user had before (host, port and ids).
    void FillFrom(const std::string& target);

private:
    std::string m_file;
    std::vector<std::string> m_names;
};
