#pragma once
// The combiner scheme grid of an Orvik cabinet: which scheme covers each of the twelve
// transceiver positions, which combiner places hold which units, and the step that turns the
// grid into units and cable references of the candidate configuration.

#include <array>
#include <memory>
#include <string>

class CDataBase;
class CKodaConfig;
class CSite;
class CUnitKTrx;

class CKodaConfigMaster {
public:
    static constexpr int kSchemeCount = 22;
    // Grid reads outside the positions or combiner places answer this, so that conditions on
    // them fail.
    static constexpr int kOutside = -1;

    explicit CKodaConfigMaster(CSite& site);
    ~CKodaConfigMaster();
    CKodaConfigMaster(const CKodaConfigMaster&) = delete;
    CKodaConfigMaster& operator=(const CKodaConfigMaster&) = delete;

    CSite& Site() const { return m_site; }
    CDataBase* Candidate() const;
    // The transceiver with that number in the candidate, or nullptr.
    CUnitKTrx* Trx(int number) const;

    // Schemes by id 1-22; nullptr outside.
    CKodaConfig* Scheme(int id) const;
    int SchemeCount() const { return kSchemeCount; }
    // With a scheme id: places it when it fits. With 0: releases the scheme at the position
    // (true when there was none).
    bool PlaceScheme(int position, int schemeId);
    std::string SchemeNameAt(int position) const;

    // Grid, positions 1-12 (combiner marks 1-13).
    int SchemeAt(int p) const { return Read(m_scheme, p, 12); }
    int TrxUse(int p) const { return Read(m_trxUse, p, 12); }
    int CombinerUse(int p) const { return Read(m_combinerUse, p, 12); }
    int CombinerMark(int k) const { return Read(m_mark, k, 13); }
    int MulticouplerKind(int p) const { return Read(m_kind, p, 12); }
    int PlaceInGroup(int p) const { return Read(m_place, p, 12); }
    int DiversityPort(int p) const { return Read(m_diversity, p, 12); }
    void SetSchemeAt(int p, int v) { Write(m_scheme, p, 12, v); }
    void SetTrxUse(int p, int v) { Write(m_trxUse, p, 12, v); }
    void SetCombinerUse(int p, int v) { Write(m_combinerUse, p, 12, v); }
    void SetCombinerMark(int k, int v) { Write(m_mark, k, 13, v); }
    void SetMulticouplerKind(int p, int v) { Write(m_kind, p, 12, v); }
    void SetPlaceInGroup(int p, int v) { Write(m_place, p, 12, v); }
    void SetDiversityPort(int p, int v) { Write(m_diversity, p, 12, v); }
    void SetUses(int p, int scheme, int trxUse, int combinerUse);
    void SetPlaceKindMark(int p, int place, int kind, int mark);
    // Sets every grid array to 0 and removes the units schemes create.
    void Clear();

    int OutputsOfScheme(int id) const;
    int GroupSizeOfScheme(int id) const;
    // The scheme's n-th output port for the group holding the position; 0 outside 1..outputs.
    int OutputPort(int position, int n, int schemeId) const;

    // Multicoupler serving the position in the candidate: kind 6 or 2 and the first position
    // it serves; kind 0 when none.
    int MulticouplerOfPosition(int position, int& firstPosition) const;
    int RxMulticouplerId(int position) const;
    void SetGroupDiversityPort(int position, int port);

    int Band() const { return m_band; }
    // Creates the units the grid needs, writes every transceiver's references and rebuilds the
    // cables. A band of -1 keeps the stored band.
    void Apply(int band);

private:
    static int Read(const std::array<int, 14>& a, int i, int last) {
        return i >= 1 && i <= last ? a[i] : kOutside;
    }
    static void Write(std::array<int, 14>& a, int i, int last, int v) {
        if (i >= 1 && i <= last) {
            a[i] = v;
        }
    }
    // The first position of the scheme's group that holds the position, walking back by place
    // in group; 0 when the group has lost its first position.
    int PlacedGroupStart(int position, const CKodaConfig& scheme) const;
    void RemoveSchemeUnits();
    void CreateUnit(int kind, int number);
    CUnitKTrx* TrxForApply(int number);

    CSite& m_site;
    std::array<std::unique_ptr<CKodaConfig>, kSchemeCount + 1> m_schemes;
    std::array<int, 14> m_scheme{};
    std::array<int, 14> m_trxUse{};
    std::array<int, 14> m_combinerUse{};
    std::array<int, 14> m_diversity{};
    std::array<int, 14> m_kind{};
    std::array<int, 14> m_place{};
    std::array<int, 14> m_mark{};
    int m_band = -1;
};
