#pragma once
// Fakes for the seams of start-up, shared by the application tests.

#include "app/settings/UserAccessControl.h"
#include "app/startup/StartupSeams.h"
#include "platform/SobriquetResolver.h"

#include <QFile>
#include <QString>

#include <optional>
#include <string>
#include <vector>

struct RecordingMessages : IUserMessages {
    void Information(const std::string& text) override { information.push_back(text); }
    void Error(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> information;
    std::vector<std::string> errors;
};

struct FixedGroups : IUserGroups {
    explicit FixedGroups(std::optional<QStringList> g) : groups(std::move(g)) {}
    std::optional<QStringList> Groups() const override { return groups; }
    std::optional<QStringList> groups;
};

struct RecordingConnection : IConnectionStarter {
    void StartConnection(ConnectionKind kind, const std::string& target) override {
        started.push_back({kind, target});
    }
    void StopConnection() override { ++stops; }
    std::vector<std::pair<ConnectionKind, std::string>> started;
    int stops = 0;
};

struct RecordingLauncher : IProcessLauncher {
    bool IsExecutable(const std::string& program) const override {
        return QFile::exists(QString::fromStdString(program));
    }
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override {
        launched.push_back({program, arguments});
        return true;
    }
    std::vector<std::pair<std::string, std::vector<std::string>>> launched;
};

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
