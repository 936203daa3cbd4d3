#include "rules/RuleBook.h"

#include <span>
#include <utility>

#include "model/Unit.h"

namespace {

struct SVerdictEntry {
    int code;
    int severity;
    const char* message;
    const char* action;
};

constexpr SVerdictEntry kBaseTable[] = {
    {0, kSeverityOk, "OK", "-"},
    {1, kSeverityWarning, "Warning", "-"},
    {2, kSeverityCritical, "Critical", "-"},
    {3, kSeverityWarning, "Cabling between same units.", "-"},
};

constexpr SVerdictEntry kOrvikTable[] = {
    {200, kSeverityCritical, "RVx RX must be connected directly to J6x/J2x left of it.",
     "Reconnect."},
    {201, kSeverityCritical, "RVx TX must be connected directly to RTC left of it.", "Reconnect."},
};

bool LookUpIn(std::span<const SVerdictEntry> table, SVerdict& verdict) {
    for (const auto& entry : table) {
        if (entry.code == verdict.code) {
            verdict.severity = entry.severity;
            verdict.message = entry.message;
            verdict.action = entry.action;
            return true;
        }
    }
    return false;
}

} // namespace

const char* SeverityWord(int severity) {
    switch (severity) {
    case kSeverityOk:
        return "OK";
    case kSeverityWarning:
        return "Warning";
    case kSeverityCritical:
        return "Critical";
    default:
        return "";
    }
}

void CRuleBook::EmptyVerdict(SVerdict& out) const {
    out = SVerdict{};
}

SVerdict CRuleBook::CheckCable(const CUnit& a, const CUnit& b) const {
    SVerdict verdict;
    verdict.unitA = &a;
    verdict.unitB = &b;
    return verdict;
}

bool CRuleBook::SetVerdict(int code, SVerdict& verdict) const {
    verdict.code = code;
    return LookUpVerdict(verdict);
}

bool CRuleBook::LookUpVerdict(SVerdict& verdict) const {
    return LookUpIn(kBaseTable, verdict);
}

bool CRuleBookKODA::LookUpVerdict(SVerdict& verdict) const {
    return CRuleBook::LookUpVerdict(verdict) || LookUpIn(kOrvikTable, verdict);
}

SVerdict CRuleBookKODA::CheckCable(const CUnit& a, const CUnit& b) const {
    SVerdict verdict;
    verdict.unitA = &a;
    verdict.unitB = &b;
    SetVerdict(0, verdict);
    if (&a == &b) {
        SetVerdict(3, verdict);
        return verdict;
    }
    const CUnit* trx = &a;
    const CUnit* other = &b;
    if (b.Kind() == kUnitKindTrx && a.Kind() != kUnitKindTrx) {
        std::swap(trx, other);
    }
    if (trx->Kind() != kUnitKindTrx) {
        return verdict;
    }
    const int t = trx->Number();
    const int m = other->Number();
    switch (other->Kind()) {
    case kUnitKindMc6:
        verdict.port = (t - 1) % 6 + 1;
        if ((m == 1 && t > 6) || (m == 2 && t <= 6)) {
            SetVerdict(200, verdict);
        }
        break;
    case kUnitKindMc2: {
        const bool oddTrx = t % 2 == 1;
        const bool evenMc = m % 2 == 0;
        verdict.port = oddTrx != evenMc ? 1 : 2;
        if (t != m && t != m + 1) {
            SetVerdict(200, verdict);
        }
        break;
    }
    case kUnitKindRtc:
        verdict.port = (t - 1) % 6 + 1;
        if ((m == 1 && t > 6) || (m == 2 && t <= 6)) {
            SetVerdict(201, verdict);
        }
        break;
    default:
        break;
    }
    return verdict;
}
