#include "app/settings/MachineSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file is opened once and checked through that descriptor, then read through it too: a
// name pointed elsewhere between the check and the read changes nothing.
class COpenedFile {
public:
    explicit COpenedFile(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)),
          m_errno(errno) {}
    ~COpenedFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    COpenedFile(const COpenedFile&) = delete;
    COpenedFile& operator=(const COpenedFile&) = delete;

    bool Missing() const { return m_fd < 0 && m_errno == ENOENT; }
    // Empty when only root can change what the descriptor reads.
    std::string Distrust() const {
        if (m_fd < 0) {
            return "it cannot be read";
        }
        struct stat st {};
        if (::fstat(m_fd, &st) != 0) {
            return "it cannot be read";
        }
        if (!S_ISREG(st.st_mode)) {
            return "it is not a regular file";
        }
        if (st.st_uid != 0) {
            return "it is not owned by root";
        }
        if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
            return "users other than root can write to it";
        }
        return {};
    }
    // The same open file, by a name that cannot be pointed elsewhere.
    QString Name() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
    int m_errno;
};

std::optional<QString> ReadValue(const QString& file, const QString& section, const QString& key) {
    QSettings ini(file, QSettings::IniFormat);
    const QVariant v = ini.value(section + QLatin1Char('/') + key);
    if (!v.isValid()) {
        return std::nullopt;
    }
    if (v.typeId() == QMetaType::QStringList) {
        return v.toStringList().join(QLatin1Char(','));
    }
    return v.toString();
}

} // namespace

namespace {

// The variable lets an administrator, or a test running as root, name another policy file; a
// user must not be able to name a file of their own and so give themselves full control.
QString ProgramFile(std::vector<std::string>& notes) {
    const QString fromEnv = qEnvironmentVariable(CMachineSettings::kPathVariable);
    if (fromEnv.isEmpty()) {
        return QString::fromLatin1(CMachineSettings::kDefaultPath);
    }
    std::string why;
    if (!QFileInfo::exists(fromEnv)) {
        why = "it does not exist";
    } else {
        CMachineSettings::Trusted(fromEnv, &why);
    }
    if (why.empty()) {
        return fromEnv;
    }
    notes.push_back("$" + std::string(CMachineSettings::kPathVariable) +
                    " is ignored: " + fromEnv.toStdString() + " is not used because " + why + ".");
    return QString::fromLatin1(CMachineSettings::kDefaultPath);
}

} // namespace

CMachineSettings::CMachineSettings() : CMachineSettings(QString(), true) {}

CMachineSettings::CMachineSettings(const QString& path, bool checkOwner)
    : m_path(path), m_checkTrust(checkOwner) {
    if (!checkOwner) {
        return;
    }
    if (m_path.isEmpty()) {
        m_path = ProgramFile(m_notes);
    }
    std::string why;
    if (!Trusted(m_path, &why)) {
        m_distrusted = true;
        m_notes.push_back("The machine settings " + m_path.toStdString() +
                          " are not used because " + why + "; access checking is on.");
    }
}

bool CMachineSettings::Trusted(const QString& path, std::string* why) {
    const COpenedFile file(path);
    if (file.Missing()) {
        return true;
    }
    const std::string distrust = file.Distrust();
    if (why != nullptr) {
        *why = distrust;
    }
    return distrust.empty();
}

std::optional<QString> CMachineSettings::Value(const QString& section, const QString& key) const {
    if (!m_checkTrust) {
        if (!QFileInfo(m_path).isFile()) {
            return std::nullopt;
        }
        return ReadValue(m_path, section, key);
    }
    if (m_distrusted) {
        return std::nullopt;
    }
    const COpenedFile file(m_path);
    if (file.Missing() || !file.Distrust().empty()) {
        return std::nullopt;
    }
    return ReadValue(file.Name(), section, key);
}

std::optional<QString> CMachineSettings::AccessLevels() const {
    return Value(QStringLiteral("2G_Managers"), QStringLiteral("Access Levels"));
}

std::optional<QString> CMachineSettings::ToolsBaseDirectory() const {
    return Value(QStringLiteral("Relko Communication Service"), QStringLiteral("TORVANEMGR"));
}

QString RemoveOneTrailingSeparator(QString path) {
    if (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))) {
        path.chop(1);
    }
    return path;
}

QString ToolsBaseDirectory(const CMachineSettings& machine) {
    QString base = machine.ToolsBaseDirectory().value_or(QString());
    if (base.isEmpty()) {
        base = qEnvironmentVariable("TORVANEMGR");
    }
    return RemoveOneTrailingSeparator(base);
}
