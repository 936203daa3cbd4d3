#pragma once
// One configuration plan file: loads its XML into a node tree, indexes the managed objects by
// distName, answers the plan reader's queries, collects what the plan writers build and saves
// the tree again. The tree and the index belong to this object, not to the process, so two
// plans can be open at once without one overwriting the other's objects.

#include "files/xml/XMLCompositeNode.h"
#include "files/xml/XMLError.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// (name, value) pairs of "p" parameters, in document order.
using XMLParameterList = std::vector<std::pair<std::string, std::string>>;

// A BTS found in a plan.
struct CXMLSiteEntry {
    std::string name;
    std::string description;
    std::string familyType; // "Orvik", "Not Supported" or "Missing"
    std::string distName;
};

class CXML_NodeFile {
public:
    static constexpr const char* kCurrentVersion = "2.1";
    static constexpr const char* kDefaultBtsDistName = "BTS_NE-1";

    // Chooses one of the plan's sites (index into GetSiteList()), or nothing to cancel.
    using SiteSelector = std::function<std::optional<std::size_t>(const CXML_NodeFile&)>;

    explicit CXML_NodeFile(std::string path);
    ~CXML_NodeFile();
    CXML_NodeFile(const CXML_NodeFile&) = delete;
    CXML_NodeFile& operator=(const CXML_NodeFile&) = delete;

    const std::string& GetPath() const { return m_path; }

    // Reads the file into the tree. Without a selector the first site becomes current. On
    // failure GetLastError() holds what the error display shows; the tree is left empty.
    bool Load(bool showErrors = true, const SiteSelector& select = {});
    // The same from bytes already in memory (the file reader and the fuzz target use it).
    bool LoadFromBuffer(std::string_view bytes, bool showErrors = true,
                        const SiteSelector& select = {});
    // Puts the pending managed objects into the tree (a new document, or the one loaded from
    // this path with the current BTS's objects replaced) and replaces the file atomically.
    bool Save();

    // The document text of the tree as it stands, as Save writes it.
    std::string SerializeTree() const;

    const CXMLError& GetLastError() const { return m_lastError; }
    bool GetShowErrors() const { return m_showErrors; }

    const std::string& GetCurrentBtsDistName() const { return m_currentBtsDistName; }
    void SetCurrentBtsDistName(std::string distName) { m_currentBtsDistName = std::move(distName); }

    // Queries on the current BTS. A class "A/B" with a non-zero index addresses "A<index>/B".
    bool GetManagedObjectParameters(std::string_view className, int index,
                                    XMLParameterList& out) const;
    int GetListItems(std::string_view className, int index, std::string_view listName);
    bool GetItemParameters(int itemIndex, XMLParameterList& out) const;
    // The distName of the named site; false with the message to show when there is none.
    bool GetSiteDistName(const std::string& siteName, std::string& distName,
                         std::string& error) const;
    std::string MakeDistName(std::string_view className, int index) const;

    // Building a plan: items go into the next list, lists into the next managed object.
    void BuildItem(const XMLParameterList& parameters);
    void BuildList(std::string listName);
    void BuildManagedObject(const XMLParameterList& parameters, std::string_view className,
                            int index);
    std::unique_ptr<CXMLCompositeNode> BuildHeaderLog(bool created) const;
    void RemoveCurrentBtsObjects();
    std::size_t GetPendingManagedObjectCount() const { return m_pendingObjects.size(); }

    const std::vector<CXMLSiteEntry>& GetSiteList() const { return m_sites; }
    bool IsVersionUnsupported() const { return m_unsupportedVersion; }
    bool HasCabinetInformation() const { return m_cabinetInfoPresent; }
    const CXMLCompositeNode* GetRoot() const { return m_root.get(); }
    const CXMLNode* FindManagedObject(std::string_view distName) const;

    // The directory written into the schema location of a new plan: the maker's tools folder,
    // which the application looks up (machine settings, then $TORVANEMGR). Empty by default.
    void SetManagerDirectory(std::string directory) { m_managerDirectory = std::move(directory); }

private:
    void ResetTree();
    bool ParseIntoTree(std::string_view bytes);
    void IndexNode(CXMLNode& node, int depth);
    void RebuildIndex();
    bool FinishLoad(const SiteSelector& select);
    bool Fail(std::string message, std::string details);
    const std::string& CurrentBts() const;
    void AssembleNewDocument();
    void AssembleIntoLoadedDocument();
    void MergeManagedObject(CXMLNode& existing, CXMLNode& pending);

    std::string m_path;
    std::unique_ptr<CXMLCompositeNode> m_root;
    std::map<std::string, CXMLNode*, std::less<>> m_distNames; // into m_root
    std::string m_currentBtsDistName;
    std::vector<std::unique_ptr<CXMLCompositeNode>> m_pendingItems;
    std::vector<std::unique_ptr<CXMLCompositeNode>> m_pendingLists;
    std::vector<std::unique_ptr<CXMLCompositeNode>> m_pendingObjects;
    std::vector<const CXMLNode*> m_itemBuffer;
    bool m_rootElementSeen = false;
    bool m_namespaceDeclared = false;
    bool m_unsupportedVersion = false;
    bool m_cabinetInfoPresent = false;
    bool m_showErrors = true;
    bool m_treeFromPath = false; // the tree is this path's contents (loaded or last saved)
    std::vector<CXMLSiteEntry> m_sites;
    CXMLError m_lastError;
    std::string m_managerDirectory;
};
