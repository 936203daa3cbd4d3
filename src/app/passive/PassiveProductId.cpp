#include "app/passive/PassiveProductId.h"

#include <algorithm>

namespace passive {

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string ComposeProductId(const std::string& itemCode, const std::string& revision) {
    if (itemCode.empty() && revision.empty()) {
        return {};
    }
    const auto used = static_cast<int>(itemCode.size() + revision.size());
    return itemCode +
           std::string(static_cast<std::size_t>(std::max(0, kProductLimit - used)), '.') + revision;
}

std::string ItemCodeOf(const std::string& productId) {
    std::string code = productId.substr(0, kItemCodeLimit);
    while (!code.empty() && !IsAsciiAlnum(code.back())) {
        code.pop_back();
    }
    return code;
}

std::string RevisionOf(const std::string& productId) {
    const std::size_t n = std::min<std::size_t>(productId.size(), kRevisionLimit);
    return productId.substr(productId.size() - n);
}

} // namespace passive
