#pragma once
// Feeds the bar-code reader into a page: starts and stops the reader with its polling timer,
// and on every tick puts a scanned code into the focused box and moves the focus on.

#include "peripherals/Uart.h"

#include <memory>
#include <string>

class CRegistry;

class IBarCodeHost {
public:
    virtual ~IBarCodeHost() = default;

    // A repeating timer that calls Tick(); false when it cannot be made.
    virtual bool StartTimer(int milliseconds) = 0;
    virtual void StopTimer() = 0;
    virtual void Warning(const std::string& text) = 0;   // exclamation icon
    virtual void StopError(const std::string& text) = 0; // stop icon
    virtual bool FocusedIsEdit() const = 0;
    // False when the box cannot take the code (the host has said why): the focus stays.
    virtual bool SetFocusedEditText(const std::string& text) = 0;
    virtual void PostTab() = 0;
};

class CBarCodePolling {
public:
    static constexpr int kIntervalMs = 440;

    CBarCodePolling(const CRegistry& store, IBarCodeHost& host, CUart::PortResolver resolver = {});
    ~CBarCodePolling();

    // Stops what runs, then starts the reader and its timer when the reader is enabled. Run
    // when the page opens and whenever the reader settings were applied.
    void Restart();
    void Stop();
    void Tick();

    bool Running() const { return m_running; }
    const CUart* Reader() const { return m_reader.get(); }

    // Whether a scanned text can go into a box: no control characters, which no bar code
    // carries and which a noisy line produces.
    static bool IsPlainCode(const std::string& text);

private:
    void Deliver(const SUartPoll& poll);

    const CRegistry& m_store;
    IBarCodeHost& m_host;
    CUart::PortResolver m_resolver;
    std::unique_ptr<CUart> m_reader;
    bool m_running = false;
    bool m_inTick = false;
};
