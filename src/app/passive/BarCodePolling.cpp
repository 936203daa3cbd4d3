#include "app/passive/BarCodePolling.h"

#include "model/Strings.h"
#include "peripherals/UartErrors.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <algorithm>

CBarCodePolling::CBarCodePolling(const CRegistry& store, IBarCodeHost& host,
                                 CUart::PortResolver resolver)
    : m_store(store), m_host(host), m_resolver(std::move(resolver)) {}

CBarCodePolling::~CBarCodePolling() {
    Stop();
}

void CBarCodePolling::Stop() {
    if (m_running) {
        m_host.StopTimer();
        m_running = false;
    }
    if (m_reader) {
        m_reader->Close();
        m_reader.reset();
    }
}

void CBarCodePolling::Restart() {
    Stop();
    if (settings::Read(m_store, settings::kUARTEnable) == 0) {
        return;
    }
    m_reader = std::make_unique<CUart>(m_store, m_resolver,
                                       [this](const std::string& text) { m_host.Warning(text); });
    // A failed open has been told; the timer runs all the same, and polls find nothing.
    m_reader->Open();
    if (!m_host.StartTimer(kIntervalMs)) {
        m_host.StopError(std::string(LoadString(158)));
        return;
    }
    m_running = true;
}

bool CBarCodePolling::IsPlainCode(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

void CBarCodePolling::Tick() {
    // A message box runs its own event loop, in which the timer keeps firing.
    if (!m_reader || m_inTick) {
        return;
    }
    m_inTick = true;
    const SUartPoll poll = m_reader->Poll();
    Deliver(poll);
    m_inTick = false;
}

void CBarCodePolling::Deliver(const SUartPoll& poll) {
    // A damaged or cut-off code must not replace what the user typed: tell and keep it.
    if (poll.portLost) {
        m_host.Warning(uart::kPortLostText);
        return;
    }
    if (poll.text.empty()) {
        return;
    }
    if (poll.lineError) {
        m_host.Warning(uart::kDamagedCodeText);
        return;
    }
    if (!IsPlainCode(poll.text)) {
        m_host.Warning(uart::kGarbageCodeText);
        return;
    }
    if (!m_host.FocusedIsEdit()) {
        return;
    }
    if (m_host.SetFocusedEditText(poll.text)) {
        m_host.PostTab();
    }
}
