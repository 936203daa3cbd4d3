// Reading a plan file into the node tree and indexing its managed objects and sites.

#include "files/AtomicFile.h"
#include "files/xml/PlanTextCodec.h"
#include "files/xml/XMLParameterNode.h"
#include "files/xml/XML_NodeFile.h"

#include <pugixml.hpp>

#include <cctype>
#include <cerrno>
#include <cstring>

#include <sstream>

namespace {

constexpr const char* kOpenFailed = "Failed to open the specified file!";
constexpr const char* kUnsupportedVersionDetails =
    "Line No: 2 \nReason: Qorm version specified in the file is not supported.";
// Deeper trees are not plans; the limit keeps recursion on hostile input bounded.
constexpr int kMaxDepth = 64;

// Elements that hold children in a plan even when a file leaves them empty.
bool IsContainerName(std::string_view name) {
    return name == "qorm" || name == "cmData" || name == "header" || name == "managedObject" ||
           name == "list" || name == "item";
}

std::string ParseDetails(std::string_view bytes, const pugi::xml_parse_result& result) {
    std::size_t offset = static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0));
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    std::ostringstream details;
    details << "Line No:" << line << "\nLine Pos:" << (offset - lineStart + 1)
            << "\nReason:" << result.description() << "\n";
    return details.str();
}

// Copies one element and its subtree; null when the tree is deeper than any plan.
std::unique_ptr<CXMLNode> ReadElement(const pugi::xml_node& element, int depth) {
    if (depth > kMaxDepth) {
        return nullptr;
    }
    std::string name = Utf8ToCp1252(element.name());
    bool hasElementChildren = static_cast<bool>(element.find_child(
        [](const pugi::xml_node& child) { return child.type() == pugi::node_element; }));
    std::unique_ptr<CXMLNode> node;
    if (hasElementChildren || IsContainerName(name)) {
        node = std::make_unique<CXMLCompositeNode>(name);
    } else if (name == "p") {
        node = std::make_unique<CXMLParameterNode>();
    } else {
        node = std::make_unique<CXMLNode>(name);
    }
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        node->AddAttribute(Utf8ToCp1252(attribute.name()), Utf8ToCp1252(attribute.value()));
    }
    // The element's own text: the first text or CDATA child.
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            node->SetText(Utf8ToCp1252(child.value()));
            break;
        }
    }
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        std::unique_ptr<CXMLNode> copy = ReadElement(child, depth + 1);
        if (!copy) {
            return nullptr;
        }
        node->AddChild(std::move(copy));
    }
    return node;
}

bool DeclaresWindows1252(std::string_view bytes) {
    if (!bytes.starts_with("<?xml")) {
        return false;
    }
    std::string declaration(bytes.substr(0, bytes.find("?>")).substr(0, 256));
    for (char& c : declaration) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::size_t at = declaration.find("encoding");
    return at != std::string::npos && declaration.find("1252", at) != std::string::npos;
}

// Plans name their BTS "BTS_NE"; this program addresses it as "BTS_NE-1". Only a distName
// whose first part is exactly "BTS_NE" is renamed, so that "BTS_NE-2" keeps naming its own BTS.
std::string NormaliseDistName(const std::string& distName) {
    if (distName == "BTS_NE") {
        return CXML_NodeFile::kDefaultBtsDistName;
    }
    if (distName.starts_with("BTS_NE/")) {
        return CXML_NodeFile::kDefaultBtsDistName + distName.substr(6);
    }
    return distName;
}

} // namespace

void CXML_NodeFile::ResetTree() {
    m_root.reset();
    m_distNames.clear();
    m_itemBuffer.clear();
    m_sites.clear();
    m_rootElementSeen = false;
    m_namespaceDeclared = false;
    m_unsupportedVersion = false;
    m_cabinetInfoPresent = false;
    m_treeFromPath = false;
}

bool CXML_NodeFile::Fail(std::string message, std::string details) {
    m_lastError = {std::move(message), std::move(details)};
    ResetTree();
    return false;
}

bool CXML_NodeFile::Load(bool showErrors, const SiteSelector& select) {
    m_showErrors = showErrors;
    std::string bytes;
    errno = 0;
    if (!ReadWholeFile(m_path, bytes)) {
        std::string reason = errno != 0 ? std::strerror(errno) : "Not a readable file";
        return Fail(kOpenFailed, "Line No:0\nLine Pos:0\nReason:" + reason + "\n");
    }
    if (!LoadFromBuffer(bytes, showErrors, select)) {
        return false;
    }
    m_treeFromPath = true;
    return true;
}

bool CXML_NodeFile::LoadFromBuffer(std::string_view bytes, bool showErrors,
                                   const SiteSelector& select) {
    m_showErrors = showErrors;
    m_lastError = {};
    if (!ParseIntoTree(bytes)) {
        return false;
    }
    return FinishLoad(select);
}

bool CXML_NodeFile::ParseIntoTree(std::string_view bytes) {
    ResetTree();
    // The parser knows the UTF encodings and Latin-1 but not the Windows code page that
    // plans written on Windows may declare; such files are converted before parsing.
    std::string converted;
    pugi::xml_encoding encoding = pugi::encoding_auto;
    if (DeclaresWindows1252(bytes)) {
        converted = Cp1252ToUtf8(bytes);
        bytes = converted;
        encoding = pugi::encoding_utf8;
    }
    pugi::xml_document document;
    pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, encoding);
    if (!result) {
        return Fail(kOpenFailed, ParseDetails(bytes, result));
    }
    pugi::xml_node rootElement = document.document_element();
    if (!rootElement) {
        return Fail(kOpenFailed, "No Site data present in the file.");
    }
    if (std::string_view(rootElement.name()) == "qorm") {
        m_rootElementSeen = true;
        if (pugi::xml_attribute version = rootElement.attribute("version")) {
            std::string_view text = version.value();
            if (text != kCurrentVersion && text != "2.0") {
                Fail(kOpenFailed, kUnsupportedVersionDetails);
                m_unsupportedVersion = true;
                return false;
            }
        }
    }
    for (const pugi::xml_attribute& attribute : rootElement.attributes()) {
        std::string_view name = attribute.name();
        if (name == "xmlns" || name.starts_with("xmlns:")) {
            m_namespaceDeclared = true;
        }
    }
    std::unique_ptr<CXMLNode> root = ReadElement(rootElement, 0);
    if (!root) {
        return Fail(kOpenFailed, "Line No:0\nLine Pos:0\nReason:Elements nested too deeply.\n");
    }
    if (dynamic_cast<CXMLCompositeNode*>(root.get())) {
        m_root.reset(static_cast<CXMLCompositeNode*>(root.release()));
    } else {
        // A lone root element without children: keep it as an empty container.
        m_root = std::make_unique<CXMLCompositeNode>(root->GetName(), root->GetText());
        for (const auto& attribute : root->GetAttributes()) {
            m_root->AddAttribute(attribute.GetName(), attribute.GetValue());
        }
    }
    RebuildIndex();
    return true;
}

void CXML_NodeFile::RebuildIndex() {
    // The site list and the cabinet flag follow the tree as well, so that after a save they
    // describe what the file now holds.
    m_distNames.clear();
    m_itemBuffer.clear();
    m_sites.clear();
    m_cabinetInfoPresent = false;
    if (m_root) {
        IndexNode(*m_root, 0);
    }
    // A plan that numbers its only BTS other than 1 still carries cabinet information when
    // that BTS has its own cabinet object.
    for (const auto& site : m_sites) {
        m_cabinetInfoPresent =
            m_cabinetInfoPresent || m_distNames.count(site.distName + "/CABINET_INFO") > 0;
    }
}

void CXML_NodeFile::IndexNode(CXMLNode& node, int depth) {
    if (const std::string* distName = node.GetAttributeValue("distName")) {
        std::string normalised = NormaliseDistName(*distName);
        if (normalised != *distName) {
            node.SetAttributeValue("distName", normalised);
        }
        if (normalised == std::string(kDefaultBtsDistName) + "/CABINET_INFO") {
            m_cabinetInfoPresent = true;
        }
        if (node.GetName() == "managedObject") {
            m_distNames[normalised] = &node;
            const std::string* className = node.GetAttributeValue("class");
            if (className && className->find("BTS_NE") != std::string::npos) {
                XMLParameterList parameters;
                for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
                    const CXMLNode* child = node.GetChildAt(i);
                    const std::string* name = child->GetAttributeValue("name");
                    if (child->GetName() == "p" && name) {
                        parameters.emplace_back(*name, child->GetText());
                    }
                }
                auto value = [&](std::string_view key) -> std::string {
                    for (const auto& [name, text] : parameters) {
                        if (name == key) {
                            return text;
                        }
                    }
                    return {};
                };
                CXMLSiteEntry site;
                site.name = value("sitename");
                if (site.name.empty()) {
                    site.name = "Untitled";
                }
                site.description = value("sitedesc");
                if (site.description.empty()) {
                    site.description = "Not Defined";
                }
                site.familyType = value("btsFamilyType");
                if (site.familyType.empty()) {
                    site.familyType = "Missing";
                } else if (site.familyType != "Orvik") {
                    site.familyType = "Not Supported";
                }
                site.distName = normalised;
                m_sites.push_back(std::move(site));
            }
        }
    }
    if (depth >= kMaxDepth) {
        return;
    }
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        IndexNode(*node.GetChildAt(i), depth + 1);
    }
}

bool CXML_NodeFile::FinishLoad(const SiteSelector& select) {
    if (m_sites.empty()) {
        return Fail(kOpenFailed, "No Site data present in the file.");
    }
    if (!m_cabinetInfoPresent) {
        return Fail(kOpenFailed, "Incorrect or missing Cabinet Information.");
    }
    std::size_t chosen = 0;
    if (select) {
        std::optional<std::size_t> answer = select(*this);
        if (!answer || *answer >= m_sites.size()) {
            m_lastError = {};
            ResetTree();
            return false;
        }
        chosen = *answer;
    }
    m_currentBtsDistName = m_sites[chosen].distName;
    return true;
}
