#pragma once
// A plan element that holds child elements; it owns them and is their parent.

#include "files/xml/XMLNode.h"

class CXMLCompositeNode : public CXMLNode {
public:
    using CXMLNode::CXMLNode;

    std::size_t GetChildCount() const override { return m_children.size(); }
    CXMLNode* GetChildAt(std::size_t index) const override;
    std::unique_ptr<CXMLNode> ReplaceChildAt(std::size_t index,
                                             std::unique_ptr<CXMLNode> child) override;
    CXMLNode* AddChild(std::unique_ptr<CXMLNode> child) override;

    CXMLNode* InsertChildAt(std::size_t index, std::unique_ptr<CXMLNode> child);
    // Takes the child out of the tree and hands it back; null when it is not a child here.
    std::unique_ptr<CXMLNode> RemoveChild(const CXMLNode* child);
    // Moves every child out, in order (used to hand pending items over to a list).
    std::vector<std::unique_ptr<CXMLNode>> TakeChildren();

private:
    std::vector<std::unique_ptr<CXMLNode>> m_children;
};
