#pragma once
// One name/value attribute of a plan element, kept in the order it was added or read.

#include <string>

class CXMLAttribute {
public:
    CXMLAttribute(std::string name, std::string value)
        : m_name(std::move(name)), m_value(std::move(value)) {}

    const std::string& GetName() const { return m_name; }
    const std::string& GetValue() const { return m_value; }
    void SetValue(std::string value) { m_value = std::move(value); }

private:
    std::string m_name;
    std::string m_value;
};
