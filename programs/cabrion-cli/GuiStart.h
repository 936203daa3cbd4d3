#pragma once
// The commands that draw need a GUI application object for fonts and painting; without a
// display it runs offscreen.

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace cli {

// Qt's notes about the runtime folder say nothing about the picture; other messages pass.
inline void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || text.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    std::cerr << text.toStdString() << "\n";
}

inline std::unique_ptr<QGuiApplication> StartGui() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "cabrion-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace cli
