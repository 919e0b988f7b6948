#pragma once

#include <sys/types.h>

#include <string>

#include "support/TempDir.h"

namespace velmora::test {

// A PulseAudio server of this test process's own, with one null sink as its
// default output, reached through PULSE_SERVER. The process's sound goes
// nowhere else, so parallel tests cannot hear each other, and a test may
// stop and restart it.
class PrivateSoundServer {
public:
    // The process's server, started on first use and kept to the end.
    static PrivateSoundServer& Instance();

    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // Empty when the server answers; else what went wrong.
    const std::string& Problem() const { return problem_; }
    bool Running() const { return pid_ > 0; }

    // Ends the server as a crash or restart of the desktop's would.
    void Stop();
    // Starts it again on the same socket; true once it answers.
    bool Start();

private:
    PrivateSoundServer();
    bool Answers() const;

    TempDir dir_;
    std::string socket_;
    pid_t pid_ = -1;
    std::string problem_;
};

}  // namespace velmora::test
