#pragma once
// The BTS software release level a configuration is tagged with.

#include <string>

class CUcSwVersion {
public:
    static constexpr int kLatest = 31;

    CUcSwVersion() = default;
    explicit CUcSwVersion(int level) : m_level(level >= 1 && level <= 31 ? level : 0) {}

    int Level() const { return m_level; }
    // "KS2" ... "KS7 MP1.0", or "Unknown" for a level without a release.
    std::string Name() const;

    bool operator==(const CUcSwVersion&) const = default;

private:
    int m_level = 0;
};
