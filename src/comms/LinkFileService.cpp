// The file service of the link: the BTS asks for a file by name and the link sends it in
// numbered data frames, one per acknowledgement.
#include "comms/LinkSession.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kFileRunning = 1;
constexpr int kFileFailed = 2;
constexpr int kFileSent = 4;
constexpr int kFileAcknowledged = 6;

// Bytes from..to of the body up to the first blank, with anything that could leave the
// file folder replaced: the name comes from the BTS.
std::string NameField(std::span<const uint8_t> body, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i <= to && i < body.size(); ++i) {
        const char c = static_cast<char>(body[i]);
        if (c == ' ' || c == '\0') {
            break;
        }
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '*';
        text += safe ? c : '_';
    }
    return text;
}

int ErrorCodeOf(std::span<const uint8_t> body) {
    if (body.size() < 10) {
        return 0xFFFF;
    }
    return body[8] | (body[9] << 8);
}

} // namespace

std::string CLinkSession::DefaultFilePrefix() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    return (error ? std::filesystem::path("/tmp") : folder).string() + "/srv";
}

void CLinkSession::CloseFile() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

void CLinkSession::FailFile(int errorCode) {
    CloseFile();
    m_fileActive = false;
    m_fileFrame.clear();
    m_relay.UpdateFileStatus([&](SFileServiceStatus& s) {
        s.status = kFileFailed;
        s.errorCode = errorCode;
    });
}

void CLinkSession::FinishFile(int status) {
    CloseFile();
    m_fileActive = false;
    m_fileFrame.clear();
    m_relay.UpdateFileStatus([&](SFileServiceStatus& s) {
        s.status = status;
        s.progress = 100;
    });
}

void CLinkSession::FileRequest(std::span<const uint8_t> body) {
    if (body.size() < 27) {
        return;
    }
    std::string name = NameField(body, 7, 14);
    const std::string extension = NameField(body, 15, 17);
    m_sendDirection = body[26] == 1;
    std::string path;
    if (name == "********") {
        path = m_filePrefix + (m_fileNames.empty() ? std::string() : m_fileNames.front());
    } else {
        std::replace(name.begin(), name.end(), '*', '_');
        path = m_filePrefix + name + "." + extension;
    }
    CloseFile();
    m_fileActive = true;
    m_sequence = 0;
    m_fileFrame.clear();
    m_relay.UpdateFileStatus([&](SFileServiceStatus& s) {
        s.status = kFileRunning;
        s.errorCode = 0;
        s.progress = 0;
        s.fileName = path;
    });
    if (!m_sendDirection) {
        return;
    }
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file) {
        FailFile(0xFFFF);
        return;
    }
    std::fseek(m_file, 0, SEEK_END);
    m_fileSize = std::ftell(m_file);
    std::fseek(m_file, 0, SEEK_SET);
    PrepareFileFrame();
}

void CLinkSession::PrepareFileFrame() {
    if (!m_file) {
        return;
    }
    uint8_t data[frame::kMaxBody];
    const size_t read = std::fread(data, 1, sizeof data, m_file);
    bool ended = read < sizeof data;
    if (!ended) {
        const int probe = std::fgetc(m_file);
        if (probe == EOF) {
            ended = true;
        } else {
            std::fseek(m_file, -1, SEEK_CUR);
        }
    }
    if (read == 0) {
        // Nothing to send (an empty file): a frame cannot carry zero bytes.
        FailFile(0xFFFF);
        return;
    }
    const uint8_t flags = ended             ? frame::kLastChunk
                          : m_sequence == 0 ? frame::kFirstChunk
                                            : frame::kMiddleChunk;
    m_fileFrame = frame::Make(frame::kClassFile, flags, static_cast<uint8_t>(m_sequence & 0xFF),
                              std::span<const uint8_t>(data, read));
    ++m_sequence;
    // Files shorter than one frame are done with their first.
    const double sent = static_cast<double>(m_sequence) * frame::kMaxBody;
    const double progress =
        m_fileSize > 0 ? std::min(100.0, sent / static_cast<double>(m_fileSize) * 100.0) : 100.0;
    m_relay.UpdateFileStatus([&](SFileServiceStatus& s) { s.progress = progress; });
    if (ended) {
        CloseFile();
    }
    m_shared.waiting = 1;
    m_shared.wake.Set();
}

void CLinkSession::FileEnd(std::span<const uint8_t> body) {
    if (body.size() > 7 && body[7] == 1 && m_sendDirection && !m_file) {
        FinishFile(kFileSent);
        return;
    }
    FailFile(ErrorCodeOf(body));
}

void CLinkSession::FileAck(std::span<const uint8_t> body) {
    if (body.size() > 7 && body[7] == 1) {
        if (m_sendDirection && !m_file) {
            FinishFile(kFileAcknowledged);
        } else {
            PrepareFileFrame();
        }
        return;
    }
    FailFile(ErrorCodeOf(body));
}
