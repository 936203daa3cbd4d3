// Reading a large file for its problems in parts, on several threads. Each part begins at a
// SITE_NAME line, which starts a configuration wherever the reader stands, so a part reads
// exactly as the whole file would from there: its errors, with their line numbers moved past
// the parts before it, follow theirs in file order.
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "files/SCFReader.h"
#include "files/SiteConfigFile.h"

namespace {

// Below this a part costs more to start than it saves; more parts than threads even out
// processors that other work slows.
constexpr std::uint64_t kMinPartBytes = 1 << 20;
constexpr unsigned kPartsPerThread = 4;
constexpr unsigned kMaxParts = 32;

bool EndsKeyword(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool PreadAll(int fd, char* buffer, std::size_t want, std::uint64_t at, ssize_t& n) {
    do {
        n = ::pread(fd, buffer, want, static_cast<off_t>(at));
    } while (n < 0 && errno == EINTR);
    return n > 0;
}

// Where the line after the first keyword line begins, or `size`. That line must be the first
// part's: a file that does not begin with VERSION is told so at its first keyword line.
std::uint64_t AfterFirstKeywordLine(int fd, std::uint64_t size) {
    std::vector<char> chunk(64 * 1024);
    bool lineStart = true;
    bool keywordLine = false;
    ssize_t n = 0;
    for (std::uint64_t at = 0; at < size && PreadAll(fd, chunk.data(), chunk.size(), at, n);
         at += static_cast<std::uint64_t>(n)) {
        for (ssize_t i = 0; i < n; ++i) {
            const char c = chunk[static_cast<std::size_t>(i)];
            if (keywordLine) {
                if (c == '\n')
                    return at + static_cast<std::uint64_t>(i) + 1;
                continue;
            }
            keywordLine = lineStart && c == '\\';
            lineStart = c == '\n';
        }
    }
    return size;
}

// The offset of the first line at or after `from` that starts with the SITE_NAME keyword, or
// `size` when there is none.
std::uint64_t FindConfigurationStart(int fd, std::uint64_t from, std::uint64_t size) {
    constexpr std::string_view kStart = "\n\\SITE_NAME";
    constexpr std::size_t kChunk = 64 * 1024;
    std::vector<char> chunk(kChunk + kStart.size() + 1);
    // From the byte before, which must end a line.
    for (std::uint64_t at = from - 1; at < size;) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), size - at));
        ssize_t n = 0;
        if (!PreadAll(fd, chunk.data(), want, at, n))
            return size;
        const std::string_view bytes(chunk.data(), static_cast<std::size_t>(n));
        for (std::size_t hit = bytes.find(kStart); hit != std::string_view::npos;
             hit = bytes.find(kStart, hit + 1)) {
            const std::size_t after = hit + kStart.size();
            if (after < bytes.size() ? EndsKeyword(bytes[after]) : at + after == size)
                return at + hit + 1;
            if (after >= bytes.size())
                break;
        }
        if (at + bytes.size() >= size)
            return size;
        // The next chunk overlaps this one by a keyword, so that none is cut in two.
        at += bytes.size() - kStart.size();
    }
    return size;
}

// Readers of parts read at once would share the cache lines where one ends and the next
// begins, and slow each other down on every line.
struct alignas(64) SPartReader {
    SPartReader(CSiteConfigFile& file, int fd, std::uint64_t begin, std::uint64_t end)
        : reader(file, fd, begin, end) {}
    CSCFReader reader;
};

} // namespace

bool CSiteConfigFile::ReadFileProblems(const std::string& path, unsigned threads, unsigned parts) {
    Reset();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    // One thread reads the file as one part.
    if (parts == 0)
        parts = threads < 2 ? 1
                            : static_cast<unsigned>(std::min<std::uint64_t>(
                                  {size / kMinPartBytes, threads * kPartsPerThread, kMaxParts}));
    // Where each part begins; a pipe or a device is read as one.
    std::vector<std::uint64_t> starts{0};
    const std::uint64_t firstPart =
        S_ISREG(st.st_mode) && parts > 1 ? AfterFirstKeywordLine(fd, size) : size;
    for (unsigned k = 1; firstPart < size && k < parts; ++k) {
        const std::uint64_t start = FindConfigurationStart(
            fd, std::max({starts.back() + 1, size * k / parts, firstPart}), size);
        if (start >= size)
            break;
        starts.push_back(start);
    }
    if (starts.size() == 1) {
        ::close(fd);
        return ReadFileKeeping(path, false);
    }
    starts.push_back(size);

    // Part 0 reads into this file, each later one into a file of its own. The threads take
    // the parts in turn, so that one on a processor that other work slows reads fewer.
    const std::size_t count = starts.size() - 1;
    std::vector<CSiteConfigFile> files(count - 1);
    std::vector<std::unique_ptr<SPartReader>> owned;
    for (std::size_t k = 0; k < count; ++k) {
        owned.push_back(std::make_unique<SPartReader>(k == 0 ? *this : files[k - 1], fd, starts[k],
                                                      starts[k + 1]));
        owned.back()->reader.KeepSites(false);
    }
    const auto reader = [&](std::size_t k) -> CSCFReader& { return owned[k]->reader; };
    bool ok = true;
    if (reader(0).ReadVersionLine()) {
        std::atomic<std::size_t> next{0};
        const bool oldVersion = reader(0).OldVersion();
        const auto work = [&] {
            for (std::size_t k; (k = next.fetch_add(1)) < count;) {
                if (k == 0)
                    reader(0).ReadBody();
                else
                    reader(k).ReadPart(oldVersion);
            }
        };
        {
            const unsigned helpers = std::min<unsigned>(threads, count) - 1;
            std::vector<std::jthread> started;
            started.reserve(helpers);
            for (unsigned t = 0; t < helpers; ++t)
                started.emplace_back(work);
            work();
        }
        ok = !reader(0).ReadFailed();
        int linesBefore = reader(0).LinesRead();
        // An "\EOF" line ends the file: what follows it is not read.
        bool ended = !reader(0).ReachedEnd();
        for (std::size_t k = 1; k < count && ok && !ended; ++k) {
            ok = !reader(k).ReadFailed();
            AppendPart(files[k - 1], linesBefore);
            linesBefore += reader(k).LinesRead();
            ended = !reader(k).ReachedEnd();
        }
    } else {
        ok = !reader(0).ReadFailed();
    }
    ::close(fd);
    if (!ok)
        Reset();
    return ok;
}

void CSiteConfigFile::AppendPart(CSiteConfigFile& part, int linesBefore) {
    for (CSCFParseError& error : part.m_errors) {
        error.line += linesBefore;
        m_errors.push_back(std::move(error));
    }
    // A value read is never empty: what a part left empty it did not read.
    const auto later = [](std::string& mine, std::string& theirs) {
        if (!theirs.empty())
            mine = std::move(theirs);
    };
    later(m_header.bscId, part.m_header.bscId);
    later(m_header.bscName, part.m_header.bscName);
    later(m_header.workOrderId, part.m_header.workOrderId);
    later(m_header.workOrderDescription, part.m_header.workOrderDescription);
    later(m_header.arfcnScan, part.m_header.arfcnScan);
    later(m_header.gatewayArfcnScan, part.m_header.gatewayArfcnScan);
    later(m_version, part.m_version);
    m_line = std::move(part.m_line);
    m_lineNumber = part.m_lineNumber + linesBefore;
}
