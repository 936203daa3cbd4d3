#pragma once
// What summary and difference pages know of a site's configurations: a family computes its
// counts and texts here and recomputes them when the configurations change.

#include <string>

class CConfigInfo {
public:
    virtual ~CConfigInfo() = default;
    virtual void Recompute() {}

    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

private:
    std::string m_text;
};
