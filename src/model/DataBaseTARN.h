#pragma once
// A Selmo configuration: the common database without family settings.

#include "model/DataBase.h"

class CDataBaseTARN : public CDataBase {
public:
    CDataBaseTARN() = default;
    std::unique_ptr<CDataBase> CreateEmpty() const override {
        return std::make_unique<CDataBaseTARN>();
    }
};
