#include "files/xml/XML_NodeFile.h"

#include "files/xml/XMLParameterNode.h"

#include <cabrion_version.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <unistd.h>

namespace {

void AppendParameters(CXMLNode& node, const XMLParameterList& parameters) {
    for (const auto& [name, value] : parameters) {
        node.AddChild(std::make_unique<CXMLParameterNode>(name, value));
    }
}

void CollectParameters(const CXMLNode& node, XMLParameterList& out) {
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        const CXMLNode* child = node.GetChildAt(i);
        if (child->GetName() == "p") {
            const std::string* name = child->GetAttributeValue("name");
            out.emplace_back(name ? *name : std::string(), child->GetText());
        }
    }
}

// The time a log entry is stamped with: SOURCE_DATE_EPOCH (UTC) when set, so that generated
// plans can be reproduced byte for byte, otherwise the local time.
std::string LogTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    bool fromEpoch = false;
    if (epoch && *epoch) {
        char* end = nullptr;
        errno = 0;
        long long value = std::strtoll(epoch, &end, 10);
        if (errno == 0 && end && *end == '\0' && value >= 0) {
            now = static_cast<std::time_t>(value);
            fromEpoch = true;
        }
    }
    if (fromEpoch) {
        gmtime_r(&now, &parts);
    } else {
        localtime_r(&now, &parts);
    }
    char text[64];
    std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S ", &parts);
    return std::string(text, n);
}

std::string LogonUserName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) {
        return entry->pw_name;
    }
    if (const char* user = std::getenv("USER")) {
        return user;
    }
    return {};
}

} // namespace

CXML_NodeFile::CXML_NodeFile(std::string path) : m_path(std::move(path)) {}

CXML_NodeFile::~CXML_NodeFile() = default;

const std::string& CXML_NodeFile::CurrentBts() const {
    static const std::string kDefault = kDefaultBtsDistName;
    return m_currentBtsDistName.empty() ? kDefault : m_currentBtsDistName;
}

std::string CXML_NodeFile::MakeDistName(std::string_view className, int index) const {
    const std::string& bts = CurrentBts();
    if (className == "BTS_NE") {
        return bts;
    }
    std::string distName = bts + "/";
    if (index == 0) {
        distName += className;
        return distName;
    }
    std::size_t slash = className.find('/');
    if (slash == std::string_view::npos) {
        distName += className;
        distName += std::to_string(index);
    } else {
        distName += className.substr(0, slash);
        distName += std::to_string(index);
        distName += className.substr(slash);
    }
    return distName;
}

const CXMLNode* CXML_NodeFile::FindManagedObject(std::string_view distName) const {
    auto it = m_distNames.find(distName);
    return it == m_distNames.end() ? nullptr : it->second;
}

bool CXML_NodeFile::GetManagedObjectParameters(std::string_view className, int index,
                                               XMLParameterList& out) const {
    out.clear();
    const CXMLNode* object = FindManagedObject(MakeDistName(className, index));
    if (!object) {
        return false;
    }
    CollectParameters(*object, out);
    return true;
}

int CXML_NodeFile::GetListItems(std::string_view className, int index, std::string_view listName) {
    m_itemBuffer.clear();
    const CXMLNode* object = FindManagedObject(MakeDistName(className, index));
    if (!object) {
        return 0;
    }
    for (std::size_t i = 0; i < object->GetChildCount(); ++i) {
        const CXMLNode* list = object->GetChildAt(i);
        const std::string* name = list->GetAttributeValue("name");
        if (list->GetName() != "list" || !name || *name != listName) {
            continue;
        }
        for (std::size_t j = 0; j < list->GetChildCount(); ++j) {
            m_itemBuffer.push_back(list->GetChildAt(j));
        }
    }
    return static_cast<int>(m_itemBuffer.size());
}

bool CXML_NodeFile::GetItemParameters(int itemIndex, XMLParameterList& out) const {
    out.clear();
    if (itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= m_itemBuffer.size()) {
        return false;
    }
    CollectParameters(*m_itemBuffer[static_cast<std::size_t>(itemIndex)], out);
    return true;
}

bool CXML_NodeFile::GetSiteDistName(const std::string& siteName, std::string& distName,
                                    std::string& error) const {
    for (const auto& site : m_sites) {
        if (site.name == siteName) {
            distName = site.distName;
            return true;
        }
    }
    error = "Could not find \"" + siteName + "\" in the site list";
    return false;
}

void CXML_NodeFile::BuildItem(const XMLParameterList& parameters) {
    auto item = std::make_unique<CXMLCompositeNode>("item");
    AppendParameters(*item, parameters);
    m_pendingItems.push_back(std::move(item));
}

void CXML_NodeFile::BuildList(std::string listName) {
    auto list = std::make_unique<CXMLCompositeNode>("list");
    list->AddAttribute("name", std::move(listName));
    for (auto& item : m_pendingItems) {
        list->AddChild(std::move(item));
    }
    m_pendingItems.clear();
    m_pendingLists.push_back(std::move(list));
}

void CXML_NodeFile::BuildManagedObject(const XMLParameterList& parameters,
                                       std::string_view className, int index) {
    std::string distName = MakeDistName(className, index);
    CXMLCompositeNode* target = nullptr;
    for (auto& pending : m_pendingObjects) {
        const std::string* existing = pending->GetAttributeValue("distName");
        if (existing && *existing == distName) {
            target = pending.get();
            break;
        }
    }
    if (target) {
        AppendParameters(*target, parameters);
    } else {
        auto object = std::make_unique<CXMLCompositeNode>("managedObject");
        std::size_t slash = className.rfind('/');
        object->AddAttribute(
            "class",
            std::string(slash == std::string_view::npos ? className : className.substr(slash + 1)));
        object->AddAttribute("distName", distName);
        object->AddAttribute("version", "1.0");
        AppendParameters(*object, parameters);
        target = object.get();
        m_pendingObjects.push_back(std::move(object));
    }
    // Lists built for this object belong to it even when it merges into an earlier one;
    // leaving them pending would hand them to whichever object is built next.
    for (auto& list : m_pendingLists) {
        target->AddChild(std::move(list));
    }
    m_pendingLists.clear();
}

std::unique_ptr<CXMLCompositeNode> CXML_NodeFile::BuildHeaderLog(bool created) const {
    auto log = std::make_unique<CXMLCompositeNode>("log");
    log->AddAttribute("dateTime", LogTimeText());
    log->AddAttribute("action", created ? "created" : "modified");
    log->AddAttribute("user", LogonUserName());
    log->AddAttribute("appInfo", "Torvane Cabrion");
    log->AddAttribute("appVersion", std::string("Version ") + CABRION_VERSION);
    return log;
}

void CXML_NodeFile::RemoveCurrentBtsObjects() {
    if (!m_root) {
        return;
    }
    // Walk the tree rather than the index: a file may carry the same distName twice, and the
    // index knows only one of them.
    const std::string prefix = CurrentBts() + "/";
    std::vector<CXMLNode*> doomed;
    std::vector<CXMLNode*> stack{m_root.get()};
    while (!stack.empty()) {
        CXMLNode* node = stack.back();
        stack.pop_back();
        const std::string* distName = node->GetAttributeValue("distName");
        if (node->GetName() == "managedObject" && distName && distName->starts_with(prefix)) {
            doomed.push_back(node); // its subtree goes with it
            continue;
        }
        for (std::size_t i = node->GetChildCount(); i-- > 0;) {
            stack.push_back(node->GetChildAt(i));
        }
    }
    for (CXMLNode* node : doomed) {
        if (auto* parent = dynamic_cast<CXMLCompositeNode*>(node->GetParent())) {
            parent->RemoveChild(node);
        }
    }
    RebuildIndex();
    if (auto it = m_distNames.find(CurrentBts()); it != m_distNames.end()) {
        if (auto* bts = dynamic_cast<CXMLCompositeNode*>(it->second)) {
            for (std::size_t i = bts->GetChildCount(); i-- > 0;) {
                const CXMLNode* child = bts->GetChildAt(i);
                const std::string* name = child->GetAttributeValue("name");
                if (child->GetName() == "list" && name && *name == "interfaceSettings") {
                    bts->RemoveChild(child);
                }
            }
        }
    }
    RebuildIndex();
}
