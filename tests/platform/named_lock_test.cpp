#include <gtest/gtest.h>

#include "platform/NamedLock.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TempDir {
    TempDir() {
        char tmpl[] = "/tmp/cabrion-lock-test-XXXXXX";
        path = ::mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string path;
};

// Runs `body` in a child process and returns its exit status.
template <typename Body> int InChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(NamedLock, FirstHolderKeepsItUntilRelease) {
    TempDir dir;
    CNamedLock first("Global\\OSTREL_REMOTE_CONNECTION_BSC12_BCF3", dir.path);
    EXPECT_EQ(fs::path(first.Path()).parent_path(), fs::path(dir.path));
    EXPECT_EQ(fs::path(first.Path()).filename(),
              "cabrion-lock-Global_OSTREL_REMOTE_CONNECTION_BSC12_BCF3");

    // Machine-wide names never land in a per-user runtime folder.
    EXPECT_EQ(fs::path(CNamedLock(first.Name()).Path()).parent_path(),
              fs::path(CNamedLock::MachineDirectory()));

    ASSERT_EQ(first.TryAcquire(), CNamedLock::Result::Acquired);
    EXPECT_EQ(first.TryAcquire(), CNamedLock::Result::Acquired);

    // Another object in this process and another process both find it taken.
    CNamedLock second(first.Name(), dir.path);
    EXPECT_EQ(second.TryAcquire(), CNamedLock::Result::HeldElsewhere);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(InChild([&] {
                  CNamedLock other(first.Name(), dir.path);
                  return other.TryAcquire() == CNamedLock::Result::HeldElsewhere ? 0 : 1;
              }),
              0);

    first.Release();
    EXPECT_EQ(second.TryAcquire(), CNamedLock::Result::Acquired);
    // A process that ends drops its lock without releasing it.
    second.Release();
    EXPECT_EQ(InChild([&] {
                  static CNamedLock held(first.Name(), dir.path);
                  return held.TryAcquire() == CNamedLock::Result::Acquired ? 0 : 1;
              }),
              0);
    EXPECT_EQ(first.TryAcquire(), CNamedLock::Result::Acquired);
}

TEST(NamedLock, UnusableFolderFailsWithoutHolding) {
    CNamedLock lock("x", "/nonexistent-folder-for-cabrion");
    EXPECT_EQ(lock.TryAcquire(), CNamedLock::Result::Failed);
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_NE(lock.LastError(), 0);

    TempDir dir;
    // Names cannot climb out of the lock folder.
    CNamedLock sneaky("../../etc/passwd", dir.path);
    EXPECT_EQ(fs::path(sneaky.Path()).parent_path(), fs::path(dir.path));
    EXPECT_EQ(sneaky.TryAcquire(), CNamedLock::Result::Acquired);

    // A symbolic link in place of the lock file is not followed.
    fs::create_symlink(dir.path + "/target", dir.path + "/cabrion-lock-link");
    CNamedLock linked("link", dir.path);
    EXPECT_EQ(linked.TryAcquire(), CNamedLock::Result::Failed);
    EXPECT_FALSE(fs::exists(dir.path + "/target"));
}

namespace {

// Points the machine-wide lock folder somewhere else for one test.
class ScopedLockDir {
public:
    explicit ScopedLockDir(const std::string& dir) {
        if (const char* old = std::getenv(CNamedLock::kDirectoryVariable)) {
            m_old = old;
        }
        ::setenv(CNamedLock::kDirectoryVariable, dir.c_str(), 1);
    }
    ~ScopedLockDir() {
        if (m_old) {
            ::setenv(CNamedLock::kDirectoryVariable, m_old->c_str(), 1);
        } else {
            ::unsetenv(CNamedLock::kDirectoryVariable);
        }
    }

private:
    std::optional<std::string> m_old;
};

} // namespace

// Machine-wide locks need a folder where every user may create lock files and nobody may delete
// another's; a folder that does not promise that is passed over for the user's own.
TEST(NamedLock, MachineFolderMustKeepOtherUsersLocksSafe) {
    TempDir dir;
    ScopedLockDir use(dir.path);
    // Only the owner can write here: safe.
    ASSERT_EQ(::chmod(dir.path.c_str(), 0755), 0);
    EXPECT_EQ(CNamedLock::MachineDirectory(), dir.path);
    // Everybody may write and delete: unsafe.
    ASSERT_EQ(::chmod(dir.path.c_str(), 0777), 0);
    EXPECT_EQ(CNamedLock::MachineDirectory(), CNamedLock::DefaultDirectory());
    // Everybody may write, only owners delete (as in /tmp): safe.
    ASSERT_EQ(::chmod(dir.path.c_str(), 01777), 0);
    EXPECT_EQ(CNamedLock::MachineDirectory(), dir.path);
    CNamedLock global("Global\\X");
    EXPECT_EQ(fs::path(global.Path()).parent_path(), fs::path(dir.path));

    ScopedLockDir missing(dir.path + "/none");
    EXPECT_EQ(CNamedLock::MachineDirectory(), CNamedLock::DefaultDirectory());
}

// Whatever the creator's umask, every user can open the lock file to take the lock.
TEST(NamedLock, LockFileIsReadableByEveryUser) {
    TempDir dir;
    const mode_t old = ::umask(077);
    CNamedLock lock("Global\\Y", dir.path);
    const auto result = lock.TryAcquire();
    ::umask(old);
    ASSERT_EQ(result, CNamedLock::Result::Acquired);
    struct stat st {};
    ASSERT_EQ(::stat(lock.Path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}
