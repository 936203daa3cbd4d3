#pragma once
// A source of sector configurations: for each of the twelve transceiver positions of an Orvik
// cabinet the band, the sector, the combiner scheme that starts there and the combiner output
// the transceiver takes its RX diversity from. Every operation names the configuration by its
// index within the source.

#include <array>
#include <string>

class CKodaConfigMaster;
class IChoiceList;
class ITableList;

struct SSectorRow {
    int band = 0;
    int sector = 0;
    int scheme = 0;
    int diversitySource = 0;
    bool operator==(const SSectorRow&) const = default;
};
using SSectorRows = std::array<SSectorRow, 12>;

class CSectorConfigBase {
public:
    virtual ~CSectorConfigBase() = default;

    virtual bool CopyFrom(int /*index*/, const CSectorConfigBase& /*other*/, int /*otherIndex*/) {
        return false;
    }
    virtual void FillDiversityChoices(int index, int position, int sector, IChoiceList& list,
                                      int current, const CKodaConfigMaster& grid) const = 0;
    virtual void FillColumn(int index, int column, ITableList& list) const = 0;
    // Places the schemes on the grid and stores the diversity ports; false when the
    // configuration does not exist, does not serve the band or a scheme did not fit.
    virtual bool PlaceOnGrid(int index, int bandFlags, CKodaConfigMaster& grid) const = 0;
    // The rows, or nullptr when the index names no configuration.
    virtual const SSectorRows* Record(int index) const = 0;
    virtual void ShowAndApplyBand(int index, int bandFlags, ITableList& list,
                                  CKodaConfigMaster& grid) = 0;
    virtual int Type() const = 0;
    virtual std::string Name(int index) const = 0;
    virtual int Count() const = 0;
    virtual bool SetDiversitySource(int /*index*/, int /*position*/, int /*value*/) {
        return false;
    }
    virtual bool SetScheme(int /*index*/, int /*position*/, int /*value*/) { return false; }

    // Row values, positions 1-12; 0 outside or for an unknown configuration.
    int DiversitySource(int index, int position) const;
    int Scheme(int index, int position) const;
    int Sector(int index, int position) const;
    int Band(int index, int position) const;

private:
    const SSectorRow* Row(int index, int position) const;
};
