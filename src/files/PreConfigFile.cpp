#include "files/PreConfigFile.h"

#include "files/SCFSite.h"

void CPreConfigFile::Reset() {
    name = kDefaultName;
    description = kDefaultDescription;
    for (int i = 0; i < kTrxCount; ++i)
        m_logicalTrx[i] = i + 1;
    cabling = {};
    cabinetType = 0;
    lteFlag = 0;
    state1 = 0;
    state2 = 0;
    stateText.clear();
}

void CPreConfigFile::LoadFromSite(const CSCFSite& site, int cabinetNumber) {
    Reset();
    if (site.cabinets.empty())
        return;
    std::size_t index = cabinetNumber > 0 ? static_cast<std::size_t>(cabinetNumber - 1) : 0;
    if (index >= site.cabinets.size())
        index = site.cabinets.size() - 1;
    const CSCFCabinet& cab = site.cabinets[index];
    cabinetType = cab.cabinetType;
    // -1 means "not set", which must not read as "LTE installed".
    lteFlag = cab.lteInstalled > 0 ? 1 : 0;
    // TRX numbers run 1-12 and the table is read by position, so TRX n fills position n - 1.
    for (const CSCFTrxCabling& t : cab.trxCablings)
        SetLogicalTrx(t.trxNumber - 1, t.logicalId);
}

bool CPreConfigFile::SetLogicalTrx(int position, int logicalNumber) {
    if (position < 0 || position >= kTrxCount)
        return false;
    m_logicalTrx[position] = logicalNumber;
    return true;
}
