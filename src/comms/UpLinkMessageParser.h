#pragma once
// Reads the unsolicited messages of the BTS and keeps the BTS object model, the states of the
// logical units and the connection event log up to date.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CMMIServ;
class CObjectData;

class CUpLinkMessageParser {
public:
    static CUpLinkMessageParser& Instance();
    explicit CUpLinkMessageParser(CMMIServ& server);

    void Parse(std::span<const uint8_t> message);
    // A TRX type element (tag and length included), also met in hardware answers.
    void HandleTrxType(std::span<const uint8_t> element);

    static constexpr const char* kUnsupportedText =
        "Cabrion supports only\nconnection to Orvik EDGE BTS.";

private:
    using Bytes = std::span<const uint8_t>;
    void BtsReported(Bytes message);
    void BtsType(int code);
    void EquipmentList(Bytes element);
    void Variant(int value);
    void InformationStatus(Bytes message);
    void Arfn(Bytes value);
    void SectorTrxs(Bytes value);
    void Hardware101(Bytes value);
    void BscTime(Bytes value);
    void Oven(Bytes value);
    void BcfTexts(Bytes value);
    void BackgroundDownload(int value);
    void DeviceStatus(Bytes message);
    void Alarm(Bytes message);
    void GenericTrace(Bytes message);
    CObjectData* ObjectOf(Bytes objectValue, bool create);
    void SetState(CObjectData& object, int state);

    CMMIServ& m_server;
};
