#pragma once
// What start-up and exit need from the rest of the program, behind small interfaces so that the
// sequence runs in tests without windows, links or child processes.

#include <string>
#include <vector>

#include "platform/StartupTarget.h"

// Messages to the user: boxes in the window program, standard error elsewhere.
class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    virtual void Information(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
};

// Starts the BTS link that the command line asked for.
class IConnectionStarter {
public:
    virtual ~IConnectionStarter() = default;
    virtual void StartConnection(ConnectionKind kind, const std::string& target) = 0;
    // Called at exit before handing back to Ostrel.
    virtual void StopConnection() = 0;
};

// Starts a program that outlives us.
class IProcessLauncher {
public:
    virtual ~IProcessLauncher() = default;
    virtual bool IsExecutable(const std::string& program) const = 0;
    virtual bool StartDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
};
