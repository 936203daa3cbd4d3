#pragma once
// The cabinet of the older Selmo family.

#include "model/Cabinet.h"

class CCabinetTARN : public CCabinet {
protected:
    using CCabinet::CCabinet;
};

class CCabinetTNormal : public CCabinetTARN {
public:
    CCabinetTNormal() : CCabinetTARN("Selmo") {}
    std::unique_ptr<CCabinet> Copy() const override {
        return std::make_unique<CCabinetTNormal>(*this);
    }
};
