#pragma once
// Pictures of windows for a person to look at: in the build folder's screenshots/<area>, or
// where CABRION_SHOTS_DIR points.

#include <QDir>
#include <QString>
#include <QWidget>

namespace testsupport {

inline void Shoot(QWidget& w, const QString& area, const QString& name) {
    const QString dir =
        qEnvironmentVariableIsSet("CABRION_SHOTS_DIR")
            ? qEnvironmentVariable("CABRION_SHOTS_DIR")
            : QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots/") + area;
    QDir().mkpath(dir);
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace testsupport
