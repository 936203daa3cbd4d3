#include "comms/CommsReport.h"

#include <array>

namespace {

constexpr std::array<const char*, CCommsReport::kCodeCount> kTexts = {
    "",
    "",
    "Relko Service Not Supported",
    "Communications Server service is not running. Restart your computer",
    "Buffer Overrun",
    "Server not found",
    "Z9CS not found",
    "Connection:: Unknown Error",
    "MMI server already running",
    "The Selected COM port is in use please use the\r\nBTS Communication Tab of the Options "
    "Dialog to change port",
    "",
    "The remote session cannot be established because \r\nan MMI application is connected "
    "locally.\r\n\r\nTry reconnecting after the local Ostrel/Cabrion\r\n has been disconnected "
    "at the site.",
    "The remote session was terminated because \r\nan MMI application connected locally.\r\n\r\n"
    "Try reconnecting after the local Ostrel/Cabrion\r\n has been disconnected at the site.",
    "Cannot connect to remote BTS. Possible reasons include:\n\nA remote connection to this BTS "
    "already exists, or \nthe BTS or its Abis link is starting up and the BTS \ncannot accept a "
    "remote connection yet.",
    "The remote session has been terminated because\r\nof an Abis link problem.\r\n\r\nCheck the "
    "link and try reconnecting.\r\n\r\n",
    "The remote Cabrion connection has failed.\nThe reason for failure could not be established "
    "bythe Ostrel application.\n\nCheck the link and connection settings, then try again.",
    "Cannot connect to remote BTS because another remote connection to the sameBTS exists.\n\n"
    "Try again once the current remote session has finished.",
};

} // namespace

std::string CCommsReport::FixedText(int code) {
    if (code < 0 || code >= kCodeCount) {
        return {};
    }
    return kTexts[static_cast<size_t>(code)];
}

std::string CCommsReport::Text() const {
    if (m_code == kSpeedChanged || m_code == kReason) {
        return m_text;
    }
    return FixedText(m_code);
}

std::string CCommsReport::SpeedChangedText(const std::string& speedText) {
    return "Communication speed changed to " + speedText + ".";
}
