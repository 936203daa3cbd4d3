// Where the candidate comes from, kept across a wizard run: the wizard's pages may put another
// file's configuration, a found one or an untitled one in its place, and its Cancel undoes the
// candidate; the title, the path and the record Save writes into must follow it back.
#include "app/document/BTSConfigurationDoc.h"

bool CBTSConfigurationDoc::TakeConfiguration(std::unique_ptr<CSiteSCFile> file, CSCFSite* record,
                                             const std::string& path) {
    ReleaseFile();
    if (LoadRecord(std::move(file), record, path, kSiteConfigurationFile, true)) {
        return true;
    }
    // Refused before anything changed: the document keeps the file it had.
    if (m_file == nullptr && m_origin && m_origin->parkedFile) {
        m_file = std::move(m_origin->parkedFile);
    }
    return false;
}

void CBTSConfigurationDoc::ReleaseFile() {
    if (m_origin && m_file != nullptr && m_file.get() == m_origin->file && !m_origin->parkedFile) {
        m_origin->parkedFile = std::move(m_file);
    }
    m_file.reset();
}

void CBTSConfigurationDoc::KeepOrigin() {
    auto origin = std::make_unique<SOrigin>();
    origin->file = m_file.get();
    origin->record = m_record;
    origin->path = m_path;
    origin->title = m_title;
    origin->configurationName = m_configurationName;
    origin->stamp = m_stamp;
    origin->fileType = m_fileType;
    origin->preConfig = m_preConfig;
    origin->configurationChanged = m_configurationChanged;
    origin->savedState = m_savedState;
    origin->savedRecord = m_savedRecord;
    origin->forcedState = m_forcedState;
    origin->passiveChanged = m_passiveChanged;
    m_origin = std::move(origin);
}

void CBTSConfigurationDoc::RestoreOrigin() {
    if (!m_origin) {
        return;
    }
    std::unique_ptr<SOrigin> origin = std::move(m_origin);
    if (origin->parkedFile) {
        m_file = std::move(origin->parkedFile);
    }
    if (m_file.get() != origin->file) {
        m_file.reset();
    }
    // A file that went without being parked takes its record along; the configuration is then
    // an untitled one rather than one whose Save writes into a file it was not read from.
    const bool lost = origin->file != nullptr && m_file == nullptr;
    m_record = lost ? nullptr : origin->record;
    m_path = lost ? std::string() : origin->path;
    m_title = lost ? std::string(kUntitled) : origin->title;
    m_configurationName = lost ? std::string() : origin->configurationName;
    m_stamp = lost ? SDiskStamp{} : origin->stamp;
    m_fileType = origin->fileType;
    m_preConfig = origin->preConfig;
    m_configurationChanged = origin->configurationChanged;
    m_savedState = origin->savedState;
    m_savedRecord = origin->savedRecord;
    m_forcedState = origin->forcedState;
    m_passiveChanged = origin->passiveChanged;
    RefreshFrame();
}

void CBTSConfigurationDoc::ForgetOrigin() {
    m_origin.reset();
}
