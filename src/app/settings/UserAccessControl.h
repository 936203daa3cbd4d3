#pragma once
// Decides what the user may do with a BTS: full control, or read only when the machine has
// access checking switched on and the user is not an administrator of BTSs.

#include <QString>
#include <QStringList>

#include <optional>

class CMachineSettings;

// The names of the groups the current user belongs to; nullopt when they cannot be found out.
class IUserGroups {
public:
    virtual ~IUserGroups() = default;
    virtual std::optional<QStringList> Groups() const = 0;
};

// The groups of the user who runs the program, from the system's user and group database
// (all groups the account belongs to, not only those of this login session).
class CSystemUserGroups : public IUserGroups {
public:
    std::optional<QStringList> Groups() const override;
};

class CUserAccessControl {
public:
    static constexpr int kReadOnly = 0;
    static constexpr int kFullControl = 1;
    static constexpr const char* kAdminGroup = "Torvane BTS_Admins";

    CUserAccessControl(const CMachineSettings& machine, const IUserGroups& groups);

    // Full control unless checking is on; with checking on, full control only for members of
    // kAdminGroup (exact name). Unknown groups give read only. A machine file that users may
    // have changed counts as checking on.
    int AccessLevel() const;
    bool CheckingOn() const;

private:
    const CMachineSettings& m_machine;
    const IUserGroups& m_groups;
};
