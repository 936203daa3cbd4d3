// New from a template: the new-site sheet in its create mode over the templates folder.
#include "app/document/BTSConfigurationDoc.h"
#include "app/document/NewSiteSheetModel.h"
#include "files/TextCodec.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <filesystem>

std::string CBTSConfigurationDoc::TemplatesFolder() const {
    const std::string stored = settings::Read(*m_services.settings, settings::kNewSCFTemplates);
    std::error_code ec;
    // The relative "Configs" of a fresh install means the folder next to where the program was
    // started; without one there, the installed templates are offered.
    if (!m_services.templatesFolder.empty() &&
        (stored.empty() || (std::filesystem::path(stored).is_relative() &&
                            !std::filesystem::is_directory(stored, ec)))) {
        return m_services.templatesFolder;
    }
    return stored;
}

bool CBTSConfigurationDoc::NewFromTemplate() {
    if (!SaveModified(true, true)) {
        return false;
    }
    CNewSiteSheetModel sheet = CNewSiteSheetModel::ForTemplates(TemplatesFolder());
    if (!Windows().RunNewSiteSheet(sheet) || !sheet.CanFinish()) {
        return false;
    }
    if (sheet.EmptyChosen()) {
        // Already asked: the configuration is unchanged now.
        MarkConfigurationChanged(false);
        m_passiveChanged = false;
        New(false);
        return true;
    }
    CSCFSite* record = sheet.ChosenRecord();
    std::unique_ptr<CSiteSCFile> file = sheet.TakeFile();
    if (record == nullptr || !file) {
        return false;
    }
    const std::string path = sheet.Rows()[static_cast<std::size_t>(sheet.Selected())].file;
    if (!LoadRecord(std::move(file), record, path, kSiteConfigurationFile, false, nullptr, true)) {
        return false;
    }
    // The template stays as it is: Save asks where the new configuration goes.
    // It keeps the template's name, which Save As offers and the title and questions show.
    const std::string name = m_configurationName;
    ForgetConfigurationFile();
    m_configurationName = name;
    RefreshFrame();
    return true;
}
