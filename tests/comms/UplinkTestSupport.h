#pragma once
// A BTS object model on a private hub with a host that records the event log, and builders for
// the uplink messages the tests feed it.

#include "comms/BtsHost.h"
#include "comms/CommunicationBTS.h"
#include "comms/ElementCodec.h"
#include "comms/MMIServ.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace uplinktest {

using Bytes = std::vector<uint8_t>;

class CRecordingHost : public IBtsHost {
public:
    explicit CRecordingHost(CSite* site) : m_site(site) {}
    CSite* Site() override { return m_site; }
    void AddEventLine(const std::string& time, const std::string& text) override {
        lines.push_back(time.empty() ? "  " + text : text);
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ReportProblem(const std::string& text) override { problems.push_back(text); }
    std::vector<std::string> lines;
    std::vector<std::string> messages;
    std::vector<std::string> problems;

private:
    CSite* m_site;
};

inline Bytes Element(int tag, const Bytes& value) {
    Bytes out;
    element::AppendTag(out, tag);
    element::AppendLength(out, value.size());
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

inline Bytes Message(uint8_t type, const std::vector<Bytes>& elements) {
    Bytes out{type, 0, 0, 0};
    for (const auto& e : elements) {
        out.insert(out.end(), e.begin(), e.end());
    }
    return out;
}

inline Bytes Object(int code, int index) {
    return Element(64, {static_cast<uint8_t>(code), 0, static_cast<uint8_t>(index), 0});
}

inline Bytes Status(int code, int index, bool lost, int state) {
    return Element(258, {static_cast<uint8_t>(code), static_cast<uint8_t>(index),
                         static_cast<uint8_t>(lost ? 1 : 0), static_cast<uint8_t>(state)});
}

inline Bytes BtsReported(int btsType = 19) {
    return Message(0x82, {Element(19, {static_cast<uint8_t>(btsType)})});
}

// A report whose equipment list names the BCF, as the first report of a live BTS does.
inline Bytes BtsReportedWithBcf() {
    return Message(0x82, {Element(19, {19}), Element(129, Element(150, {150, 1}))});
}

class UplinkFixture : public ::testing::Test {
protected:
    void SetUp() override { CBtsConfiguration::Drop(); }
    void TearDown() override { CBtsConfiguration::Drop(); }

    CSiteKODA site;
    CRecordingHost host{&site};
    CCommunicationBTS hub;
    CMMIServ server{hub};
    CUpLinkMessageParser parser{server};
    bool hostSet = (server.SetHost(&host), true);

    // A supported BTS that reported its BCF in the state byte.
    void Report(int bcfState = 4) {
        parser.Parse(BtsReportedWithBcf());
        parser.Parse(Message(0xD2, {Status(1, 1, false, bcfState)}));
    }
};

} // namespace uplinktest
