#include "app/startup/OstrelHandBack.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

OstrelCommand MakeOstrelCommand(const QString& baseDirectory, const std::string& handBackTarget) {
    OstrelCommand cmd;
    cmd.program = (baseDirectory + QStringLiteral("/Ostrel/Ostrel")).toStdString();
    if (!handBackTarget.empty()) {
        cmd.arguments = {"-target", handBackTarget};
    }
    return cmd;
}

bool HandBackToOstrel(const QString& baseDirectory, const std::string& handBackTarget,
                      IProcessLauncher& launcher) {
    const OstrelCommand cmd = MakeOstrelCommand(baseDirectory, handBackTarget);
    if (!launcher.IsExecutable(cmd.program)) {
        return false;
    }
    return launcher.StartDetached(cmd.program, cmd.arguments);
}

bool CProcessLauncher::IsExecutable(const std::string& program) const {
    const QFileInfo info(QString::fromStdString(program));
    return info.isFile() && info.isExecutable();
}

bool CProcessLauncher::StartDetached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments) {
        args << QString::fromStdString(a);
    }
    return QProcess::startDetached(QString::fromStdString(program), args);
}
