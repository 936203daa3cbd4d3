#include "model/UcSwVersion.h"

#include <cstdio>

std::string CUcSwVersion::Name() const {
    if (m_level >= 1 && m_level <= 3) {
        char text[16];
        std::snprintf(text, sizeof text, "KS%1d", m_level + 1);
        return text;
    }
    switch (m_level) {
    case 4: return "KS4.1";
    case 5: return "KS4.2";
    case 6: return "KS5";
    case 7: return "KS5 CD1.0";
    case 8: return "KS5 CD2.0";
    case 9: return "KS5 CD3.0";
    case 10: return "KS5 CD4.0";
    case 20: return "KS6";
    case 21: return "KS6 CD1.0";
    case 22: return "KS6 CD2.0";
    case 30: return "KS7";
    case 31: return "KS7 MP1.0";
    default: return "Unknown";
    }
}
