#include "app/settings/DocumentsFolder.h"

#include <QDir>
#include <QStandardPaths>

std::string DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return QDir::toNativeSeparators(folder).toStdString();
}
