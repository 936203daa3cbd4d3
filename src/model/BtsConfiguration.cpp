#include "model/BtsConfiguration.h"

#include "model/DataBase.h"

namespace {

std::unique_ptr<CDataBase>& Slot() {
    static std::unique_ptr<CDataBase> configuration;
    return configuration;
}

} // namespace

CDataBase* CBtsConfiguration::Get() {
    return Slot().get();
}

void CBtsConfiguration::Set(std::unique_ptr<CDataBase> configuration) {
    Slot() = std::move(configuration);
}

void CBtsConfiguration::Drop() {
    Slot().reset();
}
