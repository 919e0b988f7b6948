#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "sound/MasterVolume.h"

struct pa_mainloop;
struct pa_context;
struct pa_operation;

namespace velmora {

// The master volume as the default output of the PulseAudio server (also
// PipeWire's PulseAudio service). The output is looked up afresh on every
// call, so a changed default output or a restarted server is followed; a
// server that does not answer within a second or two counts as gone. The
// level is the server's own percentage (100 % = unity gain); setting it
// keeps the output's left/right ratio. Main thread only.
class PulseEndpointVolume final : public MasterVolume {
public:
    // An empty sinkName means the server's default output.
    explicit PulseEndpointVolume(std::string sinkName = {});
    ~PulseEndpointVolume() override;
    PulseEndpointVolume(const PulseEndpointVolume&) = delete;
    PulseEndpointVolume& operator=(const PulseEndpointVolume&) = delete;

    // Whether a server answers (connecting when not yet connected).
    bool Connect();
    // Whether the default server answers now, on a connection of its own.
    static bool ServerAnswers();

    bool Find() override;
    bool HasVolume() override { return true; }
    bool HasMute() override { return true; }
    std::optional<double> GetLevel() override;
    bool SetLevel(double percent) override;
    std::optional<bool> GetMute() override;
    bool SetMute(bool muted) override;
    bool Reconnected() override;

private:
    struct Sink;
    std::optional<Sink> QuerySink();
    std::optional<std::string> SinkName();
    bool Wait(pa_operation* operation);
    bool Ready();
    void Disconnect();

    std::string sinkName_;
    std::chrono::milliseconds timeout_{2000};
    pa_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    bool connectedBefore_ = false;  // a server has answered this object once
    bool reconnected_ = false;
};

}  // namespace velmora
