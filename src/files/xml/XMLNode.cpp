#include "files/xml/XMLNode.h"

CXMLNode::CXMLNode(std::string name, std::string text)
    : m_name(std::move(name)), m_text(std::move(text)) {}

void CXMLNode::AddAttribute(std::string name, std::string value) {
    m_attributes.emplace_back(std::move(name), std::move(value));
}

const std::string* CXMLNode::GetAttributeValue(std::string_view name) const {
    for (const auto& attribute : m_attributes) {
        if (attribute.GetName() == name) {
            return &attribute.GetValue();
        }
    }
    return nullptr;
}

void CXMLNode::SetAttributeValue(std::string_view name, std::string value) {
    for (auto& attribute : m_attributes) {
        if (attribute.GetName() == name) {
            attribute.SetValue(std::move(value));
            return;
        }
    }
    AddAttribute(std::string(name), std::move(value));
}
