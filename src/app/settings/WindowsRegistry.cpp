#include "app/settings/WindowsRegistry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString Key(const std::string& section, const std::string& entry) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
}

} // namespace

CWindowsRegistry::CWindowsRegistry(const QString& path)
    : m_settings(std::make_unique<QSettings>(path.isEmpty() ? DefaultPath() : path,
                                             QSettings::IniFormat)) {
    m_damaged = m_settings->status() == QSettings::FormatError;
}

void CWindowsRegistry::KeepDamagedFile() {
    // Only a write replaces the file, so copy it then, once, and not for copies that only read.
    if (!m_damaged || !m_damagedCopy.isEmpty()) {
        return;
    }
    const QString path = m_settings->fileName();
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmss"));
    QString copy = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 1; QFileInfo::exists(copy); ++n) {
        copy = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    }
    if (QFile::copy(path, copy)) {
        m_damagedCopy = copy;
    }
}

void CWindowsRegistry::StoreString(const std::string& section, const std::string& entry,
                                   const std::string& value) {
    KeepDamagedFile();
    m_settings->setValue(Key(section, entry), QString::fromStdString(value));
    m_settings->sync();
}

std::string CWindowsRegistry::LoadString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue) const {
    const QVariant v = m_settings->value(Key(section, entry));
    if (!v.isValid()) {
        return defaultValue;
    }
    // A hand-written value with an unquoted comma reads back as a list; it was one text.
    if (v.typeId() == QMetaType::QStringList) {
        return v.toStringList().join(QLatin1Char(',')).toStdString();
    }
    if (!v.canConvert<QString>()) {
        return defaultValue;
    }
    return v.toString().toStdString();
}

void CWindowsRegistry::StoreInt(const std::string& section, const std::string& entry, int value) {
    KeepDamagedFile();
    m_settings->setValue(Key(section, entry), value);
    m_settings->sync();
}

int CWindowsRegistry::LoadInt(const std::string& section, const std::string& entry,
                              int defaultValue) const {
    const QVariant v = m_settings->value(Key(section, entry));
    if (!v.isValid()) {
        return defaultValue;
    }
    // A value that is not a 32-bit decimal (damaged or hand-edited) counts as not stored.
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

QString CWindowsRegistry::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Torvane/Cabrion.ini");
}

void CWindowsRegistry::InstallAsPersistentStore(const QString& path) {
    SetPersistentRegistryFactory([path]() -> std::unique_ptr<CRegistry> {
        return std::make_unique<CWindowsRegistry>(path);
    });
}
