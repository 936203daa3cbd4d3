#pragma once
// A "p" element of a managed object or item: the parameter name is its "name" attribute and
// the value its text.

#include "files/xml/XMLNode.h"

class CXMLParameterNode : public CXMLNode {
public:
    CXMLParameterNode() : CXMLNode("p") {}
    CXMLParameterNode(std::string name, std::string value) : CXMLNode("p", std::move(value)) {
        AddAttribute("name", std::move(name));
    }

    // A second text that other plan producers may carry; this program leaves it empty.
    const std::string& GetExtraText() const { return m_extraText; }
    void SetExtraText(std::string text) { m_extraText = std::move(text); }

private:
    std::string m_extraText;
};
