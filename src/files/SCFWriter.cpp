#include "files/SCFWriter.h"

#include <algorithm>
#include <charconv>

#include "cabrion_version.h"
#include "files/SCFFields.h"
#include "files/SCFKeywords.h"
#include "files/SCFValues.h"
#include "files/SiteConfigFile.h"

using namespace scf_fields;

namespace {

constexpr std::size_t kKeywordWidth = 25;
constexpr std::string_view kCrLf = "\r\n";

class CLineWriter {
public:
    explicit CLineWriter(std::string& out) : m_out(out) {}

    void Int(ESCFKeyword kw, int value) {
        Key(kw);
        // The format has no negative numbers.
        char buf[16];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::max(value, 0));
        m_out.append(buf, static_cast<std::size_t>(end - buf));
        m_out += kCrLf;
    }
    void Unsigned(ESCFKeyword kw, unsigned value) {
        Key(kw);
        char buf[16];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
        m_out.append(buf, static_cast<std::size_t>(end - buf));
        m_out += kCrLf;
    }
    void Quoted(ESCFKeyword kw, std::string_view text) {
        Key(kw);
        m_out += '"';
        if (text.find('"') == std::string_view::npos) {
            Text(text);
        } else {
            // A double quote would end the value early and lose the rest (a "19" rack"
            // description); a single quote keeps the whole text readable.
            std::string safe(text);
            std::replace(safe.begin(), safe.end(), '"', '\'');
            Text(safe);
        }
        m_out += '"';
        m_out += kCrLf;
    }
    void Line(ESCFKeyword kw, std::string_view text) {
        Key(kw);
        Text(LineValue(text));
        m_out += kCrLf;
    }

    // A negative value goes out as 0; where 0 is the value left out, it is left out too, so the
    // next save writes the same text as this one.
    void IntUnless(ESCFKeyword kw, int value, int skipped) {
        if (value != skipped && std::max(value, 0) != skipped)
            Int(kw, value);
    }
    void QuotedIfAny(ESCFKeyword kw, std::string_view text) {
        if (!text.empty())
            Quoted(kw, text);
    }
    // A line text is read from its first non-blank character, so one that is blank (or becomes
    // blank once line breaks are taken out) would not come back: it is not written.
    void LineIfAny(ESCFKeyword kw, std::string_view text) {
        text = LineValue(text);
        if (text.find_first_not_of(" \t\r\n") != std::string_view::npos)
            Line(kw, text);
    }

private:
    static std::string_view LineValue(std::string_view text) {
        const std::size_t start = text.find_first_not_of(" \t\r\n");
        return start == std::string_view::npos ? std::string_view() : text.substr(start);
    }
    void Key(ESCFKeyword kw) {
        const std::string_view name = SCFKeywordName(kw);
        m_out += '\\';
        m_out += name;
        if (name.size() < kKeywordWidth)
            m_out.append(kKeywordWidth - name.size(), ' ');
    }
    // A line break inside a value would end the line early and could even start a keyword
    // line of its own; it is written as a blank.
    void Text(std::string_view text) {
        if (text.find_first_of("\r\n") == std::string_view::npos) {
            m_out += text;
            return;
        }
        for (char c : text)
            m_out += (c == '\r' || c == '\n') ? ' ' : c;
    }

    std::string& m_out;
};

// Ids compare as they will read back, line breaks and leading blanks taken out.
std::string WrittenLineText(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    std::string out(start == std::string_view::npos ? std::string_view() : text.substr(start));
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

bool SameBtsId(const std::string& a, const std::string& b) {
    return a == b || WrittenLineText(a) == WrittenLineText(b);
}

// Writes a block's lines in table order; own(id) writes a row marked Own and returns false when
// the rest of the block must not be written.
template <class Rec, std::size_t N, class OwnRows>
void WriteFields(CLineWriter& w, const CSCFField<Rec> (&table)[N], const Rec& record,
                 OwnRows&& own) {
    for (const CSCFField<Rec>& field : table) {
        switch (field.write) {
        case ESCFWrite::Always:
            if (field.number != nullptr)
                w.Int(field.id, record.*field.number);
            else if (field.value == ESCFValue::Quoted)
                w.Quoted(field.id, record.*field.text);
            else
                w.Line(field.id, record.*field.text);
            break;
        case ESCFWrite::UnlessUnset:
            w.IntUnless(field.id, record.*field.number, -1);
            break;
        case ESCFWrite::UnlessZero:
            w.IntUnless(field.id, record.*field.number, 0);
            break;
        case ESCFWrite::IfAny:
            if (field.value == ESCFValue::Quoted)
                w.QuotedIfAny(field.id, record.*field.text);
            else
                w.LineIfAny(field.id, record.*field.text);
            break;
        case ESCFWrite::Own:
            if (!own(field.id))
                return;
            break;
        }
    }
}

template <class Rec, std::size_t N>
void WriteFields(CLineWriter& w, const CSCFField<Rec> (&table)[N], const Rec& record) {
    WriteFields(w, table, record, [](ESCFKeyword) { return true; });
}

void WriteCabinet(CLineWriter& w, const CSCFCabinet& cab) {
    w.Int(kwCabNumber, cab.cabinetNumber);
    WriteFields(w, kCabinetFields, cab, [&](ESCFKeyword id) {
        switch (id) {
        case kwCabUnitType:
            for (const CSCFUnit& unit : cab.units) {
                if (unit.typeId >= 900)
                    continue;
                w.Int(kwCabUnitType, unit.typeId);
                WriteFields(w, kUnitFields, unit);
            }
            break;
        case kwInput:
            for (const CSCFAlarmLine& in : cab.inputs) {
                w.Int(kwInput, in.number);
                WriteFields(w, kInputFields, in);
            }
            break;
        case kwOutput:
            for (const CSCFAlarmLine& out : cab.outputs) {
                w.Int(kwOutput, out.number);
                WriteFields(w, kOutputFields, out);
            }
            break;
        case kwCabTrxId:
            for (const CSCFTrxCabling& t : cab.trxCablings) {
                w.Int(kwCabTrxId, t.trxNumber);
                WriteFields(w, kTrxCablingFields, t, [&](ESCFKeyword) {
                    const int code = TrxUnitTypeToCode(t.trxUnitTypeId);
                    if (code >= 0)
                        w.Int(kwCabTrxUnitType, code);
                    return code >= 0;
                });
            }
            break;
        case kwCabAntenna:
            for (const CSCFAntenna& a : cab.antennas) {
                w.Int(kwCabAntenna, a.antennaNumber);
                WriteFields(w, kAntennaFields, a, [&](ESCFKeyword) {
                    if (a.cableAttenuation != kAttenuationNotSet)
                        w.Line(kwCabAntCblAtten, FormatAttenuation(a.cableAttenuation));
                    return true;
                });
            }
            break;
        default:
            break;
        }
        return true;
    });
}

void WriteBts(CLineWriter& w, const CSCFSite& site) {
    for (std::size_t b = 0; b < site.btsList.size(); ++b) {
        const CSCFBts& bts = site.btsList[b];
        w.Line(kwBtsId, bts.btsId);
        WriteFields(w, kBtsFields, bts, [&](ESCFKeyword) {
            // Under the first BTS of that id only: two BTSs sharing an id must not duplicate
            // their TRXs at every save.
            const bool firstOfId = std::none_of(
                site.btsList.begin(), site.btsList.begin() + static_cast<long>(b),
                [&](const CSCFBts& other) { return SameBtsId(other.btsId, bts.btsId); });
            if (!firstOfId)
                return true;
            for (const CSCFNetworkTrx& t : site.networkTrxs) {
                if (!SameBtsId(t.btsId, bts.btsId))
                    continue;
                w.Int(kwTrxId, t.trxId);
                WriteFields(w, kNetworkTrxFields, t);
            }
            return true;
        });
    }
}

void WriteBcf(CLineWriter& w, const CSCFSite& site) {
    // Always written, 0 included: without it the BCF block and its cabinets would be
    // misplaced when the file is read again.
    w.Unsigned(kwBcfId, site.bcfId);
    WriteFields(w, kBcfFields, site, [&](ESCFKeyword id) {
        switch (id) {
        case kwOmLinkNumber:
            if (site.omLinkNumber != -1) {
                w.Int(kwOmLinkNumber, site.omLinkNumber);
                WriteFields(w, kOmFields, site);
            }
            break;
        case kwCabAmount:
            if (!site.cabinets.empty()) {
                w.Int(kwCabAmount, static_cast<int>(site.cabinets.size()));
                for (const CSCFCabinet& cab : site.cabinets)
                    WriteCabinet(w, cab);
            }
            break;
        case kwBtsId:
            WriteBts(w, site);
            break;
        default:
            break;
        }
        return true;
    });
}

void WriteTre(CLineWriter& w, const CSCFSiteTre& tre) {
    if (tre.equipmentName.empty())
        return;
    w.Quoted(kwTreEquipmentName, tre.equipmentName);
    WriteFields(w, kTreFields, tre, [&](ESCFKeyword id) {
        switch (id) {
        case kwTreUnitType:
            for (const CSCFSiteTreUnit& unit : tre.units) {
                const int code = TreUnitTypeToCode(unit.typeId);
                if (code < 0)
                    continue;
                w.Int(kwTreUnitType, code);
                WriteFields(w, kTreUnitFields, unit, [&](ESCFKeyword) {
                    for (const CSCFTreInterface& itf : unit.interfaces) {
                        w.Int(kwTreInterfaceId, itf.id);
                        WriteFields(w, kTreInterfaceFields, itf);
                    }
                    return true;
                });
            }
            break;
        case kwTreManagement:
            if (tre.management.managementType != -1) {
                w.Int(kwTreManagement, tre.management.managementType);
                WriteFields(w, kManagementFields, tre.management);
            }
            break;
        case kwTreSyncPriority:
            for (const CSCFTreSync& s : tre.syncs) {
                w.Int(kwTreSyncPriority, s.priority);
                WriteFields(w, kSyncFields, s);
            }
            break;
        case kwMwrHopName:
            for (const CSCFHop& hop : tre.hops) {
                if (hop.name.empty())
                    continue;
                w.Quoted(kwMwrHopName, hop.name);
                WriteFields(w, kHopFields, hop, [&](ESCFKeyword) {
                    const int ou = HopOuTypeToCode(hop.ouTypeId);
                    if (ou >= 0)
                        w.Int(kwMwrHopOuType, ou);
                    return true;
                });
            }
            break;
        default:
            break;
        }
        return true;
    });
}

void WriteSite(CLineWriter& w, const CSCFSite& site) {
    w.Quoted(kwSiteName, site.name);
    WriteFields(w, kSiteFields, site, [&](ESCFKeyword id) {
        switch (id) {
        case kwSiteUcSwVersion:
            w.Int(kwSiteUcSwVersion, site.ucSwVersion.Level());
            break;
        case kwBcfId:
            WriteBcf(w, site);
            break;
        case kwTreEquipmentName:
            WriteTre(w, site.tre);
            break;
        default:
            break;
        }
        return true;
    });
}

} // namespace

std::string WriteSCFText(const CSiteConfigFile& file) {
    std::string out;
    out.reserve(4096 + file.Sites().size() * 6144);
    out += "This file was created with Torvane Cabrion Version ";
    out += CABRION_VERSION;
    out += kCrLf;
    CLineWriter w(out);
    WriteFields(w, kHeaderFields, file.Header(), [&](ESCFKeyword id) {
        if (id == kwVersion) {
            w.Line(kwVersion, CSiteConfigFile::kCurrentVersion);
            return true;
        }
        for (const auto& site : file.Sites()) {
            if (site->siteType == kSiteTypeNotWritten)
                continue;
            WriteSite(w, *site);
        }
        return true;
    });
    w.Line(kwEof, "");
    return out;
}
