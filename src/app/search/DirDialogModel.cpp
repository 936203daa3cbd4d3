#include "app/search/DirDialogModel.h"

#include <cctype>
#include <filesystem>
#include <sys/statfs.h>
#include <system_error>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// "\\server" or "//server" with nothing after the server: a share must be named too.
bool NamesOnlyAServer(const std::string& p) {
    if (p.size() < 3 || !IsSeparator(p[0]) || !IsSeparator(p[1])) {
        return false;
    }
    std::size_t end = p.size();
    while (end > 2 && IsSeparator(p[end - 1])) {
        --end;
    }
    for (std::size_t i = 2; i < end; ++i) {
        if (IsSeparator(p[i])) {
            return false;
        }
    }
    return true;
}

// Drive letters name nothing here; a path typed as on the systems the archives come from is
// refused as the drive it names would be there when missing.
bool NamesADrive(const std::string& p) {
    return p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':';
}

constexpr long kIso9660 = 0x9660;
constexpr long kUdf = 0x15013346;
constexpr long kNfs = 0x6969;
constexpr long kSmb = 0x517B;
constexpr long kCifs = 0xFF534D42L;
constexpr long kSmb2 = 0xFE534D42L;

CDirDialogModel::EDriveKind SystemDriveKind(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path existing = fs::absolute(path, ec);
    while (!existing.empty() && !fs::exists(existing, ec) && existing.has_relative_path()) {
        existing = existing.parent_path();
    }
    struct statfs info {};
    if (::statfs(existing.c_str(), &info) == 0) {
        const long type = static_cast<long>(info.f_type);
        if (type == kIso9660 || type == kUdf) {
            return CDirDialogModel::EDriveKind::kCdRom;
        }
        if (type == kNfs || type == kSmb || type == kCifs || type == kSmb2) {
            return CDirDialogModel::EDriveKind::kNetwork;
        }
    }
    const std::string text = existing.string();
    if (text.rfind("/media/", 0) == 0 || text.rfind("/run/media/", 0) == 0) {
        return CDirDialogModel::EDriveKind::kRemovable;
    }
    return CDirDialogModel::EDriveKind::kOther;
}

} // namespace

CDirDialogModel::SFileSystem CDirDialogModel::System() {
    SFileSystem fs;
    fs.kind = [](const std::string& p) {
        std::error_code ec;
        const auto status = std::filesystem::status(p, ec);
        if (ec || !std::filesystem::exists(status)) {
            return 0;
        }
        return std::filesystem::is_directory(status) ? 1 : 2;
    };
    fs.createAll = [](const std::string& p) {
        std::error_code ec;
        std::filesystem::create_directories(p, ec);
        return !ec && std::filesystem::is_directory(p, ec);
    };
    fs.driveKind = SystemDriveKind;
    return fs;
}

std::string CDirDialogModel::Result(const std::string& typed) {
    std::string p = typed;
    while (p.size() > 1 && IsSeparator(p.back())) {
        p.pop_back();
    }
    return p;
}

CDirDialogModel::SCheck CDirDialogModel::Check(const std::string& typed) const {
    if (NamesOnlyAServer(typed)) {
        return {EVerdict::kRefuse, typed + kNotValid};
    }
    if (NamesADrive(typed)) {
        return {EVerdict::kRefuse, typed + kDriveInvalid};
    }
    if (typed.empty()) {
        return {EVerdict::kRefuse, typed + kNotValid};
    }
    switch (m_fs.kind(typed)) {
    case 1:
        return {EVerdict::kAccept, Result(typed)};
    case 2:
        return {EVerdict::kRefuse, typed + kIsFile};
    default:
        return {EVerdict::kAskCreate, typed + kCreateQuestion};
    }
}

CDirDialogModel::SCheck CDirDialogModel::Create(const std::string& typed) const {
    if (m_fs.createAll(typed)) {
        return {EVerdict::kAccept, Result(typed)};
    }
    switch (m_fs.driveKind(typed)) {
    case EDriveKind::kRemovable:
        return {EVerdict::kRefuse, kRemovableFailed};
    case EDriveKind::kNetwork:
        return {EVerdict::kRefuse, kNetworkFailed};
    case EDriveKind::kCdRom:
        return {EVerdict::kRefuse, kCdRomFailed};
    default:
        return {EVerdict::kRefuse, kOtherFailed};
    }
}
