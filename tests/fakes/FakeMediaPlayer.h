#pragma once

#include <string>
#include <vector>

#include "sound/MediaPlayer.h"

namespace velmora::test {

// Not sim/SimMediaPlayer: its events come when the test fires them, not by virtual time.
// Writes down what it is asked to do ("url:<path>", "play", "stop") and
// raises the events a test tells it to.
class FakeMediaPlayer final : public MediaPlayer {
public:
    bool SetUrl(const std::string& path) override {
        log.push_back("url:" + path);
        url = path;
        return acceptUrl;
    }
    std::string Url() const override { return url; }
    bool Play() override {
        log.emplace_back("play");
        ++plays;
        return canPlay;
    }
    void Stop() override { log.emplace_back("stop"); }
    double Duration() const override { return duration; }

    void Fire(int state) { ReportPlayState(state); }
    void FireError() { ReportError(); }
    // What a real player reports when its file has played to the end.
    void FinishFile() {
        Fire(kPlayStateMediaEnded);
        Fire(kPlayStateStopped);
    }

    std::vector<std::string> log;
    std::string url;
    double duration = 0;
    int plays = 0;
    bool acceptUrl = true;
    bool canPlay = true;
};

}  // namespace velmora::test
