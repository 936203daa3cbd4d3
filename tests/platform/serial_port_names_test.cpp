#include <gtest/gtest.h>

#include "platform/SerialPortNames.h"

TEST(SerialPortNames, FixedBlocksMapBothWays) {
    EXPECT_EQ(CSerialPortNames::DefaultNumber("ttyS0"), 1);
    EXPECT_EQ(CSerialPortNames::DefaultNumber("ttyS31"), 32);
    EXPECT_EQ(CSerialPortNames::DefaultNumber("ttyUSB0"), 33);
    EXPECT_EQ(CSerialPortNames::DefaultNumber("ttyACM31"), 96);
    // Outside a block, odd spellings and other devices have no number.
    for (const char* name : {"ttyS32", "ttyUSB", "ttyS01", "ttyS-1", "ttyS1a", "tty0", "ttyAMA0"}) {
        EXPECT_EQ(CSerialPortNames::DefaultNumber(name), 0) << name;
    }
    for (int n = 1; n <= 96; ++n) {
        EXPECT_EQ(CSerialPortNames::DefaultNumber(CSerialPortNames::DefaultDeviceName(n)), n);
    }
    EXPECT_EQ(CSerialPortNames::DefaultDeviceName(97), "");
    EXPECT_EQ(CSerialPortNames::DefaultDeviceName(0), "");
    EXPECT_EQ(CSerialPortNames::ComName(3), "COM3");

    CSerialPortNames names("/dev/");
    EXPECT_EQ(names.DevicePath(2), "/dev/ttyS1");
    EXPECT_EQ(names.Number("/dev/ttyUSB1"), 34);
    EXPECT_EQ(names.Number("ttyUSB1"), 34);
    EXPECT_EQ(names.Number("/tmp/ttyUSB1"), 0);
    EXPECT_EQ(names.Number(""), 0);
}

TEST(SerialPortNames, OverridesTakePrecedence) {
    CSerialPortNames names("/dev", {{1, "ttyUSB0"},
                                    {98, "/dev/rfcomm0"},
                                    {100, "/dev/ttyX"},    // out of range: ignored
                                    {1, "/dev/ttyS5"},     // number taken: ignored
                                    {7, "/dev/rfcomm0"}}); // device taken: ignored
    EXPECT_EQ(names.Overrides().size(), 2u);
    EXPECT_EQ(names.DevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(names.Number("/dev/ttyUSB0"), 1);
    // The device moved away from its block number, and the block device lost its number.
    EXPECT_EQ(names.DevicePath(33), "");
    EXPECT_EQ(names.Number("/dev/ttyS0"), 0);
    EXPECT_EQ(names.DevicePath(98), "/dev/rfcomm0");
    EXPECT_EQ(names.Number("/dev/rfcomm0"), 98);
    EXPECT_EQ(names.DevicePath(100), "");
    EXPECT_EQ(names.Number("/dev/ttyX"), 0);
    EXPECT_EQ(names.DevicePath(6), "/dev/ttyS5");
}
