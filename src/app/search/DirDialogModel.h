#pragma once
// The checks of the folder chooser behind "Browse...": what a typed folder must be before the
// chooser closes on it, the question that offers to create a missing one, and why creating it
// failed. The file system is reached through a small seam so that tests can stand in for drives
// that cannot be made on demand (a write-protected stick, a read-only disc, a network share).

#include <functional>
#include <string>

class CDirDialogModel {
public:
    static constexpr const char* kNotValid = "\nThis is not a valid folder.";
    static constexpr const char* kDriveInvalid = "\nThe drive is invalid.";
    static constexpr const char* kIsFile = "\nThis is a file not a directory.";
    static constexpr const char* kCreateQuestion =
        "\nThis folder does not exist.\n\nDo you want to create it?";
    static constexpr const char* kRemovableFailed =
        "You cannot create this folder.\nThe medium may be write-protected.";
    static constexpr const char* kNetworkFailed =
        "You do not have permission to create\nthis folder on the network.";
    static constexpr const char* kCdRomFailed =
        "You cannot create this folder\nas the CD ROM medium is read-only.";
    static constexpr const char* kOtherFailed =
        "You do not have permission\nto create this folder.";

    enum class EDriveKind { kOther, kRemovable, kNetwork, kCdRom };
    enum class EVerdict { kAccept, kRefuse, kAskCreate };

    struct SCheck {
        EVerdict verdict = EVerdict::kRefuse;
        // The message to show (kRefuse, kAskCreate), or the folder to return (kAccept).
        std::string text;
    };

    struct SFileSystem {
        // 0 missing, 1 folder, 2 anything else.
        std::function<int(const std::string&)> kind;
        std::function<bool(const std::string&)> createAll;
        std::function<EDriveKind(const std::string&)> driveKind;
    };
    // The real file system.
    static SFileSystem System();

    explicit CDirDialogModel(SFileSystem fs = System()) : m_fs(std::move(fs)) {}

    // "Open" on the typed path.
    SCheck Check(const std::string& typed) const;
    // Yes on the create question: the folder with every missing level, or why not.
    SCheck Create(const std::string& typed) const;
    // The folder the chooser returns: no trailing separator, except on the root.
    static std::string Result(const std::string& typed);

private:
    SFileSystem m_fs;
};
