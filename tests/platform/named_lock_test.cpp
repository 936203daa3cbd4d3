#include <gtest/gtest.h>

#include "platform/NamedLock.h"

#include <filesystem>
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
    EXPECT_EQ(fs::path(CNamedLock(first.Name()).Path()).parent_path(), "/tmp");

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
