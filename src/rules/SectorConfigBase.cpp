#include "rules/SectorConfigBase.h"

const SSectorRow* CSectorConfigBase::Row(int index, int position) const {
    const SSectorRows* rows = Record(index);
    if (rows == nullptr || position < 1 || position > 12) {
        return nullptr;
    }
    return &(*rows)[position - 1];
}

int CSectorConfigBase::DiversitySource(int index, int position) const {
    const SSectorRow* row = Row(index, position);
    return row == nullptr ? 0 : row->diversitySource;
}

int CSectorConfigBase::Scheme(int index, int position) const {
    const SSectorRow* row = Row(index, position);
    return row == nullptr ? 0 : row->scheme;
}

int CSectorConfigBase::Sector(int index, int position) const {
    const SSectorRow* row = Row(index, position);
    return row == nullptr ? 0 : row->sector;
}

int CSectorConfigBase::Band(int index, int position) const {
    const SSectorRow* row = Row(index, position);
    return row == nullptr ? 0 : row->band;
}
