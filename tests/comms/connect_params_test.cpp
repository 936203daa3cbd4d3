#include "comms/ConnectParams.h"
#include "comms/SobriquetFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

TEST(ConnectParams, LocalTargetIsRebuiltFromTheTemplate) {
    CConnectParams p(1, 5);
    EXPECT_EQ(p.GetSpeedCode(), 115);
    p.SetTarget("WP=COM,PORT=3,SPEED=57600");
    EXPECT_EQ(p.GetKind(), kConnLocal);
    EXPECT_EQ(p.GetComPort(), 3);
    EXPECT_EQ(p.GetSpeedCode(), 9);
    EXPECT_EQ(p.GetTarget(), "WP=COM,PORT=3,SPEED=9600,FLOW=NONE,RETRY=5,TIME=1000,WP=NEZ9,"
                             "ADDR=4001,RETRY=5,TIME=1000,wp=fe,id=0,ch=9,ipd=0,RETRY=5,TIME=1000");
    EXPECT_EQ(std::string(CConnectParams::kLocalTemplate).size(), 125u);
    p.SetSpeedCode(115);
    EXPECT_NE(p.GetTarget().find("SPEED=115200,"), std::string::npos);
    EXPECT_EQ(p.GetSpeedText(), "115200");
    // A speed change in progress is written as the line's fallback speed.
    p.SetSpeedCode(-1);
    EXPECT_NE(p.GetTarget().find("SPEED=9600,"), std::string::npos);
}

TEST(ConnectParams, RemoteTargetGetsTheMmiAddress) {
    CConnectParams p;
    p.SetTarget("HOST=10.0.0.1,BSCID=12,BCFID=3,WP=NEZ9,ADDR=12");
    EXPECT_EQ(p.GetKind(), kConnRemote);
    EXPECT_EQ(p.GetTarget(), "HOST=10.0.0.1,BSCID=12,BCFID=3,WP=NEZ9,ADDR=4001");
    p.SetTarget("BSCID=7");
    EXPECT_EQ(p.GetTarget(), "BSCID=7,WP=NEZ9,ADDR=4001");
    // Speed changes leave a remote text alone.
    p.SetSpeedCode(115);
    EXPECT_EQ(p.GetTarget(), "BSCID=7,WP=NEZ9,ADDR=4001");
}

TEST(ConnectParams, ValueLookupAndSpeedTables) {
    const std::string t = "BSCID= 12 ,BCFID=3, PORT =  9";
    EXPECT_EQ(CConnectParams::LookupValue(t, "BSCID"), 12);
    EXPECT_EQ(CConnectParams::LookupValue(t, "BCFID"), 3);
    EXPECT_EQ(CConnectParams::LookupValue(t, "PORT"), 9);
    EXPECT_EQ(CConnectParams::LookupValue(t, "MISSING"), 0);
    EXPECT_EQ(CConnectParams::LookupValue("BSCID=", "BSCID"), 0);
    EXPECT_EQ(CConnectParams::LookupValue("BSCID=x", "BSCID"), 0);
    EXPECT_EQ(CConnectParams::LookupText("HOST=127.0.0.1,TCPPORT=5", "HOST"), "127.0.0.1");

    EXPECT_EQ(CConnectParams::SpeedCodeOfIndex(3), 38);
    EXPECT_EQ(CConnectParams::SpeedCodeOfIndex(0), 9);
    EXPECT_EQ(CConnectParams::SpeedCodeOfIndex(6), 9);
    EXPECT_EQ(CConnectParams::SpeedTextOfCode(57), "57600");
    EXPECT_EQ(CConnectParams::SpeedTextOfCode(42), "9600");
    EXPECT_EQ(CConnectParams::BaudOfCode(19), 19200);

    CConnectParams p(2, 4);
    const auto block = p.SimulatorBlock();
    EXPECT_EQ(block[0], 2);
    EXPECT_EQ(block[4], 0);
    EXPECT_EQ(block[8], 4);
}

TEST(ConnectParams, LockNamesFollowTheTarget) {
    CConnectParams remote;
    remote.SetTarget("BSCID=12,BCFID=3");
    EXPECT_EQ(remote.RemoteLockName(), "Global\\OSTREL_REMOTE_CONNECTION_BSC12_BCF3");
    CConnectParams local(2, 1);
    EXPECT_EQ(local.RemoteLockName(), "Global\\OSTREL_REMOTE_CONNECTION_BSC2_BCF");
    // Without BSC and BCF ids only the host and TCP port tell two BTSs apart.
    CConnectParams bare;
    bare.SetTarget("HOST=h");
    EXPECT_EQ(bare.RemoteLockName(), "Global\\OSTREL_REMOTE_CONNECTION_BSC0_BCF0_HOSTh_TCPPORT0");
    CConnectParams first;
    first.SetTarget("HOST=10.0.0.1,TCPPORT=5001");
    CConnectParams second;
    second.SetTarget("HOST=10.0.0.1,TCPPORT=5002");
    EXPECT_NE(first.RemoteLockName(), second.RemoteLockName());
    CConnectParams other;
    other.SetTarget("HOST=10.0.0.2,TCPPORT=5001");
    EXPECT_NE(first.RemoteLockName(), other.RemoteLockName());
    // With them, the name stays what other programs on the machine take for that BTS.
    CConnectParams viaHost;
    viaHost.SetTarget("HOST=10.0.0.1,TCPPORT=5001,BSCID=12,BCFID=3");
    EXPECT_EQ(viaHost.RemoteLockName(), "Global\\OSTREL_REMOTE_CONNECTION_BSC12_BCF3");
}

TEST(ConnectParams, KeysAreLookedUpWhole) {
    EXPECT_EQ(CConnectParams::LookupValue("HOST=h,TCPPORT=5000", "PORT"), 0);
    EXPECT_EQ(CConnectParams::LookupValue("HOST=h,TCPPORT=5000,PORT=3", "PORT"), 3);
    EXPECT_EQ(CConnectParams::LookupValue("XBSCID=4,BSCID=5", "BSCID"), 5);
    EXPECT_EQ(CConnectParams::LookupText("HOSTNAME=a,HOST=b", "HOST"), "b");
    EXPECT_EQ(CConnectParams::LookupText("WP=COM,PORT=2", "WP"), "COM");
    CConnectParams remote;
    remote.SetTarget("HOST=h,TCPPORT=5000");
    EXPECT_EQ(remote.GetPort(), 0);
}

TEST(Sobriquet, NamesResolveToTheirConnectionText) {
    const std::string file =
        "[Sobriquets]\r\n; Oslo sites\r\n  North Mast = HOST=10.1.1.1,BSCID=4 "
        "\r\n#old=HOST=x\r\nempty=\r\nbroken line\r\nsouth=BSCID=5,BCFID=6\r\n";
    std::string target;
    ASSERT_TRUE(sobriquet::Lookup(file, "north mast", target));
    EXPECT_EQ(target, "HOST=10.1.1.1,BSCID=4");
    ASSERT_TRUE(sobriquet::Lookup(file, "SOUTH", target));
    EXPECT_EQ(target, "BSCID=5,BCFID=6");
    EXPECT_FALSE(sobriquet::Lookup(file, "old", target));
    EXPECT_FALSE(sobriquet::Lookup(file, "empty", target));
    EXPECT_FALSE(sobriquet::Lookup(file, "", target));
    // The connection dialog offers exactly the names that resolve, each once.
    EXPECT_EQ(sobriquet::Names(file + "SOUTH=HOST=later\r\n"),
              (std::vector<std::string>{"North Mast", "south"}));

    std::string message;
    EXPECT_FALSE(sobriquet::Resolve("/nonexistent/sobriquets.ini", "south", target, message));
    EXPECT_EQ(message, "Cannot connect to BTS using Sobriquet\n'south'\nbecause the Torvane Relko "
                       "(Relko) software\nis not installed correctly.\n\nReinstall Relko "
                       "software and try again.");
    const auto path = std::filesystem::temp_directory_path() / "cabrion-sobriquets.ini";
    std::ofstream(path) << file;
    ASSERT_TRUE(sobriquet::Resolve(path.string(), "south", target, message));
    EXPECT_EQ(target, "BSCID=5,BCFID=6");
    EXPECT_FALSE(sobriquet::Resolve(path.string(), "west", target, message));
    EXPECT_EQ(message.rfind("Cannot connect to BTS using Sobriquet\n'west'\nbecause the Sobriquet "
                            "was not found in the\n",
                            0),
              0u);
    std::filesystem::remove(path);
}
