#include "files/SiteConfigFile.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "files/AtomicFile.h"
#include "files/SCFReader.h"
#include "files/SCFWriter.h"

bool IsXmlPlanPath(std::string_view path) {
    if (path.size() < 4)
        return false;
    std::string ext(path.substr(path.size() - 4));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".ewb";
}

CSiteConfigFile::CSiteConfigFile(std::string path) : m_path(std::move(path)) {
    if (m_path.empty() || IsXmlPlanPath(m_path))
        return;
    ReadFile(m_path);
}

CSiteConfigFile::~CSiteConfigFile() = default;

void CSiteConfigFile::Reset() {
    m_sites.clear();
    m_errors.clear();
    m_header = {};
    m_version.clear();
    m_line.clear();
    m_lineNumber = 0;
    m_headerMissing = false;
}

void CSiteConfigFile::ReadBytes(std::string_view bytes) {
    Reset();
    CSCFReader reader(*this, bytes);
    reader.Read();
}

bool CSiteConfigFile::ReadFile(const std::string& path) {
    return ReadFileKeeping(path, true);
}

bool CSiteConfigFile::ReadFileKeeping(const std::string& path, bool keepSites) {
    Reset();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    if (ok) {
        CSCFReader reader(*this, fd);
        reader.KeepSites(keepSites);
        reader.Read();
        ok = !reader.ReadFailed();
    }
    ::close(fd);
    // Half a file is not offered as the file.
    if (!ok)
        Reset();
    return ok;
}

CSCFSite& CSiteConfigFile::AddSite(std::unique_ptr<CSCFSite> site) {
    m_sites.push_back(std::move(site));
    return *m_sites.back();
}

void CSiteConfigFile::RemoveSite(const CSCFSite* site) {
    std::erase_if(m_sites, [site](const auto& s) { return s.get() == site; });
    // Errors keep the name; the pointer would dangle.
    for (auto& e : m_errors)
        if (e.site == site)
            e.site = nullptr;
}

std::vector<std::unique_ptr<CSCFSite>> CSiteConfigFile::TakeSites() {
    for (auto& e : m_errors)
        e.site = nullptr;
    return std::exchange(m_sites, {});
}

CSCFSite* CSiteConfigFile::FindSite(std::string_view name) const {
    for (const auto& s : m_sites)
        if (s->name == name)
            return s.get();
    return nullptr;
}

std::string CSiteConfigFile::HeaderFailureMessage() const {
    char buf[96];
    std::snprintf(buf, sizeof buf, "Syntax Error  %d: %.30s", m_lineNumber, m_line.c_str());
    return buf;
}

bool CSiteConfigFile::IsSupportedVersion() const {
    return IsOldVersion() || IsCurrentVersion();
}

bool CSiteConfigFile::IsOldVersion() const {
    return m_version.find("2.00") != std::string::npos ||
           m_version.find("2.10") != std::string::npos;
}

bool CSiteConfigFile::IsCurrentVersion() const {
    return m_version.find(kCurrentVersion) != std::string::npos;
}

std::string CSiteConfigFile::WriteToString() const {
    return WriteSCFText(*this);
}

CSaveResult CSiteConfigFile::Write(const std::string& path) const {
    if (IsXmlPlanPath(path))
        return {false, "Cannot save " + path +
                           ": XML configuration plans are written by the "
                           "plan writer."};
    const std::string error = WriteFileAtomically(path, WriteToString());
    if (!error.empty())
        return {false, error};
    return {};
}
