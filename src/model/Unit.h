#pragma once
// One physical module of a BTS: its kind, number, catalogue type, band, upgrade state and the
// connectors through which it is cabled. The base of every unit class of both families.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Connector.h"
#include "model/UnitTypeRecord.h"

class CUnit {
public:
    virtual ~CUnit() = default;
    CUnit& operator=(const CUnit&) = delete;

    // A new object of the same class with every field that travels with a copy: state,
    // selected port, idle mark and reported type text start afresh.
    std::unique_ptr<CUnit> Copy() const;

    // Identity and numbering.
    int Kind() const { return m_kind; }
    int Number() const { return m_number; }
    int SpareNumber() const { return m_spareNumber; }
    virtual int DisplayedNumber() const { return m_displayedNumber; }
    virtual void SetNumber(int number);
    virtual bool SetBackplaneConnector(int) { return false; }
    virtual bool CanUseBackplaneConnector(int) const { return false; }
    // The reference under which cable fields name this unit (0 for units never referenced).
    int OwnReference() const;

    // Catalogue type.
    int TypeId() const { return m_typeId; }
    const std::string& TypeCode() const { return m_typeCode; }
    int Band() const { return m_band; }
    int EdgeCapability() const { return m_edgeCapability; }
    bool IsEdge() const { return m_edge; }
    void SetEdge(bool edge) { m_edge = edge; }
    virtual EUnitFamily Family() const = 0;
    virtual void SetType(int typeId);
    virtual void AdaptToBand(int bandValue);
    // Picks the type for a band value; false when the class has no rule or the value names no
    // single band.
    virtual bool ApplyBand(int) { return false; }
    virtual bool AcceptsBand(int bandValue, int previousSiteBand) const;
    virtual bool AcceptsEdgeValue(int) const { return true; }
    // Refines the type from the type text the BTS reported; an empty text only clears it.
    void SetReportedTypeText(std::string_view text);
    const std::string& ReportedTypeText() const { return m_reportedTypeText; }
    // Takes a type given as one number when it is one of the class's own (DDU, RTC).
    virtual bool SetTypeByNumber(int) { return false; }
    std::string_view TypeDescription() const;

    // Texts.
    const char* Description() const { return m_description; }
    virtual std::string TypeCodeText() const;
    virtual std::string ShortTypeText() const { return TypeCodeText(); }
    virtual std::string ConnectionText() const { return {}; }
    // "RVGA 3", "HYGx 2b", "(QD2A 1)" for upgrade and idle units.
    std::string DisplayName(int portIndex = -1) const;
    virtual std::string BandText() const;
    virtual std::string PortLetter(int index) const;
    virtual std::string LogicalName() const { return m_logicalName; }

    // States.
    int State() const { return m_state; }
    void SetState(int state) { m_state = state; }
    bool IsUpgrade() const { return m_upgrade; }
    virtual void SetUpgrade(bool upgrade);
    bool IsIdle() const { return m_idle; }
    void SetIdle(bool idle) { m_idle = idle; }
    // Out of use for band collection: planned or without any cable.
    bool IsOutOfUse() const { return m_upgrade || m_idle; }
    bool KeepWhenRemoved() const { return m_keepWhenRemoved; }
    void SetKeepWhenRemoved(bool keep) { m_keepWhenRemoved = keep; }
    int Mark() const { return m_mark; }
    void SetMark(int mark) { m_mark = mark; }
    // The mark of a unit that a page has put in only to show where it would stand.
    static constexpr int kMarkShownOnly = 1;
    // Such a unit is no part of the configuration: no file, plan, report or BTS gets it. A
    // unit kept when removed is an upgrade unit of the configuration all the same.
    bool IsShownOnly() const { return m_mark == kMarkShownOnly && !m_keepWhenRemoved; }
    int SelectedPort() const { return m_selectedPort; }
    void SetSelectedPort(int port) { m_selectedPort = port; }
    int Reserved() const { return m_reserved; }
    void SetReserved(int value) { m_reserved = value; }

    // Placement.
    CUnit* Owner() const { return m_owner; }
    void SetOwner(CUnit* owner) { m_owner = owner; }
    int Width() const { return m_width; }
    int PortRows() const { return m_portRows; }
    int CabinetIndex() const { return m_cabinet; }
    void SetCabinetIndex(int index) { m_cabinet = index; }
    int DrawOffset() const { return m_drawOffset; }
    void SetDrawOffset(int offset) { m_drawOffset = offset; }
    const SRect& PictureRect() const { return m_pictureRect; }
    void SetPictureRect(const SRect& r) { m_pictureRect = r; }
    int LogicalKind() const { return m_logicalKind; }

    // Connectors.
    virtual ConnectorList Connectors() const { return {}; }
    int ConnectorCount() const { return static_cast<int>(Connectors().size()); }
    const SConnector* FindConnector(int connectorKind, int index) const;
    virtual bool MarkPosition(int cableType, int connectorKind, int index, SPoint& out) const;
    virtual bool ConnectorPosition(int cableType, int connectorKind, int index, SPoint& out) const;
    // Where the state icons of the logical unit go; (-1, -1) for none.
    virtual SPoint LogicalStateIconPosition(int) const { return {-1, -1}; }

protected:
    CUnit(int kind, const char* description, int width, int portRows, int logicalKind);
    CUnit(const CUnit&) = default;
    virtual std::unique_ptr<CUnit> Clone() const = 0;
    // The state mark of a connector family, offset as marks are drawn.
    bool StateMarkPosition(int markKind, int index, SPoint& out) const;

    int m_state = 2;
    int m_spareNumber = 0;
    int m_selectedPort = -1;
    int m_drawOffset = 0;
    CUnit* m_owner = nullptr;
    bool m_edge = false;
    bool m_idle = false;
    std::string m_reportedTypeText;
    int m_logicalKind = 0;
    int m_reserved = 0;
    int m_mark = 0;
    int m_portRows = 0;
    bool m_keepWhenRemoved = false;
    SRect m_pictureRect;
    int m_typeId = 0;
    bool m_upgrade = false;
    int m_displayedNumber = 0;
    std::string m_logicalName = "<add logical name>";
    int m_width = 1;
    int m_number = 0;
    std::string m_typeCode = "<add unit name>";
    int m_cabinet = 0;
    int m_kind = 0;
    int m_band = 0;
    int m_edgeCapability = 1;
    const char* m_description = "<add unit type>";

    // Subclass hooks for naming and type refinement.
    virtual std::string NameForPort(int portIndex) const;
    virtual void RefineTypeFromText(std::string_view) {}
};

// "%s %d" with the given text and number.
std::string FormatNameNumber(std::string_view text, int number);
