// The bar-code reader against a pseudo-terminal in place of the scanner's serial line.
#include "PtyScanner.h"

#include "peripherals/MarkedInput.h"
#include "peripherals/Uart.h"
#include "peripherals/UartErrors.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"

#include <gtest/gtest.h>

#include <sys/file.h>
#include <vector>

namespace {

struct ReaderFixture : ::testing::Test {
    ReaderFixture() { settings::Write(store, settings::kUARTPort, 3); }

    CUart MakeReader() {
        return CUart(
            store,
            [this](int com) {
                requested.push_back(com);
                return com == 3 ? scanner.path : std::string();
            },
            [this](const std::string& text) { messages.push_back(text); });
    }

    CMemoryRegistry store;
    PtyScanner scanner;
    std::vector<int> requested;
    std::vector<std::string> messages;
};

termios LineOf(const std::string& path) {
    termios tio{};
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ::tcgetattr(fd, &tio);
    ::close(fd);
    return tio;
}

} // namespace

TEST(UartSettings, StoredIndexesBecomeLineSettings) {
    CMemoryRegistry store;
    const auto defaults = SUartSettings::Read(store);
    EXPECT_FALSE(defaults.enabled);
    EXPECT_EQ(defaults.portIndex, 0);
    EXPECT_EQ(defaults.speed, 9600);
    EXPECT_EQ(defaults.parity, "Even");
    EXPECT_EQ(defaults.dataBits, 7);
    EXPECT_EQ(defaults.stopBits, 1);

    settings::Write(store, settings::kUARTSpeed, 6);
    settings::Write(store, settings::kUARTParity, 0);
    settings::Write(store, settings::kUARTDataBits, 3);
    settings::Write(store, settings::kUARTStopBits, 1);
    settings::Write(store, settings::kUARTPort, 4);
    const auto s = SUartSettings::Read(store);
    EXPECT_EQ(s.speed, 9600);
    EXPECT_EQ(s.parity, "No");
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.stopBits, 2);
    EXPECT_EQ(s.portIndex, 3);
    EXPECT_EQ(SUartSettings::SpeedFromIndex(0), 300);
    EXPECT_EQ(SUartSettings::SpeedFromIndex(5), 19200);
    EXPECT_EQ(SUartSettings::SpeedFromIndex(-1), 9600);
    EXPECT_EQ(SUartSettings::ParityFromIndex(3), "Mark");
}

TEST_F(ReaderFixture, OneCodePerPollAndTheRestStaysQueued) {
    CUart reader = MakeReader();
    ASSERT_EQ(reader.Open(), uart::kOk);
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(scanner.Send("ABC\r12"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "ABC");
    EXPECT_EQ(reader.LastCharacter(), '\r');
    EXPECT_EQ(reader.Poll().text, "12");
    EXPECT_EQ(reader.Poll().text, "");

    // A code that straddles two polls comes out in two parts, as the reader promises.
    ASSERT_TRUE(scanner.Send("XY"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "XY");
    ASSERT_TRUE(scanner.Send("Z\r"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "Z");

    // A scanner that ends codes with CR LF gives the same codes, whether the line feed comes
    // with its carriage return or only for the next poll; a lone line feed is still a byte.
    ASSERT_TRUE(scanner.Send("AB1\r\nCD2\r"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "AB1");
    EXPECT_EQ(reader.Poll().text, "CD2");
    ASSERT_TRUE(scanner.Send("\nEF3\r\n\n"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "EF3");
    EXPECT_EQ(reader.Poll().text, "\n");
}

TEST_F(ReaderFixture, OpensTheLineWithTheStoredSettings) {
    settings::Write(store, settings::kUARTParity, 3); // Mark
    settings::Write(store, settings::kUARTSpeed, 5);  // 19200
    settings::Write(store, settings::kUARTStopBits, 1);
    CUart reader = MakeReader();
    ASSERT_EQ(reader.Open(), uart::kOk);
    EXPECT_EQ(requested, std::vector<int>{3});
    const termios tio = LineOf(scanner.path);
    // A pseudo-terminal keeps 8 data bits without parity whatever it is asked; speed and the
    // input handling are what can be seen here.
    EXPECT_EQ(cfgetispeed(&tio), B19200);
    EXPECT_EQ(tio.c_lflag & ICANON, 0u);
    // Damaged characters must arrive marked, not silently dropped or turned into NUL.
    EXPECT_NE(tio.c_iflag & PARMRK, 0u);
    EXPECT_EQ(tio.c_iflag & (IGNPAR | ISTRIP), 0u);
}

TEST_F(ReaderFixture, SettingsThatNoLineCanHaveFailWithTheirText) {
    settings::Write(store, settings::kUARTStopBits, 2); // three stop bits
    CUart reader = MakeReader();
    EXPECT_EQ(reader.Open(), uart::kIllegalStopBits);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Illegal Stop Bits. Check UART settings.");
    EXPECT_FALSE(reader.IsOpen());
    // Nothing is read from a port that failed to open, even when the scanner sends.
    ASSERT_TRUE(scanner.Send("ABC\r"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "");

    settings::Write(store, settings::kUARTStopBits, 0);
    settings::Write(store, settings::kUARTDataBits, 4); // nine data bits
    EXPECT_EQ(reader.Open(), uart::kIllegalWordLength);
    EXPECT_EQ(messages.back(), "Illegal Word Length. Check UART settings.");

    // The settings are read again at every open: fixed, the same reader works. What arrived
    // while no port was set up is stale and dropped.
    settings::Write(store, settings::kUARTDataBits, 2);
    EXPECT_EQ(reader.Open(), uart::kOk);
    EXPECT_EQ(reader.Poll().text, "");
    ASSERT_TRUE(scanner.Send("DEF\r"));
    PtyScanner::Settle();
    EXPECT_EQ(reader.Poll().text, "DEF");
}

TEST_F(ReaderFixture, MissingAndBusyPortsAreToldApart) {
    settings::Write(store, settings::kUARTPort, 7);
    CUart reader = MakeReader();
    EXPECT_EQ(reader.Open(), uart::kNotInstalled);
    EXPECT_EQ(messages.back(),
              "COM port type not 8250 or incorrectly installed. Cannot initalize COM Port.");

    settings::Write(store, settings::kUARTPort, 3);
    const int holder = ::open(scanner.path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(reader.Open(), uart::kPortInUse);
    EXPECT_EQ(messages.back(), "COM port already in use. Use different port.");
    ::close(holder);
    EXPECT_EQ(reader.Open(), uart::kOk);
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(ReaderFixture, ClosingGivesThePortBack) {
    CUart reader = MakeReader();
    ASSERT_EQ(reader.Open(), uart::kOk);
    // Opening twice must not leave the first descriptor holding the lock.
    ASSERT_EQ(reader.Open(), uart::kOk);
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    const int other = ::open(scanner.path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
}

TEST_F(ReaderFixture, APortThatDisappearsIsReportedOnceAndClosed) {
    CUart reader = MakeReader();
    ASSERT_EQ(reader.Open(), uart::kOk);
    ASSERT_TRUE(scanner.Send("AB"));
    PtyScanner::Settle();
    scanner.CloseMaster();
    PtyScanner::Settle();
    SUartPoll first = reader.Poll();
    if (!first.portLost) {
        // The driver may hand out what was queued before it reports the hang-up.
        first = reader.Poll();
    }
    EXPECT_TRUE(first.portLost);
    EXPECT_FALSE(reader.IsOpen());
    const SUartPoll later = reader.Poll();
    EXPECT_FALSE(later.portLost);
    EXPECT_EQ(later.text, "");
}

TEST_F(ReaderFixture, AnyByteTheLineCarriesIsHandedOn) {
    settings::Write(store, settings::kUARTDataBits, 3);
    settings::Write(store, settings::kUARTParity, 0);
    CUart reader = MakeReader();
    ASSERT_EQ(reader.Open(), uart::kOk);
    // 0xFF is the driver's mark byte: a genuine one must survive the unmarking.
    ASSERT_TRUE(scanner.Send(std::string("\x01\xff\x80Q\r", 5)));
    PtyScanner::Settle();
    const SUartPoll poll = reader.Poll();
    EXPECT_EQ(poll.text, std::string("\x01\xff\x80Q", 4));
    EXPECT_FALSE(poll.lineError);
}

TEST(MarkedInput, MarksBecomeLineErrorsEvenWhenSplitOverReads) {
    CMarkedInput input;
    const std::uint8_t part1[] = {'A', 0xFF};
    const std::uint8_t part2[] = {0x00};
    const std::uint8_t part3[] = {'x', 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 'B'};
    input.Feed(part1, sizeof part1);
    EXPECT_EQ(input.Take(), 'A');
    EXPECT_TRUE(input.Empty()); // half a mark is no character yet
    input.Feed(part2, sizeof part2);
    EXPECT_TRUE(input.Empty());
    input.Feed(part3, sizeof part3);
    std::vector<int> out;
    while (!input.Empty()) {
        out.push_back(input.Take());
    }
    // Damaged 'x', a genuine 0xFF, a break, then a stray 0xFF kept as it came.
    EXPECT_EQ(out, (std::vector<int>{uart::kLineError, 0xFF, uart::kLineError, 0xFF, 'B'}));
    EXPECT_EQ(input.Take(), uart::kNothingWaiting);
}

TEST(UartErrors, EveryStatusHasItsText) {
    EXPECT_EQ(uart::OpenErrorText(-26), "Illegal parity. Check UART settings.");
    EXPECT_EQ(uart::OpenErrorText(-25), "Illegal Baud Rate. Check UART settings.");
    EXPECT_EQ(uart::OpenErrorText(-7), "Invalid parity. Check UART settings.");
    EXPECT_EQ(uart::OpenErrorText(-6), "Incorrect setup. Check UART settings.");
    EXPECT_EQ(uart::OpenErrorText(-5), "Insufficient memory to initalize COM Port.");
    EXPECT_EQ(uart::OpenErrorText(-2), "Invalid port. Check UART settings.");
    EXPECT_EQ(uart::OpenErrorText(-1), "General error in the initalization of COM Port.");
    EXPECT_EQ(uart::OpenErrorText(-24), "Unexpected error in the initalization of COM Port.");
}

TEST(SerialPort, LineSettingsAreCheckedBeforeUse) {
    PtyScanner scanner;
    EXPECT_EQ(CSerialPort::Open(scanner.path, {230400, 'N', 8, 1})->Status(),
              uart::kIllegalBaudRate);
    EXPECT_EQ(CSerialPort::Open(scanner.path, {9601, 'N', 8, 1})->Status(), uart::kIllegalBaudRate);
    EXPECT_EQ(CSerialPort::Open(scanner.path, {9600, 'x', 8, 1})->Status(), uart::kIllegalParity);
    EXPECT_EQ(CSerialPort::Open(scanner.path, {9600, 's', 8, 1})->Status(), uart::kOk);
    EXPECT_EQ(CSerialPort::Open(scanner.path, {9600, 'N', 8, 0})->Status(), uart::kIllegalStopBits);
    // Something that opens but is no serial line.
    EXPECT_EQ(CSerialPort::Open("/dev/null", {9600, 'N', 8, 1})->Status(), uart::kNotInstalled);
    EXPECT_EQ(CSerialPort::Open("", {9600, 'N', 8, 1})->Status(), uart::kNotInstalled);
}
