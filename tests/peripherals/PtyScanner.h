#pragma once
// A pseudo-terminal standing in for a scanner on a serial port: the test writes to the master
// side what the scanner would send, the reader opens the slave side by its path.

#include <fcntl.h>
#include <pty.h>
#include <string>
#include <termios.h>
#include <unistd.h>

struct PtyScanner {
    PtyScanner() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            path = name;
            ::close(slave);
        }
    }
    ~PtyScanner() { CloseMaster(); }
    PtyScanner(const PtyScanner&) = delete;
    PtyScanner& operator=(const PtyScanner&) = delete;

    bool Send(const std::string& bytes) const {
        return ::write(master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Lets the line discipline move what was written to the reader's side.
    static void Settle() { ::usleep(20000); }
    void CloseMaster() {
        if (master >= 0) {
            ::close(master);
            master = -1;
        }
    }

    int master = -1;
    std::string path;
};
