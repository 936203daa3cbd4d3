#pragma once
// Writing site configuration files for the configuration search: configurations made of the
// transceivers, DDUs and RTCs a case needs, in the file format the search reads.

#include <fstream>
#include <string>
#include <vector>

namespace searchtest {

struct SUnitEntry {
    int typeId = 0;
    int slot = -1;
    int index = -1;
};

struct SStoredConfig {
    SStoredConfig(std::string n, std::vector<int> t, std::vector<SUnitEntry> u = {}, int bcf = 6,
                  int site = 3, std::vector<std::pair<int, int>> tx = {})
        : name(std::move(n)), trxs(std::move(t)), units(std::move(u)), bcfType(bcf), siteType(site),
          txCombiners(std::move(tx)) {}

    std::string name;
    std::vector<int> trxs;         // TRX numbers, RVGA each
    std::vector<SUnitEntry> units; // DDU, RTC and other unit entries
    int bcfType = 6;
    int siteType = 3;
    // TX references of the transceivers (TRX number, combiner id); 0 means none.
    std::vector<std::pair<int, int>> txCombiners;
};

inline SUnitEntry Ddu(int place, int number = -1) {
    return {43, place, number};
}
inline SUnitEntry Rtc(int place, int number = -1) {
    return {40, place, number};
}

inline std::string Line(const std::string& keyword, const std::string& value) {
    std::string l = "\\" + keyword;
    l.resize(26, ' ');
    return l + value + "\r\n";
}

inline std::string ConfigText(const SStoredConfig& c) {
    std::string t;
    t += Line("SITE_NAME", "\"" + c.name + "\"");
    t += Line("SITE_TYPE", std::to_string(c.siteType));
    t += Line("SITE_UC_SW_VERSION", "14");
    t += Line("SITE_DESCRIPTION", "\"Archive entry " + c.name + "\"");
    t += Line("SITE_VALID", "1");
    t += Line("BCF_ID", "1");
    t += Line("BCF_TYPE", std::to_string(c.bcfType));
    t += Line("BCF_CLK_SYNC", "0");
    t += Line("CAB_AMOUNT", "1");
    t += Line("CAB_NUMBER", "1");
    t += Line("CAB_TYPE", "1");
    t += Line("CAB_LTE_INSTALLED", "0");
    t += Line("CAB_VSWR_MONITORED", "0");
    t += Line("CAB_WCDMA_UPGRADE", "0");
    t += Line("CAB_MRC_SUPPORT_WBC", "0");
    for (const SUnitEntry& u : c.units) {
        t += Line("CAB_UNIT_TYPE", std::to_string(u.typeId));
        t += Line("CAB_UNIT_SLOT", std::to_string(u.slot));
        if (u.index != -1) {
            t += Line("CAB_UNIT_INDEX", std::to_string(u.index));
        }
    }
    for (int n : c.trxs) {
        t += Line("CAB_TRX_ID", std::to_string(n));
        t += Line("CAB_TRX_UNIT_TYPE", "10");
        t += Line("CAB_TRX_LOG_ID", std::to_string(n));
        t += Line("CAB_TRX_BB2_XCON", std::to_string(n));
        for (const auto& [trx, combiner] : c.txCombiners) {
            if (trx == n) {
                t += Line("CAB_TRX_TX_CON", std::to_string(combiner));
                t += Line("CAB_TRX_RXM_CON", std::to_string(combiner));
            }
        }
    }
    return t;
}

inline std::string FileText(const std::vector<SStoredConfig>& configs) {
    std::string t = "Written for the configuration search tests\r\n";
    t += Line("VERSION", "3.00");
    for (const SStoredConfig& c : configs) {
        t += ConfigText(c);
    }
    t += Line("EOF", "");
    return t;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace searchtest
