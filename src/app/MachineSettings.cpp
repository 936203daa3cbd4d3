#include "app/MachineSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

CMachineSettings::CMachineSettings(const QString& path) : m_path(path) {
    if (m_path.isEmpty()) {
        const QString fromEnv = qEnvironmentVariable(kPathVariable);
        m_path = fromEnv.isEmpty() ? QString::fromLatin1(kDefaultPath) : fromEnv;
    }
}

std::optional<QString> CMachineSettings::Value(const QString& section, const QString& key) const {
    if (!QFileInfo(m_path).isFile()) {
        return std::nullopt;
    }
    QSettings ini(m_path, QSettings::IniFormat);
    const QVariant v = ini.value(section + QLatin1Char('/') + key);
    if (!v.isValid()) {
        return std::nullopt;
    }
    if (v.typeId() == QMetaType::QStringList) {
        return v.toStringList().join(QLatin1Char(','));
    }
    return v.toString();
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
