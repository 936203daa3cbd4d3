// Putting built managed objects into the tree and writing the tree back to disk.

#include "files/AtomicFile.h"
#include "files/xml/PlanTextCodec.h"
#include "files/xml/XML_NodeFile.h"

#include <pugixml.hpp>

#include <sys/stat.h>

namespace {

constexpr const char* kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";

CXMLNode* FindChild(const CXMLNode& parent, std::string_view name) {
    for (std::size_t i = 0; i < parent.GetChildCount(); ++i) {
        if (parent.GetChildAt(i)->GetName() == name) {
            return parent.GetChildAt(i);
        }
    }
    return nullptr;
}

bool SameNameAttribute(const CXMLNode& a, const CXMLNode& b) {
    const std::string* nameA = a.GetAttributeValue("name");
    const std::string* nameB = b.GetAttributeValue("name");
    if (!nameA || !nameB) {
        return !nameA && !nameB;
    }
    return *nameA == *nameB;
}

void WriteElement(pugi::xml_node parent, const CXMLNode& node) {
    pugi::xml_node element = parent.append_child(Cp1252ToUtf8(node.GetName()).c_str());
    for (const auto& attribute : node.GetAttributes()) {
        element.append_attribute(Cp1252ToUtf8(attribute.GetName()).c_str())
            .set_value(Cp1252ToUtf8(attribute.GetValue()).c_str());
    }
    if (!node.GetText().empty()) {
        element.append_child(pugi::node_pcdata).set_value(Cp1252ToUtf8(node.GetText()).c_str());
    }
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        WriteElement(element, *node.GetChildAt(i));
    }
}

struct StringWriter : pugi::xml_writer {
    std::string bytes;
    void write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
    }
};

} // namespace

void CXML_NodeFile::AssembleNewDocument() {
    ResetTree();
    m_root = std::make_unique<CXMLCompositeNode>("qorm");
    m_root->AddAttribute("version", kCurrentVersion);
    m_root->AddAttribute("xmlns:xsi", kSchemaInstanceNamespace);
    m_root->AddAttribute("xsi:noNamespaceSchemaLocation",
                         m_managerDirectory + "\\Cabrion\\qorm21.xsd");
    auto cmData = std::make_unique<CXMLCompositeNode>("cmData");
    cmData->AddAttribute("type", "plan");
    cmData->AddAttribute("scope", "All");
    cmData->AddAttribute("name", "GSM/EDGE BTS Configuration Plan");
    cmData->AddAttribute("domain", "GSM_EDGE_BTS_CONFIG");
    cmData->AddAttribute("adaptationVersionMajor", "BTS Content Specification 6.0");
    auto header = std::make_unique<CXMLCompositeNode>("header");
    header->AddChild(BuildHeaderLog(true));
    cmData->AddChild(std::move(header));
    for (auto& object : m_pendingObjects) {
        cmData->AddChild(std::move(object));
    }
    m_pendingObjects.clear();
    m_root->AddChild(std::move(cmData));
    RebuildIndex();
}

void CXML_NodeFile::AssembleIntoLoadedDocument() {
    RemoveCurrentBtsObjects();
    // Whatever version was read, the plan written is in the current layout.
    if (m_root->GetName() == "qorm") {
        m_root->SetAttributeValue("version", kCurrentVersion);
    }
    // New objects go beside the BTS object; a plan that does not hold this BTS yet gets them
    // in its first cmData.
    CXMLCompositeNode* container = nullptr;
    if (auto it = m_distNames.find(CurrentBts()); it != m_distNames.end()) {
        container = dynamic_cast<CXMLCompositeNode*>(it->second->GetParent());
    }
    if (!container) {
        container = dynamic_cast<CXMLCompositeNode*>(FindChild(*m_root, "cmData"));
    }
    if (!container) {
        container = m_root.get();
    }
    auto* header = dynamic_cast<CXMLCompositeNode*>(FindChild(*container, "header"));
    if (!header) {
        header = static_cast<CXMLCompositeNode*>(
            container->InsertChildAt(0, std::make_unique<CXMLCompositeNode>("header")));
    }
    header->AddChild(BuildHeaderLog(false));

    for (auto& pending : m_pendingObjects) {
        const std::string* distName = pending->GetAttributeValue("distName");
        auto it = distName ? m_distNames.find(*distName) : m_distNames.end();
        if (it != m_distNames.end()) {
            MergeManagedObject(*it->second, *pending);
        } else {
            CXMLNode* added = container->AddChild(std::move(pending));
            m_distNames[*added->GetAttributeValue("distName")] = added;
        }
    }
    m_pendingObjects.clear();
    RebuildIndex();
}

void CXML_NodeFile::MergeManagedObject(CXMLNode& existing, CXMLNode& pending) {
    auto* source = dynamic_cast<CXMLCompositeNode*>(&pending);
    if (!source) {
        return;
    }
    for (auto& child : source->TakeChildren()) {
        bool replaced = false;
        for (std::size_t i = 0; i < existing.GetChildCount() && !replaced; ++i) {
            const CXMLNode* old = existing.GetChildAt(i);
            if (old->GetName() == child->GetName() && SameNameAttribute(*old, *child)) {
                existing.ReplaceChildAt(i, std::move(child));
                replaced = true;
            }
        }
        if (!replaced) {
            existing.AddChild(std::move(child));
        }
    }
}

std::string CXML_NodeFile::SerializeTree() const {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    if (m_root) {
        WriteElement(document, *m_root);
    }
    StringWriter writer;
    document.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
    return writer.bytes;
}

bool CXML_NodeFile::Save() {
    m_lastError = {};
    struct stat info {};
    bool exists = ::stat(m_path.c_str(), &info) == 0;
    if (exists && !m_treeFromPath) {
        // The tree held is not this file's (nothing loaded, or another file): read the file
        // first so that the other BTSs and logs it holds are kept.
        std::string bytes;
        std::string current = m_currentBtsDistName;
        if (!ReadWholeFile(m_path, bytes) || !ParseIntoTree(bytes) || !m_rootElementSeen) {
            // Not a plan we can add to: the file is replaced by a new one.
            exists = false;
        }
        m_currentBtsDistName = std::move(current);
        m_lastError = {};
    }
    if (exists && m_root) {
        AssembleIntoLoadedDocument();
    } else {
        AssembleNewDocument();
    }
    if (std::string error = WriteFileAtomically(m_path, SerializeTree()); !error.empty()) {
        m_lastError = {error, {}};
        // What is in memory is no longer what the file holds.
        m_treeFromPath = false;
        return false;
    }
    m_treeFromPath = true;
    return true;
}
