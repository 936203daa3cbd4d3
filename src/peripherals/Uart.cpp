#include "peripherals/Uart.h"

#include "peripherals/UartErrors.h"
#include "platform/Registry.h"
#include "platform/SerialPortNames.h"
#include "platform/SettingsKeys.h"

long SUartSettings::SpeedFromIndex(int index) {
    switch (index) {
    case 0:
        return 300;
    case 1:
        return 1200;
    case 2:
        return 2400;
    case 3:
        return 4800;
    case 5:
        return 19200;
    default:
        return 9600;
    }
}

std::string SUartSettings::ParityFromIndex(int index) {
    switch (index) {
    case 1:
        return "Even";
    case 2:
        return "Odd";
    case 3:
        return "Mark";
    default:
        return "No";
    }
}

SUartSettings SUartSettings::Read(const CRegistry& store) {
    SUartSettings s;
    s.enabled = settings::Read(store, settings::kUARTEnable) != 0;
    s.portIndex = settings::Read(store, settings::kUARTPort) - 1;
    s.speed = SpeedFromIndex(settings::Read(store, settings::kUARTSpeed));
    s.parity = ParityFromIndex(settings::Read(store, settings::kUARTParity));
    s.dataBits = settings::Read(store, settings::kUARTDataBits) + 5;
    s.stopBits = settings::Read(store, settings::kUARTStopBits) + 1;
    return s;
}

CUart::CUart(const CRegistry& store, PortResolver resolver, MessageSink sink)
    : m_settings(SUartSettings::Read(store)), m_store(store), m_resolver(std::move(resolver)),
      m_sink(std::move(sink)) {
    if (!m_resolver) {
        m_resolver = [](int com) { return CSerialPortNames().DevicePath(com); };
    }
}

CUart::~CUart() = default;

int CUart::Open() {
    // A second open must not leave the first port held exclusively with nobody reading it.
    Close();
    m_settings = SUartSettings::Read(m_store);
    m_lastCharacter = 0;
    SSerialLine line;
    line.speed = m_settings.speed;
    line.parity = m_settings.parity.front();
    line.dataBits = m_settings.dataBits;
    line.stopBits = m_settings.stopBits;
    m_port = CSerialPort::Open(m_resolver(m_settings.portIndex + 1), line);
    const int status = m_port->Status();
    if (status < 0 && m_sink) {
        m_sink(uart::OpenErrorText(status));
    }
    return status;
}

void CUart::Close() {
    // Whatever the settings say now: a port left open stays locked against every other user.
    if (m_port) {
        m_port->Close();
        m_port.reset();
    }
}

SUartPoll CUart::Poll() {
    SUartPoll result;
    if (!IsOpen()) {
        return result;
    }
    while (!m_port->ReceiveQueueEmpty()) {
        const int c = m_port->ReadChar();
        const int previous = m_lastCharacter;
        m_lastCharacter = c;
        // Scanners set to end codes with CR LF: the line feed belongs to the end just taken,
        // also when it arrives for the next poll.
        if (c == '\n' && previous == '\r') {
            continue;
        }
        if (c < 0) {
            result.text += '_';
            result.lineError = true;
            continue;
        }
        if (c == '\r') {
            return result;
        }
        result.text += static_cast<char>(c);
    }
    if (m_port->Lost()) {
        result.portLost = true;
        Close();
    }
    return result;
}
