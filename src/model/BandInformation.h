#pragma once
// Collects the bands present among the transceivers of a configuration and turns band values
// into the names the user sees ("900/1800", "1800E", "Illegal").

#include <array>
#include <string>
#include <vector>

#include "model/BandChoiceList.h"

class CBandInformation {
public:
    // What collection needs to know of one transceiver. The site adapts a transceiver whose
    // band is still open (65535) to 900 before handing it over.
    struct Trx {
        int band = 0;
        bool edge = false;
        bool outOfUse = false;
    };

    // Collects the given transceivers (numbers 1-12 in order); returns the combined band
    // value, or 0 when the bands cannot live together ("Illegal").
    int Collect(const std::vector<Trx>& trxs, bool includeOutOfUse);
    // The band text of the last collection, e.g. "900E/1800".
    const std::string& BandText() const { return m_text; }

    static std::string BandName(int band, int edgeMarks, bool gsmPrefix = false);
    static std::string BandNameOfValue(int bandValue);
    // Fills a choice list with the transceiver bands; returns the number of rows visited.
    static int FillBandChoiceList(IBandChoiceList& list, bool edgeVariants, bool dualBandEntries,
                                  bool gsmPrefix, bool plainValues);
    static bool IsDualBand(int bandValue);
    static int PrimaryBand(int bandValue);
    // Iterates the transceiver bands as the choice list does: index is the catalogue row to look
    // at next; edge tells on entry whether EDGE variants are wanted and on return whether the
    // band's row is an EDGE row. The result is 0 at the end.
    static int FirstBand(int& index, bool& edge);
    static int NextBand(int& index, bool& edge);

    bool Present(int band) const { return band >= 0 && band < 128 && m_present[band] != 0; }

private:
    std::array<int, 128> m_present{};
    std::array<int, 128> m_edgeSeen{};
    std::array<int, 128> m_nonEdgeSeen{};
    std::string m_text;
};
