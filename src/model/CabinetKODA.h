#pragma once
// The Orvik cabinets: Indoor, Outdoor, both Midi variants and Mini, which differ in the unit
// numbers they have places for and in where the status marks of the transceivers go.

#include "model/Cabinet.h"

// Cabinet type values of the cabinet settings.
enum ECabinetType : int {
    kCabinetIndoor = 0,
    kCabinetOutdoor = 1,
    kCabinetMidi = 2,
    kCabinetMidiOutdoor = 3,
    kCabinetMini = 6,
};

class CCabinetKODA : public CCabinet {
public:
    // The cabinet class of a cabinet type value; nullptr for a value without a class.
    static std::unique_ptr<CCabinetKODA> Create(int cabinetType);
    // "Indoor", "Outdoor", "Indoor Midi", "Outdoor Midi", "Mini"; empty for other values.
    static const char* TypeName(int cabinetType);

    virtual int CabinetType() const = 0;
    int PlaceIndex(const CUnit& unit) const override;
    std::string LocationText(const CUnit& unit) const override;
    SRect PlaceRect(int place, int variant, const CUnit* unit) const override;
    // Where the status mark of transceiver 1-12 goes; false when the cabinet shows none.
    virtual bool TrxStatusMarkPosition(int number, SPoint& out) const;
    int Extra() const { return m_extra; }
    void SetExtra(int value) { m_extra = value; }

protected:
    using CCabinet::CCabinet;
    // Whether the unit's number has a place in this cabinet class.
    virtual bool NumberHasPlace(const CUnit& unit) const;
    // Per-variant shift of the picture; all variants share the plain layout.
    virtual SPoint VariantOffset(int) const { return {}; }

private:
    int m_extra = 0;
};

class CCabinetKIndoor : public CCabinetKODA {
public:
    CCabinetKIndoor() : CCabinetKODA("Orvik Indoor") {}
    std::unique_ptr<CCabinet> Copy() const override;
    int CabinetType() const override { return kCabinetIndoor; }
};

class CCabinetKOutdoor : public CCabinetKODA {
public:
    CCabinetKOutdoor() : CCabinetKODA("Orvik Outdoor") {}
    std::unique_ptr<CCabinet> Copy() const override;
    int CabinetType() const override { return kCabinetOutdoor; }
    bool TrxStatusMarkPosition(int number, SPoint& out) const override;
};

class CCabinetKMidi : public CCabinetKODA {
public:
    CCabinetKMidi() : CCabinetKODA("Orvik Midi") {}
    std::unique_ptr<CCabinet> Copy() const override;
    int CabinetType() const override { return kCabinetMidi; }
    bool TrxStatusMarkPosition(int number, SPoint& out) const override;

protected:
    explicit CCabinetKMidi(const char* name) : CCabinetKODA(name) {}
    bool NumberHasPlace(const CUnit& unit) const override;
};

class CCabinetKMidiOutdoor : public CCabinetKMidi {
public:
    CCabinetKMidiOutdoor() : CCabinetKMidi("Orvik Midi Outdoor") {}
    std::unique_ptr<CCabinet> Copy() const override;
    int CabinetType() const override { return kCabinetMidiOutdoor; }
    bool TrxStatusMarkPosition(int number, SPoint& out) const override;
};

class CCabinetKMini : public CCabinetKODA {
public:
    CCabinetKMini() : CCabinetKODA("Orvik Mini") {}
    std::unique_ptr<CCabinet> Copy() const override;
    int CabinetType() const override { return kCabinetMini; }

protected:
    bool NumberHasPlace(const CUnit& unit) const override;
};
