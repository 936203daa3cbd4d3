#include "files/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason() {
    return std::strerror(errno);
}

std::string Directory(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

} // namespace

std::string WriteFileAtomically(const std::string& givenPath, std::string_view bytes) {
    if (givenPath.empty())
        return "No file name was given.";
    // Through a symbolic link the file it names is replaced, not the link.
    std::string path = givenPath;
    struct stat link {};
    if (::lstat(givenPath.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* real = ::realpath(givenPath.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    const std::string dir = Directory(path);

    // Created with 0666 so the umask decides, as for a file written in place.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return "Cannot create a temporary file in " + dir + ": " + Reason();
    CFd file(fd);

    // A file that is replaced keeps its permissions.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);

    auto fail = [&](const std::string& what) {
        const std::string message = what + ": " + Reason();
        ::close(file.Release());
        ::unlink(temp.c_str());
        return message + " The previous file was left unchanged.";
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("Cannot write to " + temp);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail("Cannot flush " + temp + " to disk");
    if (::close(file.Release()) != 0) {
        const std::string message = "Cannot close " + temp + ": " + Reason();
        ::unlink(temp.c_str());
        return message + " The previous file was left unchanged.";
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string message = "Cannot replace " + path + ": " + Reason();
        ::unlink(temp.c_str());
        return message + " The previous file was left unchanged.";
    }
    // Make the rename itself durable; the data is already safe, so a failure here is ignored.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    CFd file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    // Straight into the string: a bounce buffer would copy every byte once more, and a file
    // read in pieces would grow (and copy) the string over and over. One byte of room beyond
    // the size seen tells a file that grew since, or a pipe that reports no size, to go on.
    std::size_t filled = 0;
    bytes.resize(static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)) + 1);
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(std::max<std::size_t>(bytes.size() * 2, 65536));
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            bytes.clear();
            return false;
        }
        if (n == 0) {
            bytes.resize(filled);
            return true;
        }
        filled += static_cast<std::size_t>(n);
    }
}
