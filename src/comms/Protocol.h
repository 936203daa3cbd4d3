#pragma once
// The message types and element tags of the BTS protocol that both ends use: the link and the
// simulated BTS take them from here, so that the two cannot drift apart unnoticed. Tags and
// types only one end knows stay beside the code that uses them.

#include <cstdint>

namespace protocol {

// First byte of a message.
constexpr uint8_t kTypeAck = 0x81;
constexpr uint8_t kTypeBtsReported = 0x82;
constexpr uint8_t kTypeAlwaysReply = 0x84;
constexpr uint8_t kTypeFileRequest = 0x85;
constexpr uint8_t kTypeHardwareRequest = 0x9C;
constexpr uint8_t kTypeHardwareIdentities = 0x9D;
constexpr uint8_t kTypeAlarm = 0xAE;
constexpr uint8_t kTypeDeviceStatus = 0xD2;
constexpr uint8_t kTypeTrace = 0xD4;
constexpr uint8_t kTypeInformation = 0xD5;
constexpr uint8_t kTypeFileEnd = 0xE1;
constexpr uint8_t kTypeGeneric = 0xEC;
constexpr uint8_t kTypeData = 0xF0;
constexpr uint8_t kTypeAutodetect = 0xF2;
constexpr uint8_t kTypeCrossTable = 0xF3;

// Elements of the requests that store and fetch configuration blocks.
constexpr int kTagNoData = 273;
constexpr int kTagDataLength = 277;
constexpr int kTagOperation = 278;
constexpr int kTagCrossTable = 280;
constexpr int kTagHardwareRequest = 83;

} // namespace protocol
