#pragma once
// Judges a cable between two units against the wiring rules of a cabinet family. The base
// knows the verdicts every family shares and accepts any cable.

#include "rules/Verdict.h"

class CRuleBook {
public:
    virtual ~CRuleBook() = default;

    virtual void EmptyVerdict(SVerdict& out) const;
    virtual SVerdict CheckCable(const CUnit& a, const CUnit& b) const;
    // Stores the code and looks it up.
    virtual bool SetVerdict(int code, SVerdict& verdict) const;
    // Fills severity, message and action for the stored code; a code the book does not know
    // leaves the verdict as it is.
    virtual bool LookUpVerdict(SVerdict& verdict) const;
};

// The Orvik rules: transceivers must reach the multicoupler and RTC that serve their numbers.
class CRuleBookKODA : public CRuleBook {
public:
    SVerdict CheckCable(const CUnit& a, const CUnit& b) const override;
    bool LookUpVerdict(SVerdict& verdict) const override;
};
