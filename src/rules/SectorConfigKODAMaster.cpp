#include "rules/SectorConfigKODAMaster.h"

#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"

CSectorConfigKODAMaster::CSectorConfigKODAMaster()
    : m_own(std::make_unique<CSectorConfigKODAOwn>()),
      m_pre(std::make_unique<CSectorConfigKODAPre>()), m_sources{m_own.get(), m_pre.get()} {}

CSectorConfigBase* CSectorConfigKODAMaster::Source(int index, int& local) const {
    if (index < 0) {
        return nullptr;
    }
    for (CSectorConfigBase* source : m_sources) {
        if (index < source->Count()) {
            local = index;
            return source;
        }
        index -= source->Count();
    }
    return nullptr;
}

int CSectorConfigKODAMaster::Count() const {
    int count = 0;
    for (const CSectorConfigBase* source : m_sources) {
        count += source->Count();
    }
    return count;
}

std::string CSectorConfigKODAMaster::Name(int index) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? "-" : source->Name(local);
}

int CSectorConfigKODAMaster::FindByName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (Name(i) == name) {
            return i;
        }
    }
    return -1;
}

bool CSectorConfigKODAMaster::CopyFrom(int index, int otherIndex) {
    int local = 0;
    int otherLocal = 0;
    CSectorConfigBase* source = Source(index, local);
    const CSectorConfigBase* other = Source(otherIndex, otherLocal);
    return source != nullptr && other != nullptr && source->CopyFrom(local, *other, otherLocal);
}

void CSectorConfigKODAMaster::FillDiversityChoices(int index, int position, int sector,
                                                   IChoiceList& list, int current,
                                                   const CKodaConfigMaster& grid) const {
    int local = 0;
    if (const CSectorConfigBase* source = Source(index, local)) {
        source->FillDiversityChoices(local, position, sector, list, current, grid);
    } else {
        list.Clear();
    }
}

void CSectorConfigKODAMaster::FillColumn(int index, int column, ITableList& list) const {
    int local = 0;
    if (const CSectorConfigBase* source = Source(index, local)) {
        source->FillColumn(local, column, list);
        return;
    }
    for (int row = 0; row < 12; ++row) {
        list.SetText(row, column, "-");
    }
}

bool CSectorConfigKODAMaster::PlaceOnGrid(int index, int bandFlags, CKodaConfigMaster& grid) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source != nullptr && source->PlaceOnGrid(local, bandFlags, grid);
}

const SSectorRows* CSectorConfigKODAMaster::Record(int index) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? nullptr : source->Record(local);
}

void CSectorConfigKODAMaster::ShowAndApplyBand(int index, int bandFlags, ITableList& list,
                                               CKodaConfigMaster& grid) {
    int local = 0;
    if (CSectorConfigBase* source = Source(index, local)) {
        source->ShowAndApplyBand(local, bandFlags, list, grid);
    }
}

int CSectorConfigKODAMaster::Type(int index) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? 0 : source->Type();
}

bool CSectorConfigKODAMaster::SetDiversitySource(int index, int position, int value) {
    int local = 0;
    CSectorConfigBase* source = Source(index, local);
    return source != nullptr && source->SetDiversitySource(local, position, value);
}

bool CSectorConfigKODAMaster::SetScheme(int index, int position, int value) {
    int local = 0;
    CSectorConfigBase* source = Source(index, local);
    return source != nullptr && source->SetScheme(local, position, value);
}

int CSectorConfigKODAMaster::DiversitySource(int index, int position) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? 0 : source->DiversitySource(local, position);
}

int CSectorConfigKODAMaster::Scheme(int index, int position) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? 0 : source->Scheme(local, position);
}

int CSectorConfigKODAMaster::Sector(int index, int position) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? 0 : source->Sector(local, position);
}

int CSectorConfigKODAMaster::Band(int index, int position) const {
    int local = 0;
    const CSectorConfigBase* source = Source(index, local);
    return source == nullptr ? 0 : source->Band(local, position);
}

void CSectorConfigKODAMaster::TakeOwnFromGrid(CKodaConfigMaster& grid) {
    if (m_selected != 0) {
        return;
    }
    for (int p = 1; p <= 12; ++p) {
        const int placed = grid.SchemeAt(p);
        if (placed == m_own->Scheme(0, p)) {
            continue;
        }
        m_own->SetDiversitySource(0, p, 0);
        grid.SetGroupDiversityPort(p, 0);
        m_own->SetScheme(0, p, placed);
    }
}
