// The Orvik view manager: its views, colours and settings, and the tab row of the BTS link.
#include "app/views/ViewBase.h"

#include <cstdint>

#include "app/views/ViewHost.h"
#include "app/views/ViewPagesKODA.h"
#include "app/views/ViewTexts.h"
#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "platform/SettingsKeys.h"

// One table of defaults serves the views and the options page; the views keep their own byte
// order.
const std::array<SceneColour, CViewBaseKODA::kColourCount>& CViewBaseKODA::DefaultColours() {
    static_assert(kColourCount == settings::kOrvikColorCount);
    static const std::array<SceneColour, kColourCount> colours = [] {
        std::array<SceneColour, kColourCount> out{};
        for (int i = 0; i < kColourCount; ++i) {
            out[static_cast<std::size_t>(i)] =
                ColourFromSetting(static_cast<int>(settings::kOrvikColorDefaults[i]));
        }
        return out;
    }();
    return colours;
}

SceneColour ColourFromSetting(int value) {
    const auto v = static_cast<std::uint32_t>(value);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

int ColourToSetting(SceneColour colour) {
    return static_cast<int>(((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
}

CViewBaseKODA::CViewBaseKODA(IViewHost& host, const CRegistry& settings) : CViewBase(host) {
    SetName("OrvikBTS");
    AddView(std::make_unique<CViewCabinetInfo>(*this));
    AddView(std::make_unique<CViewCabinetUnits>(*this));
    AddView(std::make_unique<CViewBB2>(*this));
    AddView(std::make_unique<CViewTXCabling>(*this));
    AddView(std::make_unique<CViewMainRXCabling>(*this));
    AddView(std::make_unique<CViewDivRXCabling>(*this));
    AddView(std::make_unique<CViewAllCabling>(*this));
    AddView(std::make_unique<CViewAntenna>(*this));
    AddView(std::make_unique<CViewPassive>(*this));
    AddView(std::make_unique<CViewDifferences>(*this));
    ReadSettings(settings);
    ActivateView(kViewCabinetInfo);
}

void CViewBaseKODA::ReadSettings(const CRegistry& settings) {
    SetViewSettings(settings::Read(settings, settings::kViewSettings));
    ReadColours(settings);
    m_btsEnabled = settings::Read(settings, settings::kEnableBTS) != 0;
    m_comPort = settings::Read(settings, settings::kComPort);
    m_maxSpeed = settings::Read(settings, settings::kMaxUARTSpeed);
}

void CViewBaseKODA::ReadColours(const CRegistry& settings) {
    for (int i = 0; i < kColourCount; ++i) {
        char entry[32];
        std::snprintf(entry, sizeof entry, settings::kOrvikColorFormat, i + 1);
        const int stored =
            settings.GetInt(settings::kSettings, entry, ColourToSetting(DefaultColours()[i]));
        m_colours[i] = ColourFromSetting(stored);
    }
}

CViewBaseKODA::SSettingsEffect CViewBaseKODA::SettingsChanged(const CRegistry& settings) {
    const bool wasEnabled = m_btsEnabled;
    const int oldPort = m_comPort;
    const int oldSpeed = m_maxSpeed;
    ReadSettings(settings);
    SSettingsEffect effect;
    effect.maxSpeed = m_maxSpeed;
    if (wasEnabled && !m_btsEnabled) {
        effect.disconnect = true;
        SetBtsConnectionEnabled(false);
    } else if (m_btsEnabled && m_comPort != oldPort) {
        effect.reconnect = true;
    } else if (m_btsEnabled && m_maxSpeed != oldSpeed) {
        effect.newSpeed = true;
    }
    // The colours, the wideband option and the Differences button may all have changed.
    Redraw();
    return effect;
}

void CViewBaseKODA::StartupPass() {
    // Counted only as far as it matters, so that a program left running for weeks does not
    // wrap the counter round to a first pass again.
    const int pass = m_startupPasses;
    if (m_startupPasses < 2) {
        ++m_startupPasses;
    }
    if (pass == 0) {
        Host().OpenUpdateWizard();
        return;
    }
    CSiteKODA* site = Site();
    const auto* bts = dynamic_cast<const CDataBaseKODA*>(CBtsConfiguration::Get());
    if (bts == nullptr) {
        // The connection is gone with its configuration: the next one is fetched afresh.
        m_partRequested.fill(false);
        m_btsComplete = false;
    }
    if (m_btsComplete) {
        if (Host().BtsConnected()) {
            Host().PollConnection();
        }
        return;
    }
    if (site == nullptr || bts == nullptr) {
        return;
    }
    // A part the BTS does not give is asked for once only: asking on every pass would hold
    // the window in blocking exchanges for as long as the program runs.
    for (int step = 1; step <= 3; ++step) {
        if (bts->TransferStatus(step) != 1 && !m_partRequested[step]) {
            m_partRequested[step] = true;
            // The first file's request reads the second one with it.
            m_partRequested[2] = m_partRequested[2] || step == 1;
            Host().RequestBtsPart(step);
            return;
        }
    }
    site->CableGuy()->RecomputeCableStates(kSelectBts);
    m_btsComplete = true;
    Redraw();
}

void CViewBaseKODA::SetColour(int index, SceneColour colour) {
    if (index >= 0 && index < kColourCount) {
        m_colours[index] = colour & 0xFFFFFF;
    }
}

bool CViewBaseKODA::BtsConnectionEnabled() const {
    return m_btsEnabled || Host().ConnectionWanted();
}

void CViewBaseKODA::SetBtsConnectionEnabled(bool enabled) {
    m_btsEnabled = enabled;
    if (enabled) {
        return;
    }
    // Without the connection there is neither a BTS tab nor a Differences button.
    if (CSiteKODA* site = Site(); site != nullptr && site->ShowsBts()) {
        site->SetShowBts(false);
        TabChanged();
    }
    if (ActiveView() != nullptr && ActiveView()->Type() == kViewDifferences) {
        ActivateView(kViewCabinetInfo);
    }
}

std::optional<SceneColour> CViewBaseKODA::CableColour(int group, bool selected) const {
    int index = -1;
    switch (group) {
    case kGroupTx:
        index = 0;
        break;
    case kGroupRxMain:
        index = 2;
        break;
    case kGroupRxDiv:
        index = 4;
        break;
    case kGroupAntenna:
        index = 8;
        break;
    case kGroupBB2:
        index = 6;
        break;
    default:
        return std::nullopt;
    }
    return m_colours[index + (selected ? 1 : 0)];
}

std::vector<SBarEntry> CViewBaseKODA::BarEntries() const {
    std::vector<SBarEntry> entries = CViewBase::BarEntries();
    if (!BtsConnectionEnabled()) {
        std::erase_if(entries, [](const SBarEntry& e) { return e.viewType == kViewDifferences; });
    }
    return entries;
}
