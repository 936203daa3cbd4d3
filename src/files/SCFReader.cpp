#include "files/SCFReader.h"

#include <limits>

#include "files/SCFFields.h"
#include "files/SCFKeywords.h"
#include "files/SCFValues.h"

using namespace scf_fields;

CSCFReader::CSCFReader(CSiteConfigFile& file, std::string_view bytes)
    : m_file(file), m_scanner(bytes) {}

CSCFReader::CSCFReader(CSiteConfigFile& file, int fd) : m_file(file), m_scanner(fd) {}

CSCFReader::CSCFReader(CSiteConfigFile& file, int fd, std::uint64_t begin, std::uint64_t end)
    : m_file(file), m_scanner(fd, begin, end) {}

template <class Handler> void CSCFReader::Block(std::uint32_t level, Handler&& handle) {
    for (;;) {
        Classify();
        if (m_id != kwNone && handle(m_id))
            continue;
        if (m_level < level)
            return;
        if (m_level > level && m_level != kLevelUnknown)
            AddError(ESCFErrorType::Misplaced);
        Skip();
    }
}

template <class Rec, std::size_t N>
bool CSCFReader::Plain(const CSCFField<Rec> (&table)[N], Rec& record, std::uint32_t id) {
    for (const CSCFField<Rec>& field : table) {
        if (field.id != id)
            continue;
        switch (field.value) {
        case ESCFValue::Number:
            IntField(record.*field.number);
            return true;
        case ESCFValue::Quoted:
            QuotedField(record.*field.text);
            return true;
        case ESCFValue::Line:
            LineField(record.*field.text);
            return true;
        case ESCFValue::Own:
            return false;
        }
    }
    return false;
}

void CSCFReader::Read() {
    if (ReadVersionLine())
        ReadBody();
}

void CSCFReader::ReadPart(bool oldVersion) {
    m_oldVersion = oldVersion;
    Advance();
    ReadFileBlock();
}

bool CSCFReader::ReadVersionLine() {
    Advance();
    Classify();
    if (m_id != kwVersion) {
        // Not a configuration file at all: report where, read nothing.
        if (m_level != kLevelUnknown || m_file.m_errors.empty())
            AddError(ESCFErrorType::Missing);
        else
            m_file.m_errors.back().type = ESCFErrorType::Missing;
        m_file.m_headerMissing = true;
        m_file.m_line = std::string(m_line);
        m_file.m_lineNumber = m_lineNumber;
        return false;
    }
    if (const auto version = ReadLineText(); !version) {
        m_file.m_errors.back().type = ESCFErrorType::Version;
    } else {
        m_file.m_version.assign(*version);
        if (!m_file.IsSupportedVersion())
            AddError(ESCFErrorType::Version);
    }
    m_oldVersion = m_file.IsOldVersion() && !m_file.IsCurrentVersion();
    return true;
}

void CSCFReader::ReadBody() {
    Advance();
    ReadFileBlock();
}

void CSCFReader::ReadFileBlock() {
    Block(1, [&](std::uint32_t id) {
        if (Plain(kHeaderFields, m_file.m_header, id))
            return true;
        switch (id) {
        case kwVersion:
            LineField(m_file.m_version);
            return true;
        case kwSiteName:
            ReadSite();
            return true;
        default:
            return false;
        }
    });
    m_file.m_line = std::string(m_line);
    m_file.m_lineNumber = m_lineNumber;
}

void CSCFReader::ReadSite() {
    const auto name = ReadQuoted();
    if (!name) {
        Advance();
        return;
    }
    auto owned = std::make_unique<CSCFSite>();
    CSCFSite& site = *owned;
    const std::size_t firstError = m_file.m_errors.size();
    site.name.assign(*name);
    m_site = &site;
    Advance();
    Block(2, [&](std::uint32_t id) {
        if (Plain(kSiteFields, site, id))
            return true;
        switch (id) {
        case kwSiteType: {
            int v = 0;
            if (ReadInt(v))
                site.siteTypeRead = site.siteType = v;
            Advance();
            return true;
        }
        case kwSiteUcSwVersion: {
            int v = site.ucSwVersion.Level();
            IntField(v);
            site.ucSwVersion = CUcSwVersion(v);
            return true;
        }
        case kwBcfId: {
            int v = 0;
            if (OpenBlock(v, 65535)) {
                site.bcfId = static_cast<std::uint16_t>(v);
                ReadBcf(site);
            }
            return true;
        }
        case kwTreEquipmentName: {
            if (const auto treName = ReadQuoted()) {
                site.tre.equipmentName.assign(*treName);
                Advance();
                ReadTre(site);
            } else {
                Advance();
            }
            return true;
        }
        default:
            return false;
        }
    });
    if (m_keepSites) {
        m_file.m_sites.push_back(std::move(owned));
    } else {
        for (std::size_t i = firstError; i < m_file.m_errors.size(); ++i)
            m_file.m_errors[i].site = nullptr;
    }
    m_site = nullptr;
}

void CSCFReader::ReadBcf(CSCFSite& site) {
    Block(3, [&](std::uint32_t id) {
        if (Plain(kBcfFields, site, id))
            return true;
        switch (id) {
        case kwBcfType: {
            int v = 0;
            if (ReadInt(v))
                site.bcfTypeRead = site.bcfType = v;
            Advance();
            return true;
        }
        case kwOmLinkNumber: {
            int v = 0;
            if (OpenBlock(v)) {
                site.omLinkNumber = v;
                Block(5, [&](std::uint32_t om) { return Plain(kOmFields, site, om); });
            }
            return true;
        }
        case kwCabAmount:
            ReadCabinetAmount(site);
            return true;
        case kwBtsId: {
            if (const auto btsId = ReadLineText()) {
                site.btsList.push_back(CSCFBts{});
                site.btsList.back().btsId.assign(*btsId);
                Advance();
                ReadBts(site);
            } else {
                Advance();
            }
            return true;
        }
        default:
            return false;
        }
    });
}

void CSCFReader::ReadCabinetAmount(CSCFSite& site) {
    int v = 0;
    if (!ReadInt(v)) {
        Advance();
        return;
    }
    site.cabinetAmount = v;
    Advance();
    Block(4, [&](std::uint32_t id) {
        if (id != kwCabNumber)
            return false;
        ReadCabinet(site);
        return true;
    });
}

void CSCFReader::ReadCabinet(CSCFSite& site) {
    CSCFCabinet cabinet;
    if (!OpenBlock(cabinet.cabinetNumber))
        return;
    Block(5, [&](std::uint32_t id) {
        if (Plain(kCabinetFields, cabinet, id))
            return true;
        switch (id) {
        case kwCabUnitType:
            ReadUnit(cabinet);
            return true;
        case kwInput:
            ReadAlarmLine(cabinet, true);
            return true;
        case kwOutput:
            ReadAlarmLine(cabinet, false);
            return true;
        case kwCabTrxId:
            ReadTrxCabling(cabinet);
            return true;
        case kwCabAntenna:
            ReadAntenna(cabinet);
            return true;
        default:
            return false;
        }
    });
    site.cabinets.push_back(std::move(cabinet));
}

void CSCFReader::ReadUnit(CSCFCabinet& cabinet) {
    CSCFUnit unit;
    if (!OpenBlock(unit.typeId))
        return;
    Block(6, [&](std::uint32_t id) { return Plain(kUnitFields, unit, id); });
    cabinet.units.push_back(unit);
}

void CSCFReader::ReadAlarmLine(CSCFCabinet& cabinet, bool input) {
    CSCFAlarmLine line;
    line.isInput = input;
    int number = 0;
    if (!ReadInt(number)) {
        Advance();
        return;
    }
    if (number < 1 || number > (input ? 24 : 6)) {
        AddError(ESCFErrorType::Value);
        Advance();
        return;
    }
    line.number = number;
    Advance();
    Block(6, [&](std::uint32_t id) {
        return input ? Plain(kInputFields, line, id) : Plain(kOutputFields, line, id);
    });
    (input ? cabinet.inputs : cabinet.outputs).push_back(std::move(line));
}

void CSCFReader::ReadTrxCabling(CSCFCabinet& cabinet) {
    CSCFTrxCabling trx;
    if (!ReadBlockNumber(trx.trxNumber)) {
        Advance();
        return;
    }
    const int idLineNumber = m_lineNumber;
    // For the error below, which comes after later lines have replaced this one. The buffer
    // is the reader's, so its room is allocated once for all records.
    m_trxIdLine.assign(m_line);
    bool unitTypeReported = false;
    Advance();
    Block(6, [&](std::uint32_t id) {
        if (Plain(kTrxCablingFields, trx, id))
            return true;
        if (id != kwCabTrxUnitType)
            return false;
        int code = 0;
        if (ReadInt(code)) {
            trx.trxUnitTypeId = TrxUnitTypeFromCode(code);
            // Said out loud: a record without a known unit is saved as its number only.
            if (trx.trxUnitTypeId < 0)
                AddError(ESCFErrorType::Value);
        }
        unitTypeReported = trx.trxUnitTypeId < 0;
        Advance();
        return true;
    });
    // Without a known unit type a record is saved as its number only; cabling read for it
    // would vanish at the next save, so that is said here unless the type line already was.
    CSCFTrxCabling numberOnly;
    numberOnly.trxNumber = trx.trxNumber;
    if (trx.trxUnitTypeId < 0 && !unitTypeReported && !(trx == numberOnly))
        AddErrorAt(ESCFErrorType::Value, idLineNumber, m_trxIdLine);
    cabinet.trxCablings.push_back(trx);
}

void CSCFReader::ReadAntenna(CSCFCabinet& cabinet) {
    CSCFAntenna antenna;
    if (!OpenBlock(antenna.antennaNumber))
        return;
    Block(6, [&](std::uint32_t id) {
        if (Plain(kAntennaFields, antenna, id))
            return true;
        switch (id) {
        case kwCabAntMha: {
            int v = 0;
            if (ReadInt(v)) {
                if (!m_oldVersion)
                    antenna.mhaType = v;
                else if (v < std::numeric_limits<int>::max())
                    antenna.mhaType = v + 1; // old files count MHA types from 0
                else
                    AddError(ESCFErrorType::Value);
            }
            Advance();
            return true;
        }
        case kwCabAntCblAtten: {
            if (const auto text = ReadLineText()) {
                if (const auto v = ParseAttenuation(*text))
                    antenna.cableAttenuation = *v;
                else
                    AddError(ESCFErrorType::Value);
            }
            Advance();
            return true;
        }
        case kwCabAntCositeMha: {
            int v = 0;
            if (!m_oldVersion && ReadInt(v)) {
                if (v == 0 || v == 1)
                    antenna.cositeMha = v;
                else
                    AddError(ESCFErrorType::Value);
            }
            Advance();
            return true;
        }
        default:
            return false;
        }
    });
    cabinet.antennas.push_back(antenna);
}

void CSCFReader::ReadBts(CSCFSite& site) {
    // The BTS stays at the back of the list while its block is read; index it, since network
    // TRXs grow other lists only.
    const std::size_t index = site.btsList.size() - 1;
    Block(4, [&](std::uint32_t id) {
        if (Plain(kBtsFields, site.btsList[index], id))
            return true;
        if (id != kwTrxId)
            return false;
        // The BTS list does not grow while its TRXs are read.
        ReadNetworkTrx(site, site.btsList[index].btsId);
        return true;
    });
}

void CSCFReader::ReadNetworkTrx(CSCFSite& site, const std::string& btsId) {
    CSCFNetworkTrx trx;
    if (!ReadBlockNumber(trx.trxId)) {
        Advance();
        return;
    }
    trx.btsId = btsId;
    Advance();
    Block(5, [&](std::uint32_t id) { return Plain(kNetworkTrxFields, trx, id); });
    site.networkTrxs.push_back(std::move(trx));
}

void CSCFReader::ReadTre(CSCFSite& site) {
    CSCFSiteTre& tre = site.tre;
    // Index of the TRE unit that TRE_UNIT_SLOT and TRE_INTERFACE_ID refer to; none after a
    // unit type that could not be read, so its lines do not land on the previous unit.
    int current = -1;
    Block(3, [&](std::uint32_t id) {
        if (Plain(kTreFields, tre, id))
            return true;
        if (current >= 0 && Plain(kTreUnitFields, tre.units[current], id))
            return true;
        switch (id) {
        case kwTreTrunetDisable:
        case kwTreTrunetSpeed: {
            int v = 0;
            if (ReadInt(v))
                (id == kwTreTrunetDisable ? tre.trunetDisable : tre.trunetSpeed) = v != 0 ? 1 : 0;
            Advance();
            return true;
        }
        case kwTreUnitType: {
            int code = 0;
            current = -1;
            if (ReadInt(code)) {
                const int typeId = TreUnitTypeFromCode(code);
                if (typeId < 0) {
                    AddError(ESCFErrorType::Value);
                } else {
                    tre.units.push_back(CSCFSiteTreUnit{});
                    tre.units.back().typeId = typeId;
                    current = static_cast<int>(tre.units.size()) - 1;
                }
            }
            Advance();
            return true;
        }
        case kwTreInterfaceId:
            if (current < 0)
                return false;
            ReadTreInterface(tre.units[current]);
            return true;
        case kwTreManagement: {
            int v = 0;
            if (OpenBlock(v)) {
                tre.management.managementType = v;
                ReadManagement(site);
            }
            return true;
        }
        case kwTreSyncPriority:
            ReadSync(tre);
            return true;
        case kwMwrHopName:
            ReadHop(tre);
            return true;
        default:
            return false;
        }
    });
}

void CSCFReader::ReadTreInterface(CSCFSiteTreUnit& unit) {
    CSCFTreInterface itf;
    if (!OpenBlock(itf.id))
        return;
    Block(4, [&](std::uint32_t id) { return Plain(kTreInterfaceFields, itf, id); });
    unit.interfaces.push_back(std::move(itf));
}

void CSCFReader::ReadManagement(CSCFSite& site) {
    Block(4, [&](std::uint32_t id) {
        if (Plain(kManagementFields, site.tre.management, id))
            return true;
        // Sites of type 2 keep their cabinets here.
        if (id != kwCabAmount || site.siteTypeRead != kSiteTypeNotWritten)
            return false;
        ReadCabinetAmount(site);
        return true;
    });
}

void CSCFReader::ReadSync(CSCFSiteTre& tre) {
    CSCFTreSync sync;
    if (!OpenBlock(sync.priority))
        return;
    Block(4, [&](std::uint32_t id) { return Plain(kSyncFields, sync, id); });
    tre.syncs.push_back(sync);
}

void CSCFReader::ReadHop(CSCFSiteTre& tre) {
    CSCFHop hop;
    const auto name = ReadQuoted();
    if (name)
        hop.name.assign(*name);
    Advance();
    if (!name)
        return;
    Block(4, [&](std::uint32_t id) {
        if (Plain(kHopFields, hop, id))
            return true;
        if (id != kwMwrHopOuType)
            return false;
        int code = 0;
        if (ReadInt(code)) {
            hop.ouTypeId = HopOuTypeFromCode(code);
            if (hop.ouTypeId < 0)
                AddError(ESCFErrorType::Value);
        }
        Advance();
        return true;
    });
    tre.hops.push_back(std::move(hop));
}
