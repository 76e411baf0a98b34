#pragma once

namespace ThermionKit {

// The names of the distributed notifications exchanged with the companion. None carries data: the
// data lies in the shared suite.
struct ThermionNotifications {
    // Posted by this program; the companion quits.
    static constexpr const char* terminate = "TerminateThermion";
    // Posted by the companion; this program neither posts nor observes them.
    static constexpr const char* started = "ThermionStarted";
    static constexpr const char* stopped = "ThermionStopped";
    // Posted by this program each second, fans first.
    static constexpr const char* requestSensors = "RequestSensors";
    static constexpr const char* requestFans = "RequestFans";
    // Posted by the companion after it stored "sensors" or "fans".
    static constexpr const char* responseSensors = "ResponseSensors";
    static constexpr const char* responseFans = "ResponseFans";
};

} // namespace ThermionKit
