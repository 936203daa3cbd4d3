#pragma once
// The target text of a BTS connection with its kind, COM port and line speed; the text is
// rebuilt whenever the speed changes so that the service always gets the current speed.

#include <array>
#include <cstdint>
#include <string>

enum EConnectionKind { kConnNone = 0, kConnRemote = 1, kConnLocal = 2, kConnSimulator = 3 };

class CConnectParams {
public:
    static constexpr const char* kLocalTemplate =
        "WP=COM,PORT=%i,SPEED=%s,FLOW=NONE,RETRY=5,TIME=1000,WP=NEZ9,ADDR=%i,RETRY=5,TIME=1000,"
        "wp=fe,id=0,ch=9,ipd=0,RETRY=5,TIME=1000";
    static constexpr int kMmiAddress = 4001;

    // comPort and maxSpeedIndex come from the settings ("ComPort", "MaxUARTSpeed").
    CConnectParams(int comPort = 1, int maxSpeedIndex = 5);

    void SetTarget(const std::string& text);
    void SetSpeedCode(int code);
    int GetSpeedCode() const { return m_speedCode; }
    std::string GetSpeedText() const { return SpeedTextOfCode(m_speedCode); }
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    void SetSimulator();
    int GetComPort() const { return m_comPort; }
    int GetMaxSpeedIndex() const { return m_maxSpeedIndex; }
    const std::string& GetTarget() const { return m_target; }

    // Values of PORT, BSCID and BCFID in the target; 0 when absent.
    long GetPort() const { return LookupValue("PORT"); }
    long GetBscId() const { return LookupValue("BSCID"); }
    long GetBcfId() const { return LookupValue("BCFID"); }
    long LookupValue(const std::string& key) const { return LookupValue(m_target, key); }
    // The text value of a key (after its "=", up to the next ","), trimmed; empty when absent.
    static std::string LookupText(const std::string& target, const std::string& key);
    static long LookupValue(const std::string& target, const std::string& key);

    // Port, reserved and maximum speed index as three 32-bit values, for the simulator.
    std::array<uint8_t, 12> SimulatorBlock() const;

    // The name of the lock that keeps a second program off the same BTS.
    std::string RemoteLockName() const;

    static int SpeedCodeOfIndex(int index);
    static std::string SpeedTextOfCode(int code);
    // The line speed in bits per second for a code; 9600 for unknown codes.
    static int BaudOfCode(int code);

private:
    void Rebuild();

    int m_comPort;
    int m_reserved = 0;
    int m_maxSpeedIndex;
    std::string m_target;
    int m_kind = kConnLocal;
    int m_speedCode;
};
