#pragma once
// The frame the units of a configuration stand in: which numbers have a place, where each place
// lies in the cabinet picture and what rack, shelf and slot a unit is shown at.

#include <memory>
#include <string>

#include "model/Connector.h"

class CUnit;

class CCabinet {
public:
    virtual ~CCabinet() = default;
    CCabinet& operator=(const CCabinet&) = delete;

    // A new cabinet of the same class with the same variant, placement, name and description.
    virtual std::unique_ptr<CCabinet> Copy() const = 0;

    const std::string& Name() const { return m_name; }
    const std::string& DescriptionText() const { return m_description; }
    void SetDescriptionText(std::string text) { m_description = std::move(text); }
    int Variant() const { return m_variant; }
    void SetVariant(int variant) { m_variant = variant; }
    const SRect& Placement() const { return m_placement; }
    void SetPlacement(const SRect& r) { m_placement = r; }

    // The place index 0-69 of the unit's first place, -1 when its number has no place here.
    virtual int PlaceIndex(const CUnit&) const { return -1; }
    virtual std::string LocationText(const CUnit& unit) const;
    // The rectangle of a place in the cabinet picture; empty for a place that does not exist.
    virtual SRect PlaceRect(int place, int variant, const CUnit* unit) const;
    // The rectangle a unit covers (all of its places); empty when it has no place.
    SRect UnitRect(const CUnit& unit, int variant) const;
    virtual int PictureResource(int) const { return 0; }

protected:
    explicit CCabinet(const char* name) : m_name(name) {}
    CCabinet(const CCabinet&) = default;

private:
    std::string m_description;
    int m_variant = 0;
    SRect m_placement;
    std::string m_name = "<not defined>";
};
