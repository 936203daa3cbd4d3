#include "files/xml/XMLCompositeNode.h"

#include <algorithm>

CXMLNode* CXMLCompositeNode::GetChildAt(std::size_t index) const {
    return index < m_children.size() ? m_children[index].get() : nullptr;
}

std::unique_ptr<CXMLNode> CXMLCompositeNode::ReplaceChildAt(std::size_t index,
                                                            std::unique_ptr<CXMLNode> child) {
    if (index >= m_children.size() || !child) {
        return child;
    }
    child->SetParent(this);
    std::swap(m_children[index], child);
    child->SetParent(nullptr);
    return child;
}

CXMLNode* CXMLCompositeNode::AddChild(std::unique_ptr<CXMLNode> child) {
    if (!child) {
        return nullptr;
    }
    child->SetParent(this);
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

CXMLNode* CXMLCompositeNode::InsertChildAt(std::size_t index, std::unique_ptr<CXMLNode> child) {
    if (!child) {
        return nullptr;
    }
    child->SetParent(this);
    index = std::min(index, m_children.size());
    auto it = m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(index),
                                std::move(child));
    return it->get();
}

std::unique_ptr<CXMLNode> CXMLCompositeNode::RemoveChild(const CXMLNode* child) {
    auto it = std::find_if(m_children.begin(), m_children.end(),
                           [child](const auto& owned) { return owned.get() == child; });
    if (it == m_children.end()) {
        return nullptr;
    }
    std::unique_ptr<CXMLNode> removed = std::move(*it);
    m_children.erase(it);
    removed->SetParent(nullptr);
    return removed;
}

std::vector<std::unique_ptr<CXMLNode>> CXMLCompositeNode::TakeChildren() {
    std::vector<std::unique_ptr<CXMLNode>> taken = std::move(m_children);
    m_children.clear();
    for (auto& child : taken) {
        child->SetParent(nullptr);
    }
    return taken;
}
