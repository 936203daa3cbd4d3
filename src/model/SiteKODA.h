#pragma once
// The site of an Orvik BTS: builds the first candidate of a new site, holds the external
// cabinets cables may end at, and builds the configuration currently in BTS from what the BTS
// reports.

#include <array>

#include "model/DataBaseKODA.h"
#include "model/Site.h"

class CSiteKODA : public CSite {
public:
    // Without a host or prompt the site works on its own (tests, the command line).
    explicit CSiteKODA(ISiteHost* host = nullptr, IPrompt* prompt = nullptr);
    ~CSiteKODA() override;

    CDataBaseKODA* GetKODA(int selector) {
        return dynamic_cast<CDataBaseKODA*>(GetConfiguration(selector));
    }
    // The configuration a new site starts with; the BTS configuration is reset to it.
    const CDataBaseKODA& TemplateConfiguration() const { return *m_template; }
    // The external cabinet of combiner port id 17 (Kettra) or 18 (Orvik); nullptr otherwise.
    CUnit* ExternalUnit(int portId) const;

    bool Busy() const { return m_busy; }
    void SetBusy(bool busy) { m_busy = busy; }
    // Set once the user was warned of an invalid cross-connection in the BTS (or before a
    // read-back, where the warning would only repeat what was just sent).
    bool CrossConnectionWarned() const { return m_crossConnectionWarned; }
    void SetCrossConnectionWarned(bool warned) { m_crossConnectionWarned = warned; }
    // Sets a transfer step status of the configuration currently in BTS and tells the main
    // window.
    void SetTransferStatus(int step, int status);
    // Combiner types remembered by displayed number while cables are rebuilt in mode 1.
    std::array<int, 16>& RememberedCombinerTypes() { return m_rememberedTypes; }

    // A new unit of an Orvik kind; nullptr for kinds without a class.
    static std::unique_ptr<CUnit> CreateUnitOfKind(int kind);

    void RemoveOrMarkIdleCombiners(int mode, int selector) override;
    void ReleaseUnitCabling(CUnit& unit) override;
    void MoveDduCabling(int kind, int from, int to) override;
    void RebuildOccupancyMaps(int selector) override;
    bool PlacesFree(int selector, const CUnit& unit, const CUnit* ignore) override;
    CUnit* CreateCombinerUnit(int kind, int number, int selector) override;
    std::string TypeNameById(int typeId, int number, bool parentheses) override;
    bool EditBtsConfiguration() override;
    void Refresh(bool withDocument) override;
    int FamilyConstantA() const override { return 6; }
    int FamilyConstantB() const override { return 1; }
    void ResetBtsConfiguration() override;
    const UnitTypeRecord* CatalogueRow(int index) const override;
    void Download(bool fromConnection) override;
    void UnitReportedByBts(int objectClass, int number, const CLogicalUnit* reported) override;
    std::string KindName(int kind) const override;
    void SetCabinet(int clockSync, int lte, int vswr, int wcdma, int cabinetType, int mrc,
                    int selector) override;
    // Recomputes the band of the candidate from its transceivers; an illegal mix keeps it. Other
    // units of the band that pairs with the transceivers' one (bits of `otherUnitBands`) make it
    // the dual band, which leaves the units as they are.
    void RecomputeCandidateBand(int otherUnitBands = 0);

protected:
    std::unique_ptr<CDataBase> CreateDataBase() const override {
        return std::make_unique<CDataBaseKODA>();
    }

private:
    void BuildFirstCandidate();
    // The configuration that holds the unit: the candidate or the one currently in BTS.
    CDataBaseKODA* HolderOf(const CUnit& unit);

    bool m_busy = false;
    bool m_crossConnectionWarned = false;
    std::unique_ptr<CDataBaseKODA> m_template;
    std::unique_ptr<CUnit> m_extKettra;
    std::unique_ptr<CUnit> m_extOrvik;
    std::array<int, 16> m_rememberedTypes{};
};
