#include "sound/pulse/PulseEndpointVolume.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {

struct PulseEndpointVolume::Sink {
    std::string name;
    pa_cvolume volume{};
    bool muted = false;
};

namespace {

using Clock = std::chrono::steady_clock;

// Runs the main loop for at most the time left until `deadline`.
bool IterateUntil(pa_mainloop* mainloop, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    if (pa_mainloop_prepare(mainloop, static_cast<int>(left.count())) < 0) {
        return false;
    }
    // An interrupted poll is simply tried again on the next round.
    if (pa_mainloop_poll(mainloop) < 0) {
        return true;
    }
    return pa_mainloop_dispatch(mainloop) >= 0;
}

bool Good(pa_context_state_t state) {
    return state != PA_CONTEXT_FAILED && state != PA_CONTEXT_TERMINATED;
}

}  // namespace

PulseEndpointVolume::PulseEndpointVolume(std::string sinkName) : sinkName_(std::move(sinkName)) {}

PulseEndpointVolume::~PulseEndpointVolume() {
    Disconnect();
}

void PulseEndpointVolume::Disconnect() {
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    if (mainloop_ != nullptr) {
        pa_mainloop_free(mainloop_);
        mainloop_ = nullptr;
    }
}

// Takes in what the server said since the last call (a server that went
// away shows up here as a failed connection).
bool PulseEndpointVolume::Ready() {
    if (context_ == nullptr) {
        return false;
    }
    while (pa_mainloop_iterate(mainloop_, 0, nullptr) > 0) {
    }
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
}

bool PulseEndpointVolume::Connect() {
    if (Ready()) {
        return true;
    }
    Disconnect();
    mainloop_ = pa_mainloop_new();
    context_ = pa_context_new(pa_mainloop_get_api(mainloop_), "Velmora");
    // Never start a server of our own: no answer means the mixer path.
    if (context_ == nullptr ||
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        Disconnect();
        return false;
    }
    const auto deadline = Clock::now() + timeout_;
    while (Good(pa_context_get_state(context_)) &&
           pa_context_get_state(context_) != PA_CONTEXT_READY) {
        if (!IterateUntil(mainloop_, deadline)) {
            break;
        }
    }
    if (pa_context_get_state(context_) != PA_CONTEXT_READY) {
        Disconnect();
        return false;
    }
    // Connecting again at all means the last connection was lost.
    reconnected_ = connectedBefore_;
    connectedBefore_ = true;
    return true;
}

bool PulseEndpointVolume::Reconnected() {
    Connect();
    return std::exchange(reconnected_, false);
}

bool PulseEndpointVolume::ServerAnswers() {
    return PulseEndpointVolume().Connect();
}

bool PulseEndpointVolume::Wait(pa_operation* operation) {
    if (operation == nullptr) {
        return false;
    }
    const auto deadline = Clock::now() + timeout_;
    bool done = true;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
        if (!Good(pa_context_get_state(context_)) || !IterateUntil(mainloop_, deadline)) {
            done = false;
            break;
        }
    }
    if (!done) {
        pa_operation_cancel(operation);
    }
    pa_operation_unref(operation);
    if (!done) {
        // A server that stopped answering is dropped; the next call connects
        // afresh.
        Disconnect();
    }
    return done;
}

std::optional<std::string> PulseEndpointVolume::SinkName() {
    if (!sinkName_.empty()) {
        return sinkName_;
    }
    std::optional<std::string> name;
    auto onInfo = [](pa_context*, const pa_server_info* info, void* user) {
        if (info != nullptr && info->default_sink_name != nullptr) {
            *static_cast<std::optional<std::string>*>(user) = info->default_sink_name;
        }
    };
    if (!Wait(pa_context_get_server_info(context_, onInfo, &name))) {
        return std::nullopt;
    }
    return name;
}

std::optional<PulseEndpointVolume::Sink> PulseEndpointVolume::QuerySink() {
    if (!Connect()) {
        return std::nullopt;
    }
    const auto name = SinkName();
    if (!name || name->empty()) {
        return std::nullopt;
    }
    std::optional<Sink> sink;
    auto onSink = [](pa_context*, const pa_sink_info* info, int eol, void* user) {
        if (eol == 0 && info != nullptr) {
            *static_cast<std::optional<Sink>*>(user) =
                Sink{info->name, info->volume, info->mute != 0};
        }
    };
    if (!Wait(pa_context_get_sink_info_by_name(context_, name->c_str(), onSink, &sink))) {
        return std::nullopt;
    }
    return sink;
}

bool PulseEndpointVolume::Find() {
    return QuerySink().has_value();
}

std::optional<double> PulseEndpointVolume::GetLevel() {
    const auto sink = QuerySink();
    if (!sink) {
        return std::nullopt;
    }
    return pa_cvolume_max(&sink->volume) * 100.0 / PA_VOLUME_NORM;
}

namespace {

void OnSuccess(pa_context*, int success, void* user) {
    *static_cast<bool*>(user) = success != 0;
}

}  // namespace

bool PulseEndpointVolume::SetLevel(double percent) {
    if (!std::isfinite(percent) || percent < 0.0) {
        return false;
    }
    auto sink = QuerySink();
    if (!sink) {
        return false;
    }
    const double level =
        std::min(std::round(percent / 100.0 * PA_VOLUME_NORM), static_cast<double>(PA_VOLUME_MAX));
    // Scaling keeps the ratio of the channels, as a balance control would.
    pa_cvolume_scale(&sink->volume, static_cast<pa_volume_t>(level));
    bool ok = false;
    return Wait(pa_context_set_sink_volume_by_name(context_, sink->name.c_str(), &sink->volume,
                                                   OnSuccess, &ok)) &&
           ok;
}

std::optional<bool> PulseEndpointVolume::GetMute() {
    const auto sink = QuerySink();
    if (!sink) {
        return std::nullopt;
    }
    return sink->muted;
}

bool PulseEndpointVolume::SetMute(bool muted) {
    const auto sink = QuerySink();
    if (!sink) {
        return false;
    }
    bool ok = false;
    return Wait(pa_context_set_sink_mute_by_name(context_, sink->name.c_str(), muted ? 1 : 0,
                                                 OnSuccess, &ok)) &&
           ok;
}

}  // namespace velmora
