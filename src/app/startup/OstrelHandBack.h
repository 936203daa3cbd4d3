#pragma once
// When Ostrel started us, we start it again at exit and give it back the remote BTS we were
// connected to, so that the engineer returns to where they came from.

#include "app/startup/StartupSeams.h"

#include <QString>

#include <string>
#include <vector>

struct OstrelCommand {
    std::string program;                // base directory + "/Ostrel/Ostrel"
    std::vector<std::string> arguments; // "-target" and the target, when there is one
};

OstrelCommand MakeOstrelCommand(const QString& baseDirectory, const std::string& handBackTarget);

// Starts Ostrel when its program exists. Returns whether it was started.
bool HandBackToOstrel(const QString& baseDirectory, const std::string& handBackTarget,
                      IProcessLauncher& launcher);

// The real launcher: QProcess::startDetached.
class CProcessLauncher : public IProcessLauncher {
public:
    bool IsExecutable(const std::string& program) const override;
    bool StartDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
};
