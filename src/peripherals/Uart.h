#pragma once
// The bar-code reader on a serial port: opens the port with the reader settings of the store
// and hands out what the scanner sent, one code per poll.

#include "peripherals/SerialPort.h"

#include <functional>
#include <memory>
#include <string>

class CRegistry;

// The reader settings as the store keeps them, turned into line settings.
struct SUartSettings {
    bool enabled = false;
    int portIndex = 0; // "UARTPort" - 1, 0 = COM1
    std::string parity = "Even";
    long speed = 9600;
    int dataBits = 7;
    int stopBits = 1;

    static SUartSettings Read(const CRegistry& store);
    static long SpeedFromIndex(int index);
    static std::string ParityFromIndex(int index);
};

// What one poll found. `text` follows the reader's contract: characters up to the first
// carriage return, "_" for each character received damaged.
struct SUartPoll {
    std::string text;
    bool lineError = false; // some character of `text` arrived damaged
    bool portLost = false;  // the port went away during this poll; it is closed now
};

class CUart {
public:
    // Device file for a "COM n" number; empty when no device has it.
    using PortResolver = std::function<std::string(int comNumber)>;
    // Where an open failure is told to the user (an exclamation box in the window).
    using MessageSink = std::function<void(const std::string& text)>;

    // Reads the settings; opens nothing. Without a resolver the port names of the machine
    // are used; the store must outlive the reader.
    explicit CUart(const CRegistry& store, PortResolver resolver = {}, MessageSink sink = {});
    ~CUart();
    CUart(const CUart&) = delete;
    CUart& operator=(const CUart&) = delete;

    // Rereads the settings and opens the port, closing any port open before. A failure is
    // told through the sink once and returned; the reader stays usable.
    int Open();
    void Close();
    bool IsOpen() const { return m_port && m_port->IsOpen(); }

    SUartPoll Poll();

    int LastCharacter() const { return m_lastCharacter; }
    const SUartSettings& Settings() const { return m_settings; }

private:
    int m_lastCharacter = 0;
    std::unique_ptr<CSerialPort> m_port;
    SUartSettings m_settings;
    const CRegistry& m_store;
    PortResolver m_resolver;
    MessageSink m_sink;
};
