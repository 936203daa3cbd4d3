#include "model/BandInformation.h"

#include "model/UnitTypeCatalogue.h"

namespace {

constexpr int kBandOrder[] = {kBand800, kBand900, kBand1800, kBand1900};

} // namespace

int CBandInformation::Collect(const std::vector<Trx>& trxs, bool includeOutOfUse) {
    m_present.fill(0);
    m_edgeSeen.fill(0);
    m_nonEdgeSeen.fill(0);
    m_text.clear();

    int combined = 0;
    bool allEdge = true;
    bool anyEdge = false;
    for (const auto& trx : trxs) {
        if (trx.outOfUse && !includeOutOfUse) {
            continue;
        }
        const int band = trx.band == kBandAny ? kBand900 : (trx.band & kBandMaskBits);
        m_present[band] = 1;
        if (trx.edge) {
            m_edgeSeen[band] = 1;
            anyEdge = true;
        } else {
            m_nonEdgeSeen[band] = 1;
            allEdge = false;
        }
        combined |= band;
    }

    for (int band : kBandOrder) {
        if (!m_present[band]) {
            continue;
        }
        if (!m_text.empty()) {
            m_text += "/";
        }
        m_text += BandName(band, 0);
        if (m_edgeSeen[band] && !m_nonEdgeSeen[band]) {
            m_text += "E";
        } else if (m_edgeSeen[band]) {
            m_text += "(E)";
        }
    }
    if (BandName(combined, 0) == "Illegal") {
        m_text = "Illegal";
        return 0;
    }
    if (anyEdge && allEdge) {
        combined |= kEdgeAll;
    } else if (anyEdge) {
        combined |= kEdgeSome;
    }
    return combined;
}

std::string CBandInformation::BandName(int band, int edgeMarks, bool gsmPrefix) {
    std::string name;
    switch (band) {
    case 1: name = "900"; break;
    case 2: name = "1800"; break;
    case 3: name = "900/1800"; break;
    case 4: name = "1900"; break;
    case 8: name = "800"; break;
    case 12: name = "800/1900"; break;
    default: name = "Illegal"; break;
    }
    if (name != "Illegal") {
        // An 800 band is always fully EDGE.
        if (band == kBand800 && edgeMarks == kEdgeSome) {
            edgeMarks = kEdgeAll;
        }
        if (edgeMarks & kEdgeAll) {
            name += "E";
        } else if (edgeMarks & kEdgeSome) {
            name += "(E)";
        }
    }
    return gsmPrefix ? "GSM " + name : name;
}

std::string CBandInformation::BandNameOfValue(int bandValue) {
    return BandName(bandValue & kBandMaskBits, bandValue & ~kBandMaskBits);
}

int CBandInformation::FillBandChoiceList(IBandChoiceList& list, bool edgeVariants,
                                         bool dualBandEntries, bool gsmPrefix, bool plainValues) {
    int visited = 0;
    for (const auto& row : UnitTypeCatalogue::Table(EUnitFamily::Orvik)) {
        if (row.category != kUnitKindTrx) {
            break;
        }
        ++visited;
        if (row.band == kBandAny || row.edge == 0) {
            continue;
        }
        const bool edgeRow = row.edge == kEdgeCapEdge;
        if (edgeRow && !edgeVariants) {
            continue;
        }
        if (edgeRow && edgeVariants && dualBandEntries && row.band != kBand800) {
            continue;
        }
        const std::string text = BandName(row.band, edgeRow ? kEdgeAll : 0, gsmPrefix);
        if (list.Contains(text)) {
            continue;
        }
        list.Add(text, row.band + (edgeRow && !plainValues ? kEdgeAll : 0));
    }
    if (dualBandEntries) {
        if (edgeVariants) {
            list.Add(gsmPrefix ? "GSM 800/1900" : "800/1900", 12);
        }
        list.Add(gsmPrefix ? "GSM 900/1800" : "900/1800", 3);
    }
    return visited;
}

bool CBandInformation::IsDualBand(int bandValue) {
    const int band = bandValue & kBandMaskBits;
    return band == 3 || band == 12;
}

int CBandInformation::PrimaryBand(int bandValue) {
    if (bandValue & kBand800) {
        return kBand800;
    }
    if (bandValue & kBand900) {
        return kBand900;
    }
    if (bandValue & kBand1800) {
        return kBand1800;
    }
    return bandValue & kBand1900;
}

int CBandInformation::FirstBand(int& index, bool& edge) {
    index = 0;
    return NextBand(index, edge);
}

int CBandInformation::NextBand(int& index, bool& edge) {
    const bool wantEdge = edge;
    const auto table = UnitTypeCatalogue::Table(EUnitFamily::Orvik);
    while (index >= 0 && index < static_cast<int>(table.size()) &&
           table[index].category == kUnitKindTrx) {
        const auto& row = table[index++];
        if (row.band == kBandAny || row.edge == 0) {
            continue;
        }
        if (row.edge == kEdgeCapEdge && !wantEdge) {
            continue;
        }
        edge = row.edge == kEdgeCapEdge;
        return row.band;
    }
    return 0;
}
