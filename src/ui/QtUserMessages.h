#pragma once
// Messages to the user as modal boxes titled "Cabrion".

#include "app/StartupSeams.h"

class CQtUserMessages : public IUserMessages {
public:
    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
};
