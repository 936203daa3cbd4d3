#include "app/settings/UserAccessControl.h"

#include "app/settings/MachineSettings.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {

// getpwuid_r/getgrgid_r want a caller buffer; grow it while the system asks for more.
template <typename Lookup> bool WithBuffer(Lookup lookup) {
    long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
    size_t size = hint > 0 ? static_cast<size_t>(hint) : 1024;
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::vector<char> buffer(size);
        const int rc = lookup(buffer);
        if (rc != ERANGE) {
            return rc == 0;
        }
        size *= 4;
    }
    return false;
}

} // namespace

std::optional<QStringList> CSystemUserGroups::Groups() const {
    passwd pw{};
    passwd* found = nullptr;
    std::string name;
    gid_t primary = 0;
    const bool ok = WithBuffer([&](std::vector<char>& buf) {
        const int rc = getpwuid_r(getuid(), &pw, buf.data(), buf.size(), &found);
        if (rc == 0 && found != nullptr) {
            name = pw.pw_name;
            primary = pw.pw_gid;
        }
        return rc;
    });
    if (!ok || found == nullptr) {
        return std::nullopt;
    }

    int count = 32;
    std::vector<gid_t> gids(count);
    for (int attempt = 0; attempt < 8; ++attempt) {
        int n = count;
        if (getgrouplist(name.c_str(), primary, gids.data(), &n) >= 0) {
            gids.resize(n);
            break;
        }
        // n now holds the number needed.
        count = n > count ? n : count * 2;
        gids.assign(count, 0);
        if (attempt == 7) {
            return std::nullopt;
        }
    }

    QStringList names;
    for (gid_t gid : gids) {
        group gr{};
        group* g = nullptr;
        WithBuffer([&](std::vector<char>& buf) {
            const int rc = getgrgid_r(gid, &gr, buf.data(), buf.size(), &g);
            if (rc == 0 && g != nullptr && g->gr_name != nullptr) {
                names << QString::fromLocal8Bit(g->gr_name);
            }
            return rc;
        });
    }
    return names;
}

CUserAccessControl::CUserAccessControl(const CMachineSettings& machine, const IUserGroups& groups)
    : m_machine(machine), m_groups(groups) {}

bool CUserAccessControl::CheckingOn() const {
    if (m_machine.Distrusted()) {
        return true;
    }
    const auto value = m_machine.AccessLevels();
    return value && value->trimmed().compare(QLatin1String("On"), Qt::CaseInsensitive) == 0;
}

int CUserAccessControl::AccessLevel() const {
    if (!CheckingOn()) {
        return kFullControl;
    }
    const auto groups = m_groups.Groups();
    if (!groups) {
        return kReadOnly;
    }
    return groups->contains(QLatin1String(kAdminGroup), Qt::CaseSensitive) ? kFullControl
                                                                           : kReadOnly;
}
