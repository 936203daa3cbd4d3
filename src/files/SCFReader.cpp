#include "files/SCFReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <unistd.h>

#include "files/SCFFields.h"
#include "files/SCFKeywords.h"
#include "files/SCFValues.h"

using namespace scf_fields;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeadingBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.substr(i);
}

constexpr std::string_view kEofLine = "\\EOF";

} // namespace

CSCFReader::CSCFReader(CSiteConfigFile& file, std::string_view bytes)
    : m_file(file), m_bytes(bytes) {}

CSCFReader::CSCFReader(CSiteConfigFile& file, int fd) : m_file(file), m_fd(fd) {}

bool CSCFReader::Refill() {
    if (m_fd < 0 || m_sourceDone)
        return false;
    // The unread rest (part of a line) moves to the front; a line longer than the whole
    // window doubles it.
    const std::string_view rest = m_bytes.substr(m_pos);
    if (m_window.empty()) {
        m_window.resize(kWindowBytes);
    } else if (rest.size() == m_window.size()) {
        std::string bigger(m_window.size() * 2, '\0');
        std::memcpy(bigger.data(), rest.data(), rest.size());
        m_window.swap(bigger);
    } else if (!rest.empty()) {
        std::memmove(m_window.data(), rest.data(), rest.size());
    }
    const std::size_t kept = rest.size();
    m_bytes = std::string_view(m_window.data(), kept);
    m_pos = 0;
    ssize_t n = 0;
    do {
        n = ::read(m_fd, m_window.data() + kept, m_window.size() - kept);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        m_sourceDone = true;
        m_readFailed = n < 0;
        return false;
    }
    m_bytes = std::string_view(m_window.data(), kept + static_cast<std::size_t>(n));
    return true;
}

void CSCFReader::Advance() {
    m_classified = false;
    for (;;) {
        std::size_t end = m_bytes.find('\n', m_pos);
        // The rest of the line may still be in the file.
        if (end == std::string_view::npos && Refill())
            continue;
        if (m_pos >= m_bytes.size())
            break;
        end = m_bytes.find('\n', m_pos);
        const std::size_t stop = end == std::string_view::npos ? m_bytes.size() : end;
        std::string_view line = m_bytes.substr(m_pos, stop - m_pos);
        m_pos = end == std::string_view::npos ? m_bytes.size() : end + 1;
        ++m_lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line.front() == '\\') {
            // A carriage return inside a line (mixed line ends, a stray CR before CR LF) is
            // read as the blank the writer turns it into: a value that reads one way and is
            // written another need not survive the next save. A BTS id of a lone CR, say,
            // would be written back empty, and the next reading would drop the BTS with all
            // its TRXs; read as a blank it is an empty value, reported at once.
            if (line.find('\r') != std::string_view::npos) {
                m_lineCopy.assign(line);
                std::replace(m_lineCopy.begin(), m_lineCopy.end(), '\r', ' ');
                line = m_lineCopy;
            }
            m_line = line;
            return;
        }
    }
    m_line = kEofLine;
}

void CSCFReader::Classify() {
    if (m_classified)
        return;
    m_classified = true;
    std::size_t blank = 0;
    while (blank < m_line.size() && !IsBlank(m_line[blank]))
        ++blank;
    m_column = blank < m_line.size() ? blank + 1 : blank;
    const CSCFKeyword* kw = FindSCFKeyword(m_line.substr(1, blank - 1));
    if (kw == nullptr) {
        m_id = kwNone;
        m_level = kLevelUnknown;
        AddError(ESCFErrorType::Unidentified);
        return;
    }
    m_id = kw->id;
    m_level = kw->level;
}

void CSCFReader::AddError(ESCFErrorType type) {
    AddErrorAt(type, m_lineNumber, m_line);
}

void CSCFReader::AddErrorAt(ESCFErrorType type, int lineNumber, std::string_view line) {
    CSCFParseError error;
    error.line = lineNumber;
    error.type = type;
    error.text = std::string(line);
    error.site = m_site;
    if (m_site != nullptr)
        error.siteName = m_site->name;
    std::size_t blank = 0;
    while (blank < line.size() && !IsBlank(line[blank]))
        ++blank;
    error.keyword = std::string(line.substr(0, blank));
    error.value = std::string(TrimLeadingBlanks(line.substr(blank)));
    m_file.m_errors.push_back(std::move(error));
}

bool CSCFReader::ReadInt(int& out) {
    std::size_t i = m_column;
    while (i < m_line.size() && IsBlank(m_line[i]))
        ++i;
    std::size_t end = i;
    while (end < m_line.size() && !IsBlank(m_line[end]) && m_line[end] != ',')
        ++end;
    // A token that is not a number is reported rather than turned into an arbitrary value.
    const auto value = ParseSCFInteger(m_line.substr(i, end - i));
    if (!value) {
        AddError(ESCFErrorType::Value);
        return false;
    }
    out = *value;
    return true;
}

bool CSCFReader::ReadBlockNumber(int& out, int max) {
    int value = 0;
    if (!ReadInt(value))
        return false;
    if (value < 0 || value > max) {
        AddError(ESCFErrorType::Value);
        return false;
    }
    out = value;
    return true;
}

bool CSCFReader::OpenBlock(int& out, int max) {
    const bool ok = ReadBlockNumber(out, max);
    Advance();
    return ok;
}

std::optional<std::string_view> CSCFReader::ReadQuoted() {
    std::string_view rest = TrimLeadingBlanks(m_line.substr(m_column));
    if (rest.empty() || rest.front() != '"') {
        AddError(ESCFErrorType::Value);
        return std::nullopt;
    }
    rest.remove_prefix(1);
    rest = rest.substr(0, rest.find('"'));
    if (rest.empty()) {
        AddError(ESCFErrorType::Value);
        return std::nullopt;
    }
    return rest;
}

std::optional<std::string_view> CSCFReader::ReadLineText() {
    const std::string_view rest = TrimLeadingBlanks(m_line.substr(m_column));
    if (rest.empty()) {
        AddError(ESCFErrorType::Value);
        return std::nullopt;
    }
    return rest;
}

void CSCFReader::IntField(int& field) {
    int value = 0;
    if (ReadInt(value))
        field = value;
    Advance();
}

void CSCFReader::QuotedField(std::string& field) {
    if (const auto value = ReadQuoted())
        field.assign(*value);
    Advance();
}

void CSCFReader::LineField(std::string& field) {
    if (const auto value = ReadLineText())
        field.assign(*value);
    Advance();
}

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
        return;
    }
    if (const auto version = ReadLineText(); !version) {
        m_file.m_errors.back().type = ESCFErrorType::Version;
    } else {
        m_file.m_version.assign(*version);
        if (!m_file.IsSupportedVersion())
            AddError(ESCFErrorType::Version);
    }
    m_oldVersion = m_file.IsOldVersion() && !m_file.IsCurrentVersion();
    Advance();

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
    m_file.m_sites.push_back(std::move(owned));
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
