#pragma once
// An element of the in-memory plan tree: name, text and attributes. Leaves have no children;
// the child operations are virtual so that walkers need not know which kind they hold.

#include "files/xml/XMLAttribute.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CXMLNode {
public:
    explicit CXMLNode(std::string name = {}, std::string text = {});
    virtual ~CXMLNode() = default;
    CXMLNode(const CXMLNode&) = delete;
    CXMLNode& operator=(const CXMLNode&) = delete;

    virtual std::size_t GetChildCount() const { return 0; }
    virtual CXMLNode* GetChildAt(std::size_t /*index*/) const { return nullptr; }
    // Returns the node that was displaced: the old child, or `child` itself when nothing was
    // replaced, so that the caller always keeps ownership of what did not go into the tree.
    virtual std::unique_ptr<CXMLNode> ReplaceChildAt(std::size_t /*index*/,
                                                     std::unique_ptr<CXMLNode> child) {
        return child;
    }
    // Returns the added child, or null when this node cannot hold children.
    virtual CXMLNode* AddChild(std::unique_ptr<CXMLNode> /*child*/) { return nullptr; }

    void AddAttribute(std::string name, std::string value);
    // The value of the first attribute with this name, or null.
    const std::string* GetAttributeValue(std::string_view name) const;
    // Changes the first attribute with this name, adding it when absent.
    void SetAttributeValue(std::string_view name, std::string value);
    const std::vector<CXMLAttribute>& GetAttributes() const { return m_attributes; }

    const std::string& GetName() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    const std::string& GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

    CXMLNode* GetParent() const { return m_parent; }
    void SetParent(CXMLNode* parent) { m_parent = parent; }

private:
    std::string m_name;
    std::string m_text;
    std::vector<CXMLAttribute> m_attributes;
    CXMLNode* m_parent = nullptr;
};
