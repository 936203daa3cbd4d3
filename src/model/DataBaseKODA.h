#pragma once
// An Orvik configuration: adds to the common database the occupancy of the multicoupler and
// combiner columns, the state of a transfer to the BTS, the cabinet settings and the twelve
// antenna records.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Antenna.h"
#include "model/DataBase.h"

struct SCabinetSettings {
    int clockSync = 0; // 0 auto detect off, 1 on, 2 LMU master, 3 LMU master in chain
    int lte = 0;
    int vswr = 0; // only carried to and from files
    int wcdma = 0;
    int cabinetType = 0; // the cabinet classes' type values
    int mrc = 0;
    bool operator==(const SCabinetSettings&) const = default;
};

class CDataBaseKODA : public CDataBase {
public:
    static constexpr int kPlaces = 14;
    static constexpr int kAntennas = 12;
    static constexpr int kContinuation = 255;

    CDataBaseKODA();
    std::unique_ptr<CDataBase> CreateEmpty() const override;

    // Occupancy of places 1-14: the kind at a unit's first place, 255 further on, 0 free.
    std::array<int, kPlaces>& MulticouplerMap() { return m_multicouplerMap; }
    std::array<int, kPlaces>& CombinerMap() { return m_combinerMap; }
    const std::array<int, kPlaces>& MulticouplerMap() const { return m_multicouplerMap; }
    const std::array<int, kPlaces>& CombinerMap() const { return m_combinerMap; }
    void RebuildOccupancyMaps();

    // Transfer steps 1-3 of a download or fetch.
    int TransferStatus(int step) const;
    void SetTransferStatus(int step, int status);
    bool TransferPending(int step) const;
    void SetTransferPending(int step, bool pending);

    // The second configuration file as the BTS last gave it (a fetched configuration), whole
    // whatever its length; not copied.
    const std::vector<uint8_t>& SecondFileCopy() const { return m_secondFile; }
    void SetSecondFileCopy(std::vector<uint8_t> bytes) { m_secondFile = std::move(bytes); }

    // Whether the BTS holds cabling for this configuration (a fetched one); not copied.
    bool CablingPresent() const { return m_cablingPresent; }
    void SetCablingPresent(bool present) { m_cablingPresent = present; }

    int CableColouring() const { return m_cableColouring; }
    void SetCableColouring(int option) { m_cableColouring = option; }
    // What new configurations take as their cable colouring option.
    static void SetDefaultCableColouring(int option);

    const SCabinetSettings& CabinetSettings() const { return m_cabinet; }
    void SetCabinetSettings(const SCabinetSettings& settings) { m_cabinet = settings; }
    static const char* ClockSyncText(int mode);
    // "Indoor, Clock Sync. is Autodetect On, LTE is in use".
    std::string SummaryLine() const;

    // Antenna 1-12; nullptr outside.
    CAntenna* Antenna(int number);
    const CAntenna* Antenna(int number) const;
    // The attenuation text of antenna 1-12; "Invalid unit" when the configuration has no MHA of
    // that number to carry it.
    std::string AntennaAttenuationText(int number) const;

protected:
    void CopyFamilySettings(const CDataBase& other) override;

private:
    std::array<int, kPlaces> m_multicouplerMap{};
    std::array<int, kPlaces> m_combinerMap{};
    std::array<int, 3> m_transferStatus{};
    std::array<bool, 3> m_transferPending{};
    int m_cableColouring = 0;
    bool m_cablingPresent = false;
    std::vector<uint8_t> m_secondFile;
    SCabinetSettings m_cabinet;
    std::array<CAntenna, kAntennas> m_antennas{};
};

// The first place of a unit in its column (multicoupler or combiner), 1-based.
int ColumnFirstPlace(const CUnit& unit);
