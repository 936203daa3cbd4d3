#pragma once
// The summary of a pre-defined configuration that the wizard and the document keep: name,
// description, cabinet type, LTE flag and the logical TRX numbering of the configuration.

#include <array>
#include <string>

struct CSCFSite;

class CPreConfigFile {
public:
    static constexpr int kTrxCount = 12;
    static constexpr const char* kDefaultName = "New Pre-defined Configuration";
    static constexpr const char* kDefaultDescription =
        "Create a new Pre-defined Configuration file.";

    CPreConfigFile() { Reset(); }

    void Reset();
    // Takes the n-th cabinet record (from 1; the last one when the site has fewer).
    void LoadFromSite(const CSCFSite& site, int cabinetNumber);
    // Positions 0-11; false for any other.
    bool SetLogicalTrx(int position, int logicalNumber);

    int LogicalTrx(int position) const {
        return position >= 0 && position < kTrxCount ? m_logicalTrx[position] : -1;
    }

    std::string name;
    std::string description;
    std::array<std::array<int, 3>, kTrxCount> cabling{};
    int cabinetType = 0;
    int lteFlag = 0;
    int state1 = 0;
    int state2 = 0;
    std::string stateText;

private:
    std::array<int, kTrxCount> m_logicalTrx{};
};
