#pragma once

#include <string>
#include <vector>

namespace velmora::test {

// The test run's PulseAudio server, reached through pactl.
struct PulseTestServer {
    // Empty when the server answers; otherwise why not. A run without a
    // server configured (PULSE_SERVER unset) may skip; a configured server
    // that does not answer is a failure.
    static std::string Problem();
    static bool Configured();

    // pactl's output for the arguments; exit code in `code` when given.
    static std::string Pactl(const std::string& args, int* code = nullptr);
    // Per-channel raw volumes (65536 = 100 %) and the mute state of a sink.
    static std::vector<long> Volumes(const std::string& sink);
    static bool Muted(const std::string& sink);
    static void SetVolumes(const std::string& sink, const std::vector<long>& volumes);
    static void SetMuted(const std::string& sink, bool muted);
};

// A null sink of this test process's own, unloaded when the object goes.
class PrivateSink {
public:
    PrivateSink();
    ~PrivateSink();
    PrivateSink(const PrivateSink&) = delete;
    PrivateSink& operator=(const PrivateSink&) = delete;

    const std::string& Name() const { return name_; }

private:
    std::string name_;
    std::string module_;
};

// Puts the default sink's level and mute back as they were.
class DefaultSinkState {
public:
    DefaultSinkState();
    ~DefaultSinkState();
    DefaultSinkState(const DefaultSinkState&) = delete;
    DefaultSinkState& operator=(const DefaultSinkState&) = delete;

private:
    std::vector<long> volumes_;
    bool muted_;
};

// A PulseAudio daemon of the test's own with a null sink, on a socket in
// `folder`, for tests that stop and restart a server. Stopped when the
// object goes.
class OwnPulseServer {
public:
    explicit OwnPulseServer(std::string folder);
    ~OwnPulseServer();
    OwnPulseServer(const OwnPulseServer&) = delete;
    OwnPulseServer& operator=(const OwnPulseServer&) = delete;

    // The server string clients connect to.
    std::string Address() const { return "unix:" + folder_ + "native"; }
    // Starts the daemon and waits until it answers; false when it does not.
    bool Start();
    void Stop();

private:
    std::string folder_;
    int pid_ = -1;
};

}  // namespace velmora::test
