#include "app/link/ConnectTargetModel.h"

#include "comms/ConnectParams.h"
#include "comms/SobriquetFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Digits only, within the range; an empty text is no number.
bool ParseNumber(const std::string& text, long low, long high, long& value) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return false;
    }
    value = std::stol(text);
    return value >= low && value <= high;
}

// Host names and IPv4 or IPv6 addresses. Commas and "=" would cut the target text into other
// keys, so they can never be part of one.
bool ValidHost(const std::string& host) {
    return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) != 0 || c == '.' || c == '-' || c == '_' || c == ':';
    });
}

} // namespace

CConnectTargetModel::CConnectTargetModel(std::string sobriquetFile)
    : m_file(std::move(sobriquetFile)) {
    std::ifstream in(m_file, std::ios::binary);
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        m_names = sobriquet::Names(text.str());
    }
}

CConnectTargetModel::SResult CConnectTargetModel::Compose() const {
    SResult r;
    if (source == ESource::Sobriquet) {
        const std::string name = Trim(sobriquet);
        if (name.empty()) {
            r.message = "Choose a sobriquet.";
            r.field = EField::Sobriquet;
            return r;
        }
        std::string target;
        if (!sobriquet::Resolve(m_file, name, target, r.message)) {
            r.field = EField::Sobriquet;
            return r;
        }
        r.target = target;
        return r;
    }
    const std::string h = Trim(host);
    if (h.empty()) {
        r.message = "Enter the host name or address of the BTS connection.";
        r.field = EField::Host;
        return r;
    }
    if (!ValidHost(h)) {
        r.message = "The host \"" + h +
                    "\" is not a host name or address: use letters, digits, '.', '-', '_' "
                    "and ':' only.";
        r.field = EField::Host;
        return r;
    }
    long port = 0;
    if (!ParseNumber(Trim(tcpPort), 1, 65535, port)) {
        r.message = "The TCP port must be a whole number from 1 to 65535.";
        r.field = EField::TcpPort;
        return r;
    }
    long bsc = 0;
    long bcf = 0;
    const std::string bscText = Trim(bscId);
    const std::string bcfText = Trim(bcfId);
    // The ids name the BTS to the link and to the lock that keeps a second link from it; left
    // empty they are 0, as in a target text without them.
    if (!bscText.empty() && !ParseNumber(bscText, 0, 65535, bsc)) {
        r.message = "The BSC ID must be a whole number from 0 to 65535.";
        r.field = EField::BscId;
        return r;
    }
    if (!bcfText.empty() && !ParseNumber(bcfText, 0, 65535, bcf)) {
        r.message = "The BCF ID must be a whole number from 0 to 65535.";
        r.field = EField::BcfId;
        return r;
    }
    r.target = "HOST=" + h + ",TCPPORT=" + std::to_string(port);
    if (!bscText.empty()) {
        r.target += ",BSCID=" + std::to_string(bsc);
    }
    if (!bcfText.empty()) {
        r.target += ",BCFID=" + std::to_string(bcf);
    }
    return r;
}

void CConnectTargetModel::FillFrom(const std::string& target) {
    host = CConnectParams::LookupText(target, "HOST");
    tcpPort = CConnectParams::LookupText(target, "TCPPORT");
    bscId = CConnectParams::LookupText(target, "BSCID");
    bcfId = CConnectParams::LookupText(target, "BCFID");
}
