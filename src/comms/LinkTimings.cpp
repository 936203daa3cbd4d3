#include "comms/LinkTimings.h"

#include <algorithm>

SLinkTimings SLinkTimings::Scaled(int divisor) {
    SLinkTimings t;
    if (divisor <= 1) {
        return t;
    }
    auto s = [divisor](ms v) { return ms(std::max<long long>(1, v.count() / divisor)); };
    t.idlePoll = s(t.idlePoll);
    t.threadStart = s(t.threadStart);
    t.threadStop = s(t.threadStop);
    t.replyBase = s(t.replyBase);
    t.speedChangeStep = s(t.speedChangeStep);
    t.reconnectPause = s(t.reconnectPause);
    t.speedSwitchPause = s(t.speedSwitchPause);
    t.afterReconnect = s(t.afterReconnect);
    t.reportDrainLimit = s(t.reportDrainLimit);
    t.exchangeTimeout = s(t.exchangeTimeout);
    t.connectTimeout = s(t.connectTimeout);
    t.fileWatchdog = std::chrono::seconds(std::max<long long>(1, t.fileWatchdog.count() / divisor));
    return t;
}
