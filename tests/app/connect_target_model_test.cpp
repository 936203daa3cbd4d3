// The "Connect..." dialog without a window: what it makes of what the user typed, and what it
// refuses before anything is started.
#include "app/link/ConnectTargetModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using F = CConnectTargetModel::EField;

CConnectTargetModel Address(const std::string& host, const std::string& port,
                            const std::string& bsc = {}, const std::string& bcf = {}) {
    CConnectTargetModel m("/nonexistent/sobriquets.ini");
    m.host = host;
    m.tcpPort = port;
    m.bscId = bsc;
    m.bcfId = bcf;
    return m;
}

TEST(ConnectTarget, AddressBecomesTheTargetTheLinkReads) {
    EXPECT_EQ(Address(" bts-7.example.net ", "5000", "12", "3").Compose().target,
              "HOST=bts-7.example.net,TCPPORT=5000,BSCID=12,BCFID=3");
    // Ids left empty stay out of the target, as they would in one typed by hand.
    EXPECT_EQ(Address("10.1.2.3", "0080").Compose().target, "HOST=10.1.2.3,TCPPORT=80");
    EXPECT_EQ(Address("::1", "65535", "0").Compose().target, "HOST=::1,TCPPORT=65535,BSCID=0");
}

TEST(ConnectTarget, BadInputIsRefusedWithTheFieldToCorrect) {
    struct Case {
        CConnectTargetModel model;
        F field;
    };
    const Case cases[] = {
        {Address("", "5000"), F::Host},
        {Address("   ", "5000"), F::Host},
        // A comma or "=" would smuggle other keys into the target.
        {Address("a,TCPPORT=1", "5000"), F::Host},
        {Address("a b", "5000"), F::Host},
        {Address("h", ""), F::TcpPort},
        {Address("h", "0"), F::TcpPort},
        {Address("h", "65536"), F::TcpPort},
        {Address("h", "-1"), F::TcpPort},
        {Address("h", "50x"), F::TcpPort},
        {Address("h", "99999999999999999999"), F::TcpPort},
        {Address("h", "5000", "x"), F::BscId},
        {Address("h", "5000", "1", "70000"), F::BcfId},
    };
    for (const Case& c : cases) {
        const auto r = c.model.Compose();
        EXPECT_TRUE(r.target.empty()) << c.model.host << " " << c.model.tcpPort;
        EXPECT_EQ(r.field, c.field) << c.model.host << " " << c.model.tcpPort;
        EXPECT_FALSE(r.message.empty());
    }
    EXPECT_EQ(Address("", "1").Compose().message,
              "Enter the host name or address of the BTS connection.");
    EXPECT_EQ(Address("h", "0").Compose().message,
              "The TCP port must be a whole number from 1 to 65535.");
}

TEST(ConnectTarget, SobriquetsComeFromTheFileAndResolveToTheirText) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("cabrion-connect-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path) << "[Sobriquets]\nnorth=HOST=10.0.0.1,TCPPORT=7000,BSCID=4\nempty=\n";
    CConnectTargetModel m(path.string());
    EXPECT_EQ(m.SobriquetNames(), (std::vector<std::string>{"north"}));
    m.source = CConnectTargetModel::ESource::Sobriquet;
    m.sobriquet = "north";
    EXPECT_EQ(m.Compose().target, "HOST=10.0.0.1,TCPPORT=7000,BSCID=4");
    m.sobriquet = "";
    EXPECT_EQ(m.Compose().field, F::Sobriquet);
    m.sobriquet = "empty";
    const auto r = m.Compose();
    EXPECT_TRUE(r.target.empty());
    EXPECT_EQ(r.message.rfind("Cannot connect to BTS using Sobriquet\n'empty'", 0), 0u);
    std::filesystem::remove(path);

    // Without the file there is nothing to choose, and a name cannot be resolved.
    CConnectTargetModel none("/nonexistent/sobriquets.ini");
    EXPECT_TRUE(none.SobriquetNames().empty());
    none.source = CConnectTargetModel::ESource::Sobriquet;
    none.sobriquet = "north";
    EXPECT_TRUE(none.Compose().target.empty());
}

TEST(ConnectTarget, APreviousTargetFillsTheFields) {
    CConnectTargetModel m("/nonexistent/sobriquets.ini");
    m.FillFrom("HOST=bts1,TCPPORT=5000,BSCID=12,BCFID=3,WP=NEZ9,ADDR=4001");
    EXPECT_EQ(m.host, "bts1");
    EXPECT_EQ(m.tcpPort, "5000");
    EXPECT_EQ(m.bscId, "12");
    EXPECT_EQ(m.bcfId, "3");
    EXPECT_EQ(m.Compose().target, "HOST=bts1,TCPPORT=5000,BSCID=12,BCFID=3");
}

} // namespace
