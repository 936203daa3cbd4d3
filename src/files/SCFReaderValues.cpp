// Reading the values of the current line and recording what is wrong with it.
#include <algorithm>
#include <string>

#include "files/SCFKeywords.h"
#include "files/SCFReader.h"
#include "files/SCFValues.h"

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

} // namespace

void CSCFReader::Advance() {
    m_scanner.Next();
    m_line = m_scanner.Line();
    m_lineNumber = m_scanner.LineNumber();
    m_classified = false;
}

void CSCFReader::Classify() {
    if (m_classified)
        return;
    m_classified = true;
    m_column = m_scanner.ValueStart();
    const CSCFKeyword* kw = m_keywords.Find(m_line.substr(1, m_scanner.KeywordEnd() - 1));
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
    // Nearly every value is a few plain digits at the value column: read them in the one pass
    // that finds the token's end. Anything else (a sign, leading blanks, ten digits or more, a
    // bad character) takes the general way below, which decides alone what is an error.
    {
        const char* const p = m_line.data();
        const std::size_t n = m_line.size();
        std::size_t k = m_column;
        unsigned digit = 0;
        if (k < n && (digit = static_cast<unsigned char>(p[k]) - unsigned{'0'}) <= 9) {
            unsigned value = digit;
            const std::size_t stop = std::min(n, k + 9);
            while (++k < stop && (digit = static_cast<unsigned char>(p[k]) - unsigned{'0'}) <= 9)
                value = value * 10 + digit;
            if (k == n || p[k] == ' ' || p[k] == '\t' || p[k] == ',') {
                out = static_cast<int>(value);
                return true;
            }
        }
    }
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
